#pragma once

class QAction;
class QWidget;

// The two button bars of the MultiSMS window. Each action carries its button
// key ("new", "open", "openWeb", "save",
// "import", "export"; "add", "ok", "delete") as its object name.
struct MultiSMSActions {
    QAction* newList = nullptr;
    QAction* open = nullptr;
    QAction* openWeb = nullptr;
    QAction* save = nullptr;
    QAction* import = nullptr;
    QAction* exportList = nullptr;
    QAction* add = nullptr;
    QAction* ok = nullptr;
    QAction* remove = nullptr;
};

// Fills the toolbar box and the edit-bar box (each with an empty box layout).
MultiSMSActions setUpMultiSMSBars(QWidget* toolbarBox, QWidget* editBarBox);

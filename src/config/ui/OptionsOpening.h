#pragma once

#include <QObject>

class frmOptionen;
class QWidget;

// Tells the windows that show settings (the main window's indicators and
// balance) that an options dialog applied, or closed; one for the process,
// since the dialog can be opened from several places.
class OptionsEvents : public QObject {
    Q_OBJECT
public:
    static OptionsEvents& instance();
signals:
    // A dialog was made and is about to load: the program hosts the pages
    // of other subsystems in it here (frmOptionen::hostSection).
    void opening(frmOptionen* dialog);
    void applied();
    void closed();
};

// The ways to open the dialog. There is one dialog at a time: while one is
// open, a second call brings it to the front on the page asked for.
// Toolbar: modal, page 1.
void showOptions(QWidget* owner);
// An option indicator of the main window: not modal, page 2.
void showOptionen(QWidget* owner);
// The credit purchase link: modal, page 3 (the entry "Kontodaten" stays highlighted).
void showBuyCredits(QWidget* owner);
// The scheduling window: modal, page 4 with its entry highlighted.
void showOptionTerminversand(QWidget* owner);
// The dialog shown now, if any.
frmOptionen* openOptionsDialog();

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class RecipientInput;
class frmPhonebook;

// The main window's side of the phonebook: the toolbar toggle, the docked
// window, and a chosen contact taken into the recipient fields.
class PhonebookDock : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QWidget* mainWindow;
        QComboBox* prefix;     // cmbVorwahl
        QComboBox* name;       // cmbName
        QLineEdit* number;     // txtNummer
        QCheckBox* privat;     // chkPrivat
        QCheckBox* publicBook; // chkPublic
        QWidget* message;      // txtSMS: takes the focus after a contact or "close://"
    };
    // onOpenChanged tells the main window the phonebook window and whether it is open.
    PhonebookDock(const Fields& fields, RecipientInput& recipient,
                  std::function<void(QWidget* window, bool open)> onOpenChanged, QObject* parent = nullptr);

    bool isOpen() const { return m_window != nullptr; }
    frmPhonebook* window() const { return m_window; }

    void toggle();
    void open();
    // Closes the phonebook (disposePhonebook).
    void dispose();

private:
    void beforeNavigate(const QString& target, bool* cancel);
    void takeContact(const QString& target);
    void closeAndFocusMessage();

    Fields m_f;
    RecipientInput& m_recipient;
    std::function<void(QWidget*, bool)> m_onOpenChanged;
    QPointer<frmPhonebook> m_window;
};

#pragma once

#include <QObject>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
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
    explicit PhonebookDock(const Fields& fields, QObject* parent = nullptr);

    bool isOpen() const { return m_window != nullptr; }
    frmPhonebook* window() const { return m_window; }

    void toggle();
    void open();
    // Closes the phonebook (disposePhonebook).
    void dispose();

signals:
    // The phonebook window opened (window) or closed (nullptr, false).
    void openChanged(QWidget* window, bool open);
    // A chosen contact's prefix, to be selected before its number is entered.
    void prefixChosen(const QString& prefixKey);

private:
    void beforeNavigate(const QString& target, bool* cancel);
    void takeContact(const QString& target);
    void closeAndFocusMessage();

    Fields m_f;
    QPointer<frmPhonebook> m_window;
};

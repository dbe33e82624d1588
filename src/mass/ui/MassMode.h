#pragma once

#include "messaging/ui/MessageEditor.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

class CreditDisplay;
class GatewaySender;
class HeaderArea;
class MassRun;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class SendWorkflow;
class frmMultiSMS;
class frmMultiSMSLog;
struct SendContext;

// Mass mode of the main window: the switch into and out of it (the list
// window beside the main window, the placeholder bar, the recipient fields
// locked), the list's figures for the message counters, and the mass branch
// of the send button with its credit check, its question and the run.
class MassMode : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QWidget* window;
        QComboBox* prefix;        // cmbVorwahl
        QComboBox* name;          // cmbName
        QLineEdit* number;        // txtNummer
        QCheckBox* privat;        // chkPrivat
        QCheckBox* publicBook;    // chkPublic
        QWidget* placeholders;    // boxPlatzhalter
        QWidget* variablesBar;    // boxVariablesToolbar
        QLineEdit* massCount;     // txtAnzahlMultiSMS
        QWidget* sendButton;      // tbSend
        QWidget* scheduleButton;  // tbTerminversand
        QWidget* modeButton;      // tbMultiSMS
        QWidget* phonebookButton; // tbPhonebook
    };
    struct Parts {
        SendContext& context;
        HeaderArea& header;
        MessageEditor& editor;
        GatewaySender& sender;
        CreditDisplay& credits;
        SendWorkflow& workflow;
    };

    MassMode(const Fields& fields, const Parts& parts, QObject* parent = nullptr);
    ~MassMode() override;

    // tbMultiSMS: in mass mode disableMultiSMS, else enableMultiSMS. Not
    // while a run is under way.
    void toggle();
    void enableMultiSMS();
    void disableMultiSMS();

    // The mass branch of the send button, with the credits one SMS costs.
    void sendMass(int perSms);
    bool runActive() const;

    // The main window closes: a run counts as cancelled, the windows go.
    void mainWindowClosing();

    // Closes the phone-book window when mass mode starts.
    void setClosePhonebook(std::function<void()> f) { m_closePhonebook = std::move(f); }

    // Made with the main window, closed and deleted with it.
    frmMultiSMS* listWindow() const;
    frmMultiSMSLog* logWindow() const;

private:
    MessageEditor::ListFigures figures() const;
    void ensureWindows();
    void showMessageInList();
    void setRunActive(bool active);
    void onListClosed();
    void cancelRun();
    void onRunFinished();

    Fields m_f;
    Parts m_p;
    QPointer<frmMultiSMS> m_list;
    QPointer<frmMultiSMSLog> m_log;
    MassRun* m_run = nullptr;
    bool m_phonebookWasEnabled = false;
    std::pair<bool, bool> m_enabledBeforeRun{true, true}; // tbTerminversand, tbMultiSMS
    std::function<void()> m_closePhonebook;
};

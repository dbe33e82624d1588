#pragma once

#include "history/SendJournal.h"
#include "messaging/MessageText.h"
#include "messaging/SendOutcome.h"
#include "messaging/SendRules.h"

#include <QObject>
#include <QPointer>

#include <utility>

class HeaderArea;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class SendSession;
class SmsTextEdit;
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
        SmsTextEdit* text;        // txtSMS
    };
    struct Parts {
        SendContext& context;
        HeaderArea& header;
        SendSession& session;
        SendJournal* journal; // may be null: nothing to resume then
    };

    MassMode(const Fields& fields, const Parts& parts, QObject* parent = nullptr);
    ~MassMode() override;

    // tbMultiSMS: in mass mode disableMultiSMS, else enableMultiSMS. Not
    // while a run is under way.
    void toggle();
    void enableMultiSMS();
    void disableMultiSMS();

    // The mass branch of the send button, with the credits one SMS costs; the
    // send's password is in the send context.
    void sendMass(int perSms);
    bool runActive() const;

    // An interrupted run in the journal is offered: at the start and when mass mode opens.
    void offerResume();
    // Entries of a recorded run sent again on purpose (those that got no answer).
    void resend(qint64 action, const QList<int>& places);

    // The main window closes: a run counts as cancelled, the windows go.
    void mainWindowClosing();

    // Made with the main window, closed and deleted with it.
    frmMultiSMS* listWindow() const;
    frmMultiSMSLog* logWindow() const;

signals:
    // The list's figures changed, or mass mode came or went: the counters recount.
    void listFiguresChanged(const MessageText::ListFigures& figures);
    // Mass mode starts: the phone-book window goes.
    void phonebookCloseRequested();
    // A run is over and its hand-overs confirmed: the balance has changed.
    void runEnded();

private:
    MessageText::ListFigures figures() const;
    void recount();
    void ensureWindows();
    void showMessageInList();
    void setRunActive(bool active);
    void onListClosed();
    void cancelRun();
    void onRunFinished(const QString& status);
    // Sends places of a recorded run after the credit check and the question.
    bool sendRecorded(const SendJournal::OpenRun& run, const QList<int>& places, bool reopen);

    Fields m_f;
    Parts m_p;
    QPointer<frmMultiSMS> m_list;
    QPointer<frmMultiSMSLog> m_log;
    bool m_phonebookWasEnabled = false;
    bool m_runEnding = false;
    std::pair<bool, bool> m_enabledBeforeRun{true, true}; // tbTerminversand, tbMultiSMS
};

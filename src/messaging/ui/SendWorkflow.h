#pragma once

#include <QObject>

class CreditDisplay;
class HeaderArea;
class MessageEditor;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;
class RecipientInput;
class SendSession;
class SmsTextEdit;
class clsMRU;
struct SendContext;

// What happens between a click on the send button and the requests: field
// checks, the password of the send, the credit check, the single send, the
// scheduled send, the company-server confirmation and the reuse of the last text.
class SendWorkflow : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QWidget* window;
        QComboBox* prefix;
        QComboBox* name;
        QLineEdit* number;
        SmsTextEdit* text;
        QLineEdit* count;     // txtAnzahlSMS
        QLineEdit* massCount; // txtAnzahlMultiSMS
        QLabel* reuseLabel;   // lblReuseText
        QFrame* reuseBox;     // boxReuseLastSMS
        QCheckBox* privat;    // chkPrivat
        QCheckBox* publicBook; // chkPublic
    };
    struct Parts {
        SendContext& context;
        HeaderArea& header;
        RecipientInput& recipient;
        MessageEditor& editor;
        SendSession& session;
        CreditDisplay& credits;
        clsMRU& mru;
    };

    SendWorkflow(const Fields& fields, const Parts& parts, QObject* parent = nullptr);

    bool validateSendForm();
    void onSendClicked();
    void onScheduledSendClicked();
    void sendSingle();
    // Counts one hand-over to the company server in the current send action.
    void reportHandover();
    // The confirmation of the current send action's hand-overs, once.
    void confirmHandovers();
    void onReuseClicked();

    // The send time-out (60 s); tests shorten it.
    void setSendTimeoutMs(int ms);

signals:
    // The send button in mass mode, with the credits one SMS costs: the mass
    // mode, which owns the list and the log, takes it from here. The send's
    // password is in the send context while this is emitted.
    void massSendRequested(int perSms);

private:
    // A single send was confirmed: empty what still holds what was sent.
    void onAccepted(const QString& text, const QString& name, const QString& number);

    Fields m_f;
    Parts m_p;
};

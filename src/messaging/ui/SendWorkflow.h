#pragma once

#include <QObject>

#include <functional>

class CreditDisplay;
class GatewaySender;
class HeaderArea;
class MessageEditor;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class RecipientInput;
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
    };
    struct Parts {
        SendContext& context;
        HeaderArea& header;
        RecipientInput& recipient;
        MessageEditor& editor;
        GatewaySender& sender;
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
    void setSendTimeoutMs(int ms) { m_sendTimeoutMs = ms; }
    // The mass branch of the send button, given the credits per SMS; set by
    // the mass run, which owns the list and the log.
    void setMassSend(std::function<void(int perSms)> f) { m_massSend = std::move(f); }

private:
    Fields m_f;
    Parts m_p;
    int m_sendTimeoutMs = 60000;
    std::function<void(int)> m_massSend;
};

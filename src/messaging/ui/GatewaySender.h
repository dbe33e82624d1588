#pragma once

#include "messaging/SendOutcome.h"
#include "schedule/CCronjob.h"

#include <QObject>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class HeaderArea;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;
class SmsTextEdit;
class Transfer;
struct SendContext;

// The main window's sending component: turns one text for one recipient into
// gateway requests (or company-server files), and handles the gateway's reply
// and the send time-out.
//
// Requests wait in a queue and go out one at a time, in order; the queue moves
// on from the transfer component's own events, so no caller waits in a loop
// of its own. Every request carries the send action it belongs to, and its
// reply is handled for that action: a late reply never acts on what the user
// has typed since, and a mass run's reply never takes the single-send path.
class GatewaySender : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QWidget* window;
        SmsTextEdit* text;
        QComboBox* name;
        QLineEdit* number;
        QFrame* reuseBox;
        QLabel* reuseLabel;
        QCheckBox* privat;
        QCheckBox* publicBook;
    };
    // What one send action was started with: the fields as they stood.
    struct SendAction {
        QString text;   // txtSMS, before placeholders and parts
        QString name;   // cmbName
        QString number; // txtNummer
        bool mass = false;
        // Taken from the send context by beginAction: a run's later entries
        // go out after the workflow has emptied the password and the schedule.
        QString password;
        std::optional<CCronjob> schedule;
    };

    GatewaySender(const Fields& fields, SendContext& context, HeaderArea& header, QObject* parent = nullptr);

    Transfer& iNet() { return *m_iNet; }
    QTimer& tm() { return m_tm; }

    // Starts a send action: the requests that follow belong to it, and the
    // questions of a send (missing sender name, a failed company-server drop)
    // are asked at most once in it. The password and schedule of the send
    // context are taken now.
    void beginAction(const QString& text, const QString& name, const QString& number, bool mass);

    // Sends one text to one recipient, split into as many requests as needed.
    // Returns how many requests (or hand-overs) were started.
    int sendText(const QString& recipient, const QString& text, const QString& name);
    // One request for one part; false when nothing was started.
    bool submitMessage(const QString& recipient, const QString& text, const QString& name);

    // Nothing queued and nothing under way.
    bool isIdle() const;
    // The user answered No to sending without a sender name in this action.
    bool senderNameRefused() const { return m_senderAnswer.has_value() && !*m_senderAnswer; }

    // Where the replies of a mass run go: one line, newest first.
    void setMassLog(std::function<void(const QString& line)> log) { m_massLog = std::move(log); }
    // Called after each hand-over to the company server.
    void setReportHandover(std::function<void()> report) { m_reportHandover = std::move(report); }

    static QString timeoutText();

signals:
    // A single send's reply is in and shown; the balance it changed can be fetched.
    void singleReplyHandled();
    // The last queued request has been answered (or has failed).
    void idle();
    // A request of a mass run ended so; its log lines are written before.
    void massRequestEnded(SendOutcome::Kind outcome);

private:
    struct Flight {
        SendAction action;
        QString recipient;
    };
    struct Pending {
        QString url;
        QByteArray body;
        Flight flight;
    };

    void pump();
    void onStateChanged(int state);
    void onTimeout();
    void handleReply(const Flight& flight, const QString& response);
    void handleAccepted(const SendAction& action);
    void setBusy(bool busy);
    bool senderNameConfirmed();

    Fields m_f;
    SendContext& m_context;
    HeaderArea& m_header;
    Transfer* m_iNet;
    QTimer m_tm;
    SendAction m_action;
    std::optional<bool> m_senderAnswer;
    bool m_dropFailureShown = false;
    QQueue<Pending> m_queue;
    std::optional<Flight> m_inFlight;
    std::function<void(const QString&)> m_massLog;
    std::function<void()> m_reportHandover;
};

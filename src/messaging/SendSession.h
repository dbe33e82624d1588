#pragma once

#include "messaging/SendOutcome.h"
#include "messaging/SendRecord.h"
#include "messaging/SendRules.h"
#include "schedule/CCronjob.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <optional>

class Transfer;

// The one owner of the send path, without a window: it turns a send action
// (one text to one recipient, split as needed, maybe scheduled; or a mass run
// over a snapshot of a list) into gateway requests or company-server files,
// keeps them in one queue that goes out in order, counts the hand-overs of
// the action and tells what became of every request. Single and split sends
// go one request at a time; a mass run keeps up to its window of requests
// under way, the parts of one recipient still one after the other.
//
// It reports through signals and asks the user only through the prompts
// seam; the windows (and the command-line sender) listen.
class SendSession : public QObject {
    Q_OBJECT
public:
    // What one send action goes out with, taken when it starts: a run's later
    // entries go out after the window has emptied its password and schedule.
    struct Action {
        QString text;   // the message as typed, before placeholders and parts
        QString name;   // the recipient name field as it stood (single sends)
        QString number; // the number field as it stood (single sends)
        QString password;
        std::optional<CCronjob> schedule;
        bool privateBook = false;
        bool publicBook = false;
    };
    // Where a mass run stands, sent with every step.
    struct Progress {
        int value = 0;   // for the progress bar, 1 + entries walked
        int maximum = 0; // SendRules::massProgressMaximum
        QString status;  // "Es wurden bereits n von N SMS versendet." or the cancel text
    };

    explicit SendSession(QObject* parent = nullptr);
    ~SendSession() override;

    // Where every action and request is written down (may be null). The
    // record outlives the session or is reset before it goes.
    void setRecord(SendRecord* record) { m_record = record; }

    Transfer& iNet() { return *m_iNet; }
    // How many requests a mass run keeps under way at once (1 to 8): fixed,
    // or kWindowFromOptions to take "Gleichzeitige Übertragungen" at the start
    // of every run. A session starts with 1: one request after the other.
    static constexpr int kWindowFromOptions = 0;
    void setWindow(int requests) { m_window = requests; }
    // Requests handed over whose end has not come yet.
    int requestsUnderWay() const { return flightsUnderWay(); }
    int window() const { return m_window; }
    // The single send's time-out; a mass run has none of its own.
    QTimer& tm() { return m_tm; }
    void setSendTimeoutMs(int ms) { m_sendTimeoutMs = ms; }
    static QString timeoutText();
    // The reasons a send is not recorded, for the header and the boxes.
    static QString notRecordedText();                       // header, single sends
    static QString runNotStartedText(const QString& why);   // a run the record cannot take
    static QString runStoppedText(const QString& why);      // a run whose record failed midway

    // One text to one recipient (already resolved to the form the gateway
    // takes), split into as many requests as needed. Returns how many
    // requests or hand-overs were started; the hand-overs are confirmed once
    // at the end. The single send's time-out runs while a request is out.
    int sendSingle(const QString& recipient, const Action& action);

    // A mass run over the entries (placeholders filled per entry), one entry
    // per turn of the event loop. False when one is already running.
    // False also when the record cannot take the run: then nothing is sent
    // and the user has been told why.
    bool startMass(const QList<SendRules::MassEntry>& entries, const Action& action);
    // Goes on with a recorded run that was interrupted: only the entries at
    // the given places of its snapshot, as part of the same recorded action.
    bool resumeMass(qint64 recordedAction, const QList<SendRules::MassEntry>& snapshot, const QList<int>& places,
                    const Action& action);
    // As the run log's "Abbrechen": nothing new goes out; what is walked from
    // now on is only counted. Requests already out are answered and logged.
    void cancelRun();
    // The program ends during a run: as a cancel, but the record keeps the
    // run open, so it is offered again at the next start.
    void interruptRun();
    bool runActive() const { return m_run.active; }

    // Nothing queued and nothing under way.
    bool isIdle() const;
    // The user answered No to sending without a sender name in this action.
    bool senderNameRefused() const { return m_senderAnswer.has_value() && !*m_senderAnswer; }

    // Hand-overs to the company server: counted per action, confirmed once.
    void countHandover() { ++m_handovers; }
    void confirmHandovers();

signals:
    void busyChanged(bool busy);
    // A single send's request was confirmed: the window empties the fields
    // that still hold what was sent. Emitted before the reply box.
    void singleAccepted(const QString& text, const QString& name, const QString& number);
    // A single send's reply is in and shown; the balance it changed can be fetched.
    void singleReplyHandled();
    // The header's notices: cleared after a confirmed send; a warning line.
    void headerCleared();
    void headerWarning(const QString& text);

    // A mass run: its start with the progress maximum, each step, each log
    // line (stamped, ending in CR LF, oldest first), its end with the counts.
    void runStarted(int progressMaximum);
    void runProgress(const SendSession::Progress& progress);
    void runLogLine(const QString& line);
    void runFinished(const QString& status, const SendOutcome::RunCounts& counts);

    // Every request (or company-server hand-over) of every action, as it
    // ended, with the gateway's reply or the reason it failed.
    void requestEnded(const QString& recipient, SendOutcome::Kind outcome, const QString& reply);
    // The last queued request has been answered (or has failed).
    void idle();
    // A send action is over: every request answered, hand-overs confirmed.
    void actionEnded();

private:
    struct Flight {
        Action action;
        QString recipient;
        bool mass = false;
        qint64 key = -1;       // in the record
        qint64 actionKey = -1; // in the record
        qint64 serial = 0;     // the send action it belongs to
        int entry = -1;        // the place in a run's snapshot
        int part = 0;          // of the entry's text, from 0
    };
    // A transfer component that carries one request of the session at a
    // time: the session's own (iNet) first, more for a run's window.
    struct Lane {
        Transfer* transfer = nullptr;
        std::optional<Flight> flight;
        // A run's next request, handed to the component to go the moment the
        // flight's answer is in (see stageNext).
        std::optional<Flight> staged;
    };
    struct Pending {
        QString url;
        QByteArray body;
        Flight flight;
    };
    struct Run {
        bool active = false;
        bool cancelled = false;
        bool interrupted = false;
        bool waitingForIdle = false;
        QList<SendRules::MassEntry> entries;
        QList<int> places; // the places of entries to walk, in order
        int next = 0;
        int window = 1; // requests under way at once
        SendOutcome::RunCounts counts;
    };

    void beginAction(const Action& action, bool mass);
    qint64 recordAction(const SendRecord::ActionInfo& info);
    bool startRun(const QList<SendRules::MassEntry>& snapshot, const QList<int>& places);
    int sendText(const QString& recipient, const QString& text, const QString& name, int entry = -1);
    bool submitMessage(const QString& recipient, const QString& text, const QString& name, int entry, int part);
    qint64 recordRequest(int entry, int part, const QString& recipient, const QString& name, const QString& text);
    void recordEnd(qint64 key, SendOutcome::Kind kind, const QString& reply);
    bool mayHandOver(qint64 key);
    void stopRunUnrecorded();
    void stageNext();
    void withdrawStaged();
    void endWithoutSending(const Flight& flight);
    void requestDone(const Flight& flight);
    void endRecordedAction(qint64 key, bool cancelled);
    void warnNotRecorded();
    bool senderNameConfirmed();
    void pump();
    bool mayGoNow(const Pending& pending) const;
    Lane* freeLane(bool mass);
    int flightsUnderWay() const;
    bool runHasRoom() const;
    void onStateChanged(int state);
    void onLaneStateChanged(Transfer* transfer, int state);
    void reportEnding(const Flight& flight, int state, const QString& response, int status, bool beforeSending);
    void onTimeout();
    void handleReply(const Flight& flight, const QString& response);
    void step();
    void onIdleForRun();
    void finishRun(const QString& status = {});

    Transfer* m_iNet;
    QTimer m_tm;
    int m_sendTimeoutMs = 60000;
    Action m_action;
    bool m_mass = false;
    SendRecord* m_record = nullptr;
    qint64 m_actionKey = -1;
    bool m_recordFailed = false;
    bool m_submitting = false;
    bool m_warnedNotRecorded = false;
    qint64 m_serial = 0;              // of the current send action
    QHash<qint64, int> m_outstanding; // requests not yet ended, per action serial
    std::optional<bool> m_senderAnswer;
    bool m_dropFailureShown = false;
    qint64 m_handovers = 0;
    QQueue<Pending> m_queue;
    QList<Lane> m_lanes; // the first is iNet's
    int m_window = 1;
    Run m_run;
};

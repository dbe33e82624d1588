#pragma once

#include "history/JournalWriter.h"
#include "messaging/SendRecord.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

// The send journal: every send action and every request of it, in an SQLite
// file in the user's data folder (WAL, readable by its owner only). Written
// as the send session goes: a request is stored as handed over before its
// bytes leave, so an interrupted mass run can be resumed without sending
// anything twice. Several instances of the program may share the file.
//
// The account password is never stored.
class SendJournal : public SendRecord {
public:
    // Request states as stored; what the history window shows and filters by.
    static constexpr const char* kQueued = "queued";
    static constexpr const char* kHandedOver = "handed_over";
    static constexpr const char* kConfirmed = "confirmed";
    static constexpr const char* kRefused = "refused";
    static constexpr const char* kNotSent = "not_sent";
    static constexpr const char* kNoAnswer = "no_answer";
    // Action states.
    static constexpr const char* kOpen = "open";
    static constexpr const char* kDone = "done";
    static constexpr const char* kCancelled = "cancelled";
    static constexpr const char* kDiscarded = "discarded";

    // An interrupted mass run, as offered for resuming.
    struct OpenRun {
        qint64 action = -1;
        QDateTime started;
        QString text;
        std::optional<CCronjob> schedule;
        QList<SendRules::MassEntry> entries; // the snapshot the run was started with
        QList<int> remaining;                // places never handed over, in order
        QList<int> noAnswer;                 // places handed over without an answer
        int handedOver = 0;                  // places handed over (any outcome)
    };

    explicit SendJournal(const QString& path = defaultPath());
    ~SendJournal() override;
    SendJournal(const SendJournal&) = delete;
    SendJournal& operator=(const SendJournal&) = delete;

    // "journal.sqlite" in the user's data folder ("Velvox" under
    // ~/.local/share), or in the folder set here
    // (tests give each run a folder of its own; empty: the user's again).
    static QString defaultPath();
    static void setDataDirectory(const QString& folder);

    // Opens (or creates) the file. A file that is not a sound journal is
    // moved aside ("journal.sqlite.defekt-<date>") and a new one started;
    // movedAsideTo() names it then. False when no journal could be opened:
    // lastError() says why.
    bool open();
    bool isOpen() const { return m_open; }
    QString movedAsideTo() const { return m_movedAside; }
    QString path() const { return m_path; }
    // The connection, for the history window's models (main thread only),
    // with all this process has logged in the tables.
    QSqlDatabase database();

    // Removes actions that ended more than the given days ago; returns how many.
    int removeOlderThan(int days, const QDateTime& now = QDateTime::currentDateTime());

    // The oldest interrupted mass run that no running instance owns.
    std::optional<OpenRun> unfinishedRun();
    // A mass run as it stands, whatever its state.
    std::optional<OpenRun> runOf(qint64 action);
    // Takes a run for this process: false when another running instance has
    // it. With reopen, also an ended run (to send entries again on purpose).
    bool claimRun(qint64 action, bool reopen = false);
    // "Verwerfen": the run is closed and never offered again.
    bool discardRun(qint64 action);

    // SendRecord
    qint64 actionStarted(const ActionInfo& info) override;
    qint64 requestQueued(const RequestInfo& info) override;
    // Safe from a transfer's worker thread, as the other request writes are.
    bool handingOver(qint64 request) override;
    void requestEnded(qint64 request, SendOutcome::Kind outcome, const QString& reply) override;
    void answerIn(qint64 request, SendOutcome::Kind outcome, const QString& reply) override;
    void actionEnded(qint64 action, bool cancelled) override;
    QString lastError() const override;

    // Writes the answers still held and takes the send log into the tables
    // (another connection reads the file).
    void flush();

    static const char* stateName(SendOutcome::Kind outcome);

private:
    bool openFile();
    bool createSchema();
    bool exec(const QString& sql);
    bool fail(const QString& what, const class QSqlError& error);
    bool ownedByLiveProcess(qint64 pid, const QString& host) const;
    QSqlDatabase connection() const;
    bool takeInLogs();

    QString m_path;
    QString m_connection;
    bool m_open = false;
    QString m_movedAside;
    QString m_error;
    // Requests and their answers: appended to a send log of this process's
    // own, which a transfer's thread may do, and taken into the tables a
    // moment later. A request costs no write while it waits in the queue;
    // answers go with the next hand-over's append (one append per message in
    // a run), or a moment later when none follows. A crash before that
    // leaves the request "handed over", which is never taken for unsent.
    JournalWriter m_writer;
    std::atomic<bool> m_writerFailed{false};
    QTimer m_flushTimer;
    std::atomic<qint64> m_nextKey{1};
};

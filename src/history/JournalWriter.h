#pragma once

#include "history/SendLog.h"
#include "messaging/SendRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct sqlite3;
struct sqlite3_stmt;

// The journal's writes on the send path: each request as it is handed over,
// and the answers. Safe from any thread: a run's next request is written
// down on the transfer's worker thread right before its bytes go, while the
// window thread writes the answers.
//
// A hand-over is one append to this process's send log (SendLog), which a
// thread of its own ("velvox-journal") takes into the tables a moment later,
// many records to a commit, on a connection of its own. A log left by a
// process that died is taken in by the next journal opened on the file,
// before it offers any run for resuming.
class JournalWriter {
public:
    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // On a journal whose tables exist; takes in the logs of processes that
    // are gone. False with error() set when it fails.
    bool open(const QString& path);
    void close();

    // A new action with its list snapshot, in one commit: its row, or -1.
    qint64 startAction(const SendRecord::ActionInfo& info, const char* kind, const QString& started, qint64 pid,
                       const QString& host);

    // A request waits in the send queue: nothing is written yet.
    void queued(qint64 key, const SendRecord::RequestInfo& info);
    // The answers held so far and this request as handed over, in one
    // append; at is the time stamp as stored.
    bool handingOver(qint64 key, const QByteArray& at);
    // Held until the next append (true), or the request never went: then its
    // queued details come back for the caller to note it as not sent.
    bool ended(qint64 key, const char* state, const QString& reply,
               std::optional<SendRecord::RequestInfo>* neverWent);
    // Appends the answers held. False with error() when that fails.
    bool flush();
    // flush(), and everything logged is in the tables when it returns.
    bool settle();
    // Takes in the logs of processes that are gone (another instance died
    // while this one ran). False when one of them could not be.
    bool takeInDeadLogs();

    QString error() const;

private:
    // Texts as SQLite takes them, made by whoever hands them in: the
    // hand-over itself only copies them.
    struct Waiting {
        qint64 action;
        int entry;
        int part;
        QByteArray recipient;
        QByteArray name;
        QByteArray text;
    };
    struct Out {
        qint64 action;
        int entry;
        int part;
    };
    bool prepare(sqlite3_stmt** statement, const char* sql);
    bool step(sqlite3_stmt* statement, const char* what);
    void setError(const QString& text);
    void rollback();
    // The records held, in one write, or none of them; on failure the held
    // bytes are cut back to keep.
    bool writeHeld(qsizetype keep);
    bool takeIn(const QList<SendLog::Record>& batch, const QString& log, qint64 upto); // under m_dbMutex
    bool takeInPending();                                          // under m_dbMutex
    void forget(const QString& log);                               // under m_dbMutex
    void folder();
    void finalizeAll();

    // The database: its connection and statements, and the order of what
    // goes into it.
    std::mutex m_dbMutex;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_begin = nullptr;
    sqlite3_stmt* m_commit = nullptr;
    sqlite3_stmt* m_rollback = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_update = nullptr;
    sqlite3_stmt* m_mark = nullptr;
    QString m_path;
    int m_walFrames = 0;

    // The log and the requests under way.
    mutable std::mutex m_mutex;
    SendLog::File m_log;
    QHash<qint64, Waiting> m_waiting;
    QHash<qint64, Out> m_out; // handed over, not yet ended
    QByteArray m_held;    // records made, not yet in the log
    QByteArray m_pending; // in the log, not yet in the tables: its end
    std::atomic<bool> m_takeInFailed{false};

    mutable std::mutex m_errorMutex;
    QString m_error;

    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    bool m_due = false;
    bool m_stop = false;
    std::thread m_folder;
};

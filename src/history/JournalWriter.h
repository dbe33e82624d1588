#pragma once

#include "messaging/SendRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct sqlite3;
struct sqlite3_stmt;

// The journal's writes on the send path: each request as it is handed over,
// and the answers. Safe from any thread: a run's next request is written
// down on the transfer's worker thread right before its bytes go, while the
// window thread writes the answers. One connection of its own, straight on
// SQLite: this write is the one thing between an answer and the next request.
//
// The write-ahead log is copied into the file on a thread of its own, so no
// writer waits for the disk.
class JournalWriter {
public:
    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // On a journal whose tables exist. False with error() set when it fails.
    bool open(const QString& path);
    void close();

    // A new action with its list snapshot, in one commit: its row, or -1.
    qint64 startAction(const SendRecord::ActionInfo& info, const char* kind, const QString& started, qint64 pid,
                       const QString& host);

    // A request waits in the send queue: nothing is written yet.
    void queued(qint64 key, const SendRecord::RequestInfo& info);
    // The answers held so far and this request as handed over, in one
    // commit; at is the time stamp as stored.
    bool handingOver(qint64 key, const QByteArray& at);
    // Held until the next commit (true), or the request never went: then its
    // queued details come back for the caller to note it as not sent.
    bool ended(qint64 key, const char* state, const QString& reply, int cost,
               std::optional<SendRecord::RequestInfo>* neverWent);
    // Writes the answers held. False with error() when that fails.
    bool flush();

    QString error() const;

private:
    // Texts as SQLite takes them, made by whoever hands them in: the
    // hand-over itself only binds them.
    struct Waiting {
        qint64 action;
        int entry;
        int part;
        QByteArray recipient;
        QByteArray name;
        QByteArray text;
    };
    struct HeldEnd {
        qint64 row;
        const char* state;
        QByteArray reply;
        int cost;
    };
    bool prepare(sqlite3_stmt** statement, const char* sql);
    bool step(sqlite3_stmt* statement, const char* what);
    bool writeHeld();
    void rollback();
    void checkpoints();
    static int onWal(void* self, sqlite3* db, const char* name, int frames);

    mutable std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_begin = nullptr;
    sqlite3_stmt* m_commit = nullptr;
    sqlite3_stmt* m_rollback = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_update = nullptr;
    QHash<qint64, Waiting> m_waiting;
    QHash<qint64, qint64> m_rows; // request key -> row, once written
    QList<HeldEnd> m_held;
    QString m_error;
    int m_copyAt = 500;  // pages in the log at which to ask for the next copy

    // The copier: its own connection, woken when the log has grown.
    std::mutex m_copyMutex;
    std::condition_variable m_copyWake;
    bool m_copyDue = false;
    bool m_copyStop = false;
    QString m_path;
    std::thread m_copier;
};

#include "history/JournalWriter.h"

#include "history/JournalErrors.h"

#include <pthread.h>
#include <sqlite3.h>

#include <utility>

namespace {

constexpr int kBusyTimeoutMs = 5000;
// Pages in the log before the copier copies them into the file, and before
// the writer copies what is left and the log starts again.
constexpr int kCopyAfterFrames = 500;
constexpr int kWriterCopiesFrames = 2000;

void bindText(sqlite3_stmt* s, int i, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// Bytes that stay put until the statement has run.
void bindUtf8(sqlite3_stmt* s, int i, const QByteArray& utf8) {
    sqlite3_bind_text(s, i, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
}

// A missing text as NULL, an empty one as empty.
void bindOptional(sqlite3_stmt* s, int i, const QString& text) {
    if (text.isNull())
        sqlite3_bind_null(s, i);
    else
        bindText(s, i, text);
}

// A statement used once, finalized however the scope is left.
struct OneOff {
    sqlite3_stmt* statement = nullptr;
    ~OneOff() { sqlite3_finalize(statement); }
};

} // namespace

JournalWriter::~JournalWriter() {
    close();
}

QString JournalWriter::error() const {
    std::lock_guard lock(m_mutex);
    return m_error;
}

bool JournalWriter::prepare(sqlite3_stmt** statement, const char* sql) {
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) == SQLITE_OK)
        return true;
    m_error = JournalErrors::text(QString::fromLatin1(sql), sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)));
    return false;
}

bool JournalWriter::step(sqlite3_stmt* statement, const char* what) {
    const int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW)
        return true;
    m_error = JournalErrors::text(QString::fromLatin1(what), rc, QString::fromUtf8(sqlite3_errstr(rc)));
    return false;
}

bool JournalWriter::open(const QString& path) {
    close();
    std::lock_guard lock(m_mutex);
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr) !=
        SQLITE_OK) {
        m_error = JournalErrors::text(QStringLiteral("open"), sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)));
        sqlite3_close(std::exchange(m_db, nullptr));
        return false;
    }
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // As the journal's other connection: a commit survives the program being
    // killed; the log is copied by the copier, not by whoever commits. No
    // key checks: this connection writes only rows of actions it has made.
    if (sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr) != SQLITE_OK ||
        !prepare(&m_begin, "BEGIN") || !prepare(&m_commit, "COMMIT") || !prepare(&m_rollback, "ROLLBACK") ||
        !prepare(&m_insert, "INSERT INTO requests (action_id, place, part, at, recipient, name, text, state)"
                            " VALUES (?, ?, ?, ?, ?, ?, ?, 'handed_over')") ||
        !prepare(&m_update, "UPDATE requests SET state = ?, reply = ?, cost = ? WHERE id = ?")) {
        if (m_error.isEmpty())
            m_error = JournalErrors::text(QStringLiteral("open"), sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)));
        for (sqlite3_stmt* s : {m_begin, m_commit, m_rollback, m_insert, m_update})
            sqlite3_finalize(s);
        m_begin = m_commit = m_rollback = m_insert = m_update = nullptr;
        sqlite3_close(std::exchange(m_db, nullptr));
        return false;
    }
    sqlite3_wal_hook(m_db, &JournalWriter::onWal, this);
    m_path = path;
    m_copyStop = false;
    m_copier = std::thread([this] { checkpoints(); });
    return true;
}

void JournalWriter::close() {
    if (m_copier.joinable()) {
        {
            std::lock_guard lock(m_copyMutex);
            m_copyStop = true;
        }
        m_copyWake.notify_all();
        m_copier.join();
    }
    flush();
    std::lock_guard lock(m_mutex);
    if (!m_db)
        return;
    for (sqlite3_stmt* s : {m_begin, m_commit, m_rollback, m_insert, m_update})
        sqlite3_finalize(s);
    m_begin = m_commit = m_rollback = m_insert = m_update = nullptr;
    sqlite3_close(std::exchange(m_db, nullptr));
    m_waiting.clear();
    m_rows.clear();
    m_held.clear();
}

int JournalWriter::onWal(void* self, sqlite3* db, const char*, int frames) {
    // Called after a commit, under the writer's lock. The copier copies the
    // log into the file as it grows, with the disk syncs, while this
    // connection goes on writing; but the log only starts again from its
    // beginning once a copy has caught up with the last commit, which one
    // running beside the writer never does. So when the log has grown long,
    // the writer copies the little that is left itself.
    auto* w = static_cast<JournalWriter*>(self);
    if (frames >= kWriterCopiesFrames) {
        sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
        w->m_copyAt = kCopyAfterFrames;
        return SQLITE_OK;
    }
    if (frames < w->m_copyAt - kCopyAfterFrames) // the log started again from its beginning
        w->m_copyAt = kCopyAfterFrames;
    if (frames < w->m_copyAt)
        return SQLITE_OK;
    // Once per so many new pages: a copy is not asked for after every commit.
    w->m_copyAt = frames + kCopyAfterFrames;
    {
        std::lock_guard lock(w->m_copyMutex);
        w->m_copyDue = true;
    }
    w->m_copyWake.notify_one();
    return SQLITE_OK;
}

void JournalWriter::checkpoints() {
    pthread_setname_np(pthread_self(), "velvox-journal");
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(m_path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    }
    for (;;) {
        {
            std::unique_lock lock(m_copyMutex);
            m_copyWake.wait(lock, [this] { return m_copyDue || m_copyStop; });
            if (m_copyStop)
                break;
            m_copyDue = false;
        }
        // Passive: never waits for a reader or the writer; what it cannot
        // copy now goes the next time.
        if (db)
            sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    }
    sqlite3_close(db);
}

qint64 JournalWriter::startAction(const SendRecord::ActionInfo& info, const char* kind, const QString& started,
                                  qint64 pid, const QString& host) {
    std::lock_guard lock(m_mutex);
    if (!m_db)
        return -1;
    // A run's list goes in with its action or not at all; 10,000 entries are
    // one commit, written straight, not through the driver's bindings.
    OneOff action;
    OneOff entry;
    if (!prepare(&action.statement, "INSERT INTO actions (kind, started, state, text, recipient, name, schedule_start,"
                                    " schedule_cron, schedule_end, entries, owner_pid, owner_host)"
                                    " VALUES (?, ?, 'open', ?, ?, ?, ?, ?, ?, ?, ?, ?)") ||
        !prepare(&entry.statement, "INSERT INTO entries (action_id, place, name, number, frei1, frei2)"
                                   " VALUES (?, ?, ?, ?, ?, ?)") ||
        !step(m_begin, "begin"))
        return -1;
    sqlite3_stmt* a = action.statement;
    sqlite3_bind_text(a, 1, kind, -1, SQLITE_STATIC);
    bindText(a, 2, started);
    bindText(a, 3, info.text); // an empty text as one, not as NULL
    bindOptional(a, 4, info.recipient);
    bindOptional(a, 5, info.name);
    bindOptional(a, 6, info.schedule ? info.schedule->StartTime : QString());
    bindOptional(a, 7, info.schedule ? info.schedule->CronString : QString());
    bindOptional(a, 8, info.schedule ? info.schedule->EndTime : QString());
    sqlite3_bind_int(a, 9, int(info.entries.size()));
    sqlite3_bind_int64(a, 10, pid);
    bindText(a, 11, host);
    if (!step(a, "insert action")) {
        rollback();
        return -1;
    }
    const qint64 row = sqlite3_last_insert_rowid(m_db);
    sqlite3_stmt* e = entry.statement;
    for (qsizetype i = 0; i < info.entries.size(); ++i) {
        const SendRules::MassEntry& m = info.entries.at(i);
        sqlite3_bind_int64(e, 1, row);
        sqlite3_bind_int(e, 2, int(i));
        bindOptional(e, 3, m.name);
        bindOptional(e, 4, m.number);
        bindOptional(e, 5, m.frei1);
        bindOptional(e, 6, m.frei2);
        if (!step(e, "insert entry")) {
            rollback();
            return -1;
        }
    }
    if (!step(m_commit, "commit")) {
        rollback();
        return -1;
    }
    return row;
}

void JournalWriter::queued(qint64 key, const SendRecord::RequestInfo& info) {
    Waiting w{info.action, info.entry, info.part, info.recipient.toUtf8(), info.name.toUtf8(), info.text.toUtf8()};
    std::lock_guard lock(m_mutex);
    m_waiting.insert(key, std::move(w));
}

bool JournalWriter::writeHeld() {
    for (const HeldEnd& e : std::as_const(m_held)) {
        sqlite3_bind_text(m_update, 1, e.state, -1, SQLITE_STATIC);
        bindUtf8(m_update, 2, e.reply);
        if (e.cost >= 0)
            sqlite3_bind_int(m_update, 3, e.cost);
        else
            sqlite3_bind_null(m_update, 3);
        sqlite3_bind_int64(m_update, 4, e.row);
        if (!step(m_update, "end request"))
            return false;
    }
    return true;
}

void JournalWriter::rollback() {
    if (!sqlite3_get_autocommit(m_db))
        step(m_rollback, "rollback");
}

bool JournalWriter::handingOver(qint64 key, const QByteArray& at) {
    std::lock_guard lock(m_mutex);
    const auto it = m_waiting.constFind(key);
    if (!m_db || it == m_waiting.constEnd())
        return false;
    const Waiting& info = it.value();
    if (!step(m_begin, "begin"))
        return false;
    if (!writeHeld()) {
        rollback();
        return false;
    }
    sqlite3_bind_int64(m_insert, 1, info.action);
    sqlite3_bind_int(m_insert, 2, info.entry);
    sqlite3_bind_int(m_insert, 3, info.part);
    bindUtf8(m_insert, 4, at);
    bindUtf8(m_insert, 5, info.recipient);
    bindUtf8(m_insert, 6, info.name);
    bindUtf8(m_insert, 7, info.text);
    if (!step(m_insert, "insert request")) {
        rollback();
        return false;
    }
    const qint64 row = sqlite3_last_insert_rowid(m_db);
    if (!step(m_commit, "commit")) {
        rollback();
        return false;
    }
    // Only now are the answers on record: a failed commit keeps them held.
    m_held.clear();
    m_rows.insert(key, row);
    m_waiting.erase(it);
    return true;
}

bool JournalWriter::ended(qint64 key, const char* state, const QString& reply, int cost,
                          std::optional<SendRecord::RequestInfo>* neverWent) {
    QByteArray utf8 = reply.toUtf8();
    std::lock_guard lock(m_mutex);
    const auto row = m_rows.constFind(key);
    if (row != m_rows.constEnd()) {
        m_held.append({row.value(), state, std::move(utf8), cost});
        m_rows.erase(row);
        return true;
    }
    const auto waiting = m_waiting.constFind(key);
    if (waiting != m_waiting.constEnd()) {
        const Waiting& w = waiting.value();
        *neverWent = SendRecord::RequestInfo{w.action, w.entry, w.part, QString::fromUtf8(w.recipient),
                                             QString::fromUtf8(w.name), QString::fromUtf8(w.text)};
        m_waiting.erase(waiting);
    }
    return false;
}

bool JournalWriter::flush() {
    std::lock_guard lock(m_mutex);
    if (!m_db || m_held.isEmpty())
        return true;
    if (!step(m_begin, "begin"))
        return false;
    if (!writeHeld()) {
        rollback();
        return false;
    }
    if (!step(m_commit, "commit")) {
        rollback();
        return false;
    }
    m_held.clear();
    return true;
}

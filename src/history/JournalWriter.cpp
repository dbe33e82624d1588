#include "history/JournalWriter.h"

#include "history/JournalErrors.h"

#include <sqlite3.h>

#include <utility>

namespace {

constexpr int kBusyTimeoutMs = 5000;
// Pages in the log before it is copied into the file (SQLite's own default).
constexpr int kCopyAfterFrames = 1000;

void bindText(sqlite3_stmt* s, int i, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

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
    // killed; the log is copied by the copier, not by whoever commits.
    if (sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr) != SQLITE_OK ||
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

int JournalWriter::onWal(void* self, sqlite3*, const char*, int frames) {
    if (frames < kCopyAfterFrames)
        return SQLITE_OK;
    auto* w = static_cast<JournalWriter*>(self);
    {
        std::lock_guard lock(w->m_copyMutex);
        w->m_copyDue = true;
    }
    w->m_copyWake.notify_one();
    return SQLITE_OK;
}

void JournalWriter::checkpoints() {
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

void JournalWriter::queued(qint64 key, const SendRecord::RequestInfo& info) {
    std::lock_guard lock(m_mutex);
    m_waiting.insert(key, info);
}

bool JournalWriter::hasHeld() const {
    std::lock_guard lock(m_mutex);
    return !m_held.isEmpty();
}

bool JournalWriter::writeHeld() {
    for (const HeldEnd& e : std::as_const(m_held)) {
        bindText(m_update, 1, e.state);
        bindText(m_update, 2, e.reply);
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

bool JournalWriter::handingOver(qint64 key, const QString& at) {
    std::lock_guard lock(m_mutex);
    const auto it = m_waiting.constFind(key);
    if (!m_db || it == m_waiting.constEnd())
        return false;
    const SendRecord::RequestInfo& info = it.value();
    if (!step(m_begin, "begin"))
        return false;
    if (!writeHeld()) {
        rollback();
        return false;
    }
    sqlite3_bind_int64(m_insert, 1, info.action);
    sqlite3_bind_int(m_insert, 2, info.entry);
    sqlite3_bind_int(m_insert, 3, info.part);
    bindText(m_insert, 4, at);
    bindText(m_insert, 5, info.recipient);
    bindText(m_insert, 6, info.name);
    bindText(m_insert, 7, info.text);
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

bool JournalWriter::ended(qint64 key, const QString& state, const QString& reply, int cost,
                          std::optional<SendRecord::RequestInfo>* neverWent) {
    std::lock_guard lock(m_mutex);
    const auto row = m_rows.constFind(key);
    if (row != m_rows.constEnd()) {
        m_held.append({row.value(), state, reply, cost});
        m_rows.erase(row);
        return true;
    }
    const auto waiting = m_waiting.constFind(key);
    if (waiting != m_waiting.constEnd()) {
        *neverWent = waiting.value();
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

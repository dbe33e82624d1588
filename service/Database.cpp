#include "Database.h"

#include "Schema.h"

#include <sqlite3.h>

Statement::Statement(Statement&& other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt) {
    other.m_stmt = nullptr;
}

Statement::~Statement() {
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

Statement& Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
    if (sqlite3_bind_text(m_stmt, index, text.data(), int(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        m_db->fail("bind");
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK)
        m_db->fail("bind");
    return *this;
}

Statement& Statement::bindBlob(int index, std::string_view bytes) {
    // A zero-length blob still has to be a blob, not NULL.
    static const char empty = 0;
    const void* data = bytes.empty() ? &empty : bytes.data();
    if (sqlite3_bind_blob(m_stmt, index, data, int(bytes.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        m_db->fail("bind");
    return *this;
}

Statement& Statement::bindNull(int index) {
    if (sqlite3_bind_null(m_stmt, index) != SQLITE_OK)
        m_db->fail("bind");
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db->fail("step");
}

void Statement::run() {
    while (step()) {
    }
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string Statement::text(int column) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return p ? std::string(p, std::size_t(sqlite3_column_bytes(m_stmt, column))) : std::string();
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

Database::Database(const std::string& path) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DatabaseError("cannot open " + path + ": " + message);
    }
    // Another connection (a test, the sqlite3 shell) may read or write the
    // file while the service runs: WAL lets readers in, the busy time-out
    // makes writers wait instead of failing.
    sqlite3_busy_timeout(m_db, 5000);
    try {
        exec("PRAGMA journal_mode = WAL");
        exec("PRAGMA synchronous = NORMAL");
        exec("PRAGMA foreign_keys = ON");
        applySchema(*this);
    } catch (...) {
        close();
        throw;
    }
}

Database::~Database() {
    close();
}

void Database::close() {
    for (auto& [sql, stmt] : m_cache)
        sqlite3_finalize(stmt);
    m_cache.clear();
    sqlite3_close(m_db);
    m_db = nullptr;
}

Statement Database::prepare(std::string_view sql) {
    auto it = m_cache.find(sql);
    if (it == m_cache.end()) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v3(m_db, sql.data(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                               nullptr) != SQLITE_OK)
            fail("prepare");
        it = m_cache.emplace(std::string(sql), stmt).first;
    }
    return Statement(*this, it->second);
}

void Database::exec(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw DatabaseError(std::string("SQL failed: ") + text);
    }
}

std::int64_t Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const {
    return sqlite3_changes(m_db);
}

int Database::userVersion() {
    Statement s = prepare("PRAGMA user_version");
    return s.step() ? int(s.integer(0)) : 0;
}

void Database::fail(const char* what) const {
    throw DatabaseError(std::string("SQLite ") + what + ": " + sqlite3_errmsg(m_db));
}

Transaction::Transaction(Database& db) : m_db(db) {
    m_db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!m_done) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const DatabaseError&) {
            // Nothing left to undo: SQLite already rolled back on its own.
        }
    }
}

void Transaction::commit() {
    m_db.exec("COMMIT");
    m_done = true;
}

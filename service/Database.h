#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Database;

// One prepared statement, taken from the connection's cache; it is reset and
// its bindings cleared when this object goes. Parameters are numbered from 1,
// columns from 0. Text is UTF-8. The cache holds one compiled statement per
// SQL text, so only one Statement of the same text may be alive at a time.
class Statement {
public:
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, const char* text) { return bind(index, std::string_view(text)); }
    Statement& bind(int index, const std::string& text) { return bind(index, std::string_view(text)); }
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, std::int64_t(value)); }
    Statement& bind(int index, bool value) { return bind(index, std::int64_t(value ? 1 : 0)); }
    Statement& bindBlob(int index, std::string_view bytes);
    Statement& bindNull(int index);

    // Binds the values to parameters 1, 2, ... in order.
    template <class... Values> Statement& bindAll(const Values&... values) {
        int index = 0;
        (bind(++index, values), ...);
        return *this;
    }

    // Makes the statement ready to run again with new bindings.
    Statement& reset();

    // Advances to the next row; false when there is none.
    bool step();
    // Steps until done (for statements that return no rows).
    void run();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    bool isNull(int column) const;

private:
    friend class Database;
    Statement(Database& db, sqlite3_stmt* stmt) : m_db(&db), m_stmt(stmt) {}

    Database* m_db;
    sqlite3_stmt* m_stmt;
};

// The service's one SQLite connection. cpp-httplib answers on a pool of
// threads; they take turns through lock(), which every use of the connection
// must hold. All SQL that carries a request's values goes through prepared
// statements.
class Database {
public:
    // Opens (creating if needed) the file and brings its schema up to date.
    // Throws DatabaseError.
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    [[nodiscard]] std::unique_lock<std::mutex> lock() { return std::unique_lock<std::mutex>(m_mutex); }

    Statement prepare(std::string_view sql);
    // Runs SQL without parameters (schema, pragmas, transactions).
    void exec(const char* sql);

    std::int64_t lastInsertId() const;
    int changes() const;
    int userVersion();

    sqlite3* handle() const { return m_db; }
    [[noreturn]] void fail(const char* what) const;

private:
    void close();

    sqlite3* m_db = nullptr;
    std::mutex m_mutex;
    std::map<std::string, sqlite3_stmt*, std::less<>> m_cache;
};

// BEGIN IMMEDIATE on creation, ROLLBACK unless commit() ran. Taking the write
// lock up front keeps a check-then-charge sequence atomic even against a
// second connection (tests may write to the file).
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

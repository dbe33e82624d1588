#include "history/JournalWriter.h"

#include "history/JournalErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>
#include <sqlite3.h>

#include <chrono>
#include <utility>

namespace {

constexpr int kBusyTimeoutMs = 5000;
// How long the records of a run gather before they go into the tables in
// one commit, and how soon a commit that failed is tried again.
constexpr auto kGather = std::chrono::milliseconds(50);
constexpr auto kRetry = std::chrono::seconds(1);
// Pages in the write-ahead log before they are copied into the file, so the
// log starts again from its beginning instead of growing with the run.
constexpr int kCopyAfterFrames = 1000;
// A log taken in whole is replaced by a new one past this size.
constexpr qint64 kNewLogAfterBytes = 4 * 1024 * 1024;

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

// "Abgebuchte Credits: 10" in a reply; -1 when it names none.
int chargedCredits(const QByteArray& utf8) {
    // The first mention followed by a number; up to nine digits of it.
    static const QByteArray charged("Abgebuchte Credits:");
    for (qsizetype at = utf8.indexOf(charged); at >= 0; at = utf8.indexOf(charged, at + 1)) {
        qsizetype i = at + charged.size();
        while (i < utf8.size() && (utf8.at(i) == ' ' || (utf8.at(i) >= '\t' && utf8.at(i) <= '\r')))
            ++i;
        int value = 0;
        int digits = 0;
        for (; i < utf8.size() && digits < 9 && utf8.at(i) >= '0' && utf8.at(i) <= '9'; ++i, ++digits)
            value = value * 10 + (utf8.at(i) - '0');
        if (digits > 0)
            return value;
    }
    return -1;
}

// The charge a reply names, or NULL.
void bindCost(sqlite3_stmt* s, int i, const QByteArray& reply) {
    const int cost = chargedCredits(reply);
    if (cost >= 0)
        sqlite3_bind_int(s, i, cost);
    else
        sqlite3_bind_null(s, i);
}

// A statement used once, finalized however the scope is left.
struct OneOff {
    sqlite3_stmt* statement = nullptr;
    ~OneOff() { sqlite3_finalize(statement); }
};

int countFrames(void* frames, sqlite3*, const char*, int n) {
    *static_cast<int*>(frames) = n;
    return SQLITE_OK;
}

} // namespace

JournalWriter::~JournalWriter() {
    close();
}

QString JournalWriter::error() const {
    std::lock_guard lock(m_errorMutex);
    return m_error;
}

void JournalWriter::setError(const QString& text) {
    std::lock_guard lock(m_errorMutex);
    m_error = text;
}

bool JournalWriter::prepare(sqlite3_stmt** statement, const char* sql) {
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) == SQLITE_OK)
        return true;
    setError(JournalErrors::text(QString::fromLatin1(sql), sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db))));
    return false;
}

bool JournalWriter::step(sqlite3_stmt* statement, const char* what) {
    const int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW)
        return true;
    setError(JournalErrors::text(QString::fromLatin1(what), rc, QString::fromUtf8(sqlite3_errstr(rc))));
    return false;
}

void JournalWriter::rollback() {
    if (!sqlite3_get_autocommit(m_db))
        step(m_rollback, "rollback");
}

void JournalWriter::finalizeAll() {
    for (sqlite3_stmt* s : {m_begin, m_commit, m_rollback, m_insert, m_update, m_mark})
        sqlite3_finalize(s);
    m_begin = m_commit = m_rollback = m_insert = m_update = m_mark = nullptr;
    sqlite3_close(std::exchange(m_db, nullptr));
}

bool JournalWriter::open(const QString& path) {
    close();
    {
        std::lock_guard lock(m_dbMutex);
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX,
                            nullptr) != SQLITE_OK) {
            setError(JournalErrors::text(QStringLiteral("open"), sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db))));
            sqlite3_close(std::exchange(m_db, nullptr));
            return false;
        }
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        // As the journal's other connection: a commit survives the program
        // being killed. No key checks: this connection writes only rows of
        // actions that exist.
        if (sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr) != SQLITE_OK ||
            !prepare(&m_begin, "BEGIN IMMEDIATE") || !prepare(&m_commit, "COMMIT") || !prepare(&m_rollback, "ROLLBACK") ||
            !prepare(&m_insert, "INSERT INTO requests (action_id, place, part, at, recipient, name, text, state, reply,"
                                " cost) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)") ||
            // An answer belongs to the latest request of its part still
            // under way: a part sent again on purpose is a new request.
            !prepare(&m_update, "UPDATE requests SET state = ?, reply = ?, cost = ? WHERE id = (SELECT MAX(id) FROM"
                                " requests WHERE action_id = ? AND place = ? AND part = ? AND state = 'handed_over')") ||
            !prepare(&m_mark, "INSERT OR REPLACE INTO sendlogs (log, upto) VALUES (?, ?)")) {
            if (error().isEmpty())
                setError(JournalErrors::text(QStringLiteral("open"), sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db))));
            finalizeAll();
            return false;
        }
        m_walFrames = 0;
        sqlite3_wal_hook(m_db, &countFrames, &m_walFrames);
        m_path = path;
    }
    if (!takeInDeadLogs()) {
        std::lock_guard lock(m_dbMutex);
        finalizeAll();
        return false;
    }
    m_stop = false;
    m_due = false;
    m_takeInFailed = false;
    m_folder = std::thread([this] { folder(); });
    return true;
}

void JournalWriter::close() {
    if (m_folder.joinable()) {
        {
            std::lock_guard lock(m_wakeMutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_folder.join();
    }
    std::lock_guard db(m_dbMutex);
    if (!m_db)
        return;
    const bool written = flush();
    const bool taken = takeInPending();
    std::lock_guard lock(m_mutex);
    // Once all of it is in the tables the log goes; otherwise it stays for
    // the next journal opened on the file to take in.
    if (written && taken && m_log.isOpen()) {
        const QString log = m_log.name();
        m_log.remove();
        forget(log);
    }
    m_log.close();
    finalizeAll();
    m_waiting.clear();
    m_out.clear();
    m_held.clear();
    m_pending.clear();
}

void JournalWriter::folder() {
    pthread_setname_np(pthread_self(), "velvox-journal");
    // Background work: the send path and the window go first; what waits is
    // in the log already.
    setpriority(PRIO_PROCESS, pid_t(gettid()), 10);
    for (;;) {
        std::unique_lock lock(m_wakeMutex);
        if (m_takeInFailed)
            m_wake.wait_for(lock, kRetry, [this] { return m_stop; });
        else
            m_wake.wait(lock, [this] { return m_due || m_stop; });
        if (m_stop)
            break;
        // A moment for the run's next records: many to one commit.
        m_wake.wait_for(lock, kGather, [this] { return m_stop; });
        if (m_stop)
            break; // close() takes in what is left
        m_due = false;
        lock.unlock();
        std::lock_guard db(m_dbMutex);
        takeInPending();
    }
}

qint64 JournalWriter::startAction(const SendRecord::ActionInfo& info, const char* kind, const QString& started,
                                  qint64 pid, const QString& host) {
    std::lock_guard lock(m_dbMutex);
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

bool JournalWriter::writeHeld(qsizetype keep) {
    const auto failed = [this, keep] {
        // Nothing of it is in the log: what was held before stays held.
        m_held.truncate(keep);
        return false;
    };
    if (!m_log.isOpen() && !m_log.create(m_path)) {
        setError(JournalErrors::text(QStringLiteral("log"), m_log.errorCode(), {}));
        return failed();
    }
    if (!m_log.append(m_held)) {
        setError(JournalErrors::text(QStringLiteral("log"), m_log.errorCode(), {}));
        return failed();
    }
    const bool wake = m_pending.isEmpty();
    m_pending.append(m_held);
    m_held.resize(0); // keeps its room
    if (wake) {
        {
            std::lock_guard lock(m_wakeMutex);
            m_due = true;
        }
        m_wake.notify_one();
    }
    return true;
}

bool JournalWriter::handingOver(qint64 key, const QByteArray& at) {
    std::lock_guard lock(m_mutex);
    const auto it = m_waiting.constFind(key);
    // While the tables take nothing in, nothing new goes out: the run stops
    // and says why. What is logged stays in the log.
    if (it == m_waiting.constEnd() || m_takeInFailed)
        return false;
    const Waiting& w = it.value();
    const qsizetype held = m_held.size();
    SendLog::encodeHandedOver(m_held, w.action, w.entry, w.part, at, w.recipient, w.name, w.text);
    if (!writeHeld(held))
        return false;
    m_out.insert(key, {w.action, w.entry, w.part});
    m_waiting.erase(it);
    return true;
}

bool JournalWriter::ended(qint64 key, const char* state, const QString& reply,
                          std::optional<SendRecord::RequestInfo>* neverWent) {
    std::lock_guard lock(m_mutex);
    const auto out = m_out.constFind(key);
    if (out != m_out.constEnd()) {
        SendLog::encodeEnded(m_held, out->action, out->entry, out->part, QByteArray::fromRawData(state, qstrlen(state)),
                             reply.toUtf8());
        m_out.erase(out);
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
    return m_held.isEmpty() || writeHeld(m_held.size());
}

bool JournalWriter::settle() {
    const bool written = flush();
    std::lock_guard db(m_dbMutex);
    return takeInPending() && written;
}

bool JournalWriter::takeInPending() {
    QByteArray bytes;
    QString log;
    qint64 upto = 0;
    {
        std::lock_guard lock(m_mutex);
        bytes.swap(m_pending);
        log = m_log.name();
        upto = m_log.size();
    }
    if (bytes.isEmpty())
        return !m_takeInFailed;
    qint64 used = 0;
    if (!takeIn(SendLog::decode(bytes, &used), log, upto)) {
        std::lock_guard lock(m_mutex);
        m_pending.prepend(bytes);
        m_takeInFailed = true;
        return false;
    }
    m_takeInFailed = false;
    bool replaced = false;
    {
        // All of a long log is in the tables: the next record starts a new one.
        std::lock_guard lock(m_mutex);
        if (m_pending.isEmpty() && m_log.size() >= kNewLogAfterBytes) {
            m_log.remove();
            replaced = true;
        }
    }
    if (replaced)
        forget(log);
    return true;
}

bool JournalWriter::takeIn(const QList<SendLog::Record>& batch, const QString& log, qint64 upto) {
    if (!m_db) {
        setError(JournalErrors::notOpenText());
        return false;
    }
    if (batch.isEmpty())
        return true;
    // Most answers come in the same batch as their request: the row goes in
    // once, with its outcome, instead of going in and being changed.
    QList<const SendLog::Record*> answerOf(batch.size(), nullptr);
    QList<bool> taken(batch.size(), false);
    {
        QHash<std::pair<qint64, qint64>, qsizetype> open;
        for (qsizetype i = 0; i < batch.size(); ++i) {
            const SendLog::Record& r = batch.at(i);
            const std::pair<qint64, qint64> part{r.action, (qint64(r.place) << 32) | quint32(r.part)};
            if (r.kind == SendLog::Record::Kind::HandedOver) {
                open.insert(part, i);
                continue;
            }
            const auto it = open.constFind(part);
            if (it == open.constEnd())
                continue;
            answerOf[it.value()] = &r;
            taken[i] = true;
            open.erase(it);
        }
    }
    if (!step(m_begin, "begin"))
        return false;
    for (qsizetype i = 0; i < batch.size(); ++i) {
        if (taken.at(i))
            continue;
        const SendLog::Record& r = batch.at(i);
        bool ok = false;
        if (r.kind == SendLog::Record::Kind::HandedOver) {
            const SendLog::Record* answer = answerOf.at(i);
            sqlite3_bind_int64(m_insert, 1, r.action);
            sqlite3_bind_int(m_insert, 2, r.place);
            sqlite3_bind_int(m_insert, 3, r.part);
            bindUtf8(m_insert, 4, r.at);
            bindUtf8(m_insert, 5, r.recipient);
            bindUtf8(m_insert, 6, r.name);
            bindUtf8(m_insert, 7, r.text);
            if (answer) {
                bindUtf8(m_insert, 8, answer->state);
                bindUtf8(m_insert, 9, answer->reply);
                bindCost(m_insert, 10, answer->reply);
            } else {
                sqlite3_bind_text(m_insert, 8, "handed_over", -1, SQLITE_STATIC);
                sqlite3_bind_null(m_insert, 9);
                sqlite3_bind_null(m_insert, 10);
            }
            ok = step(m_insert, "insert request");
        } else {
            bindUtf8(m_update, 1, r.state);
            bindUtf8(m_update, 2, r.reply);
            bindCost(m_update, 3, r.reply);
            sqlite3_bind_int64(m_update, 4, r.action);
            sqlite3_bind_int(m_update, 5, r.place);
            sqlite3_bind_int(m_update, 6, r.part);
            ok = step(m_update, "end request");
        }
        if (!ok) {
            rollback();
            return false;
        }
    }
    // How far the log is in, in the same commit: taken in twice, nothing.
    const QByteArray name = log.toUtf8();
    bindUtf8(m_mark, 1, name);
    sqlite3_bind_int64(m_mark, 2, upto);
    if (!step(m_mark, "log mark") || !step(m_commit, "commit")) {
        rollback();
        return false;
    }
    if (m_walFrames >= kCopyAfterFrames) {
        // Passive: never waits for a reader; what it cannot copy now goes next time.
        sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
        m_walFrames = 0;
    }
    return true;
}
void JournalWriter::forget(const QString& log) {
    OneOff remove;
    if (!m_db || !prepare(&remove.statement, "DELETE FROM sendlogs WHERE log = ?"))
        return;
    const QByteArray name = log.toUtf8();
    bindUtf8(remove.statement, 1, name);
    step(remove.statement, "forget log");
}

bool JournalWriter::takeInDeadLogs() {
    const QFileInfo journal(m_path);
    const QDir folder = journal.absoluteDir();
    const QString prefix = SendLog::prefixFor(m_path);
    std::lock_guard db(m_dbMutex);
    if (!m_db)
        return false;
    QString own;
    {
        std::lock_guard lock(m_mutex);
        own = m_log.name();
    }
    for (const QString& name : folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        if (name == own)
            continue;
        SendLog::File dead;
        if (!dead.takeOver(folder.filePath(name)))
            continue; // its writer lives, or another instance took it in
        OneOff mark;
        if (!prepare(&mark.statement, "SELECT upto FROM sendlogs WHERE log = ?"))
            return false;
        const QByteArray utf8 = name.toUtf8();
        bindUtf8(mark.statement, 1, utf8);
        const qint64 upto = sqlite3_step(mark.statement) == SQLITE_ROW ? sqlite3_column_int64(mark.statement, 0) : 0;
        sqlite3_reset(mark.statement);
        qint64 used = 0;
        const QList<SendLog::Record> batch = SendLog::decode(dead.readFrom(upto), &used);
        if (!takeIn(batch, name, upto + used))
            return false; // left as it is, for the next try
        dead.remove();
        forget(name);
    }
    // Marks of logs that are gone (removed before their mark was).
    OneOff marks;
    if (!prepare(&marks.statement, "SELECT log FROM sendlogs"))
        return false;
    QStringList gone;
    while (sqlite3_step(marks.statement) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(marks.statement, 0)));
        if (!folder.exists(name))
            gone.append(name);
    }
    for (const QString& name : gone)
        forget(name);
    return true;
}

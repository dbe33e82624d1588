#include "history/SendJournal.h"

#include "history/JournalErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUuid>
#include <QVariant>

#include <csignal>
#include <cerrno>
#include <sys/types.h>
#include <unistd.h>

namespace {

// Several instances write the same file: each waits this long for the
// other's short transactions before a write counts as failed.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kSchemaVersion = 2;
// How long an answer may wait for a hand-over to take it into the file.
constexpr int kHoldAnswersMs = 50;

QString stamp(const QDateTime& t) {
    return t.toString(Qt::ISODateWithMs);
}

// Now, in local time, as stamp() writes it. Asking for local time looks up
// the time zone each time, which cost more than the write itself in a run:
// the offset is taken once a second and added to the clock, and the text up
// to the seconds is made once a second.
QByteArray nowStamp() {
    // Per thread: a run's hand-overs are stamped on the transfer's thread.
    thread_local QElapsedTimer since;
    thread_local qint64 offsetMs = 0;
    thread_local qint64 second = -1;
    thread_local QByteArray upToSeconds;
    if (!since.isValid() || since.elapsed() >= 1000) {
        offsetMs = qint64(QDateTime::currentDateTime().offsetFromUtc()) * 1000;
        since.start();
    }
    const qint64 local = QDateTime::currentMSecsSinceEpoch() + offsetMs;
    const qint64 s = local / 1000;
    if (s != second) {
        second = s;
        upToSeconds = QDateTime::fromMSecsSinceEpoch(s * 1000, Qt::UTC)
                          .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss."))
                          .toLatin1();
    }
    const int ms = int(local % 1000);
    QByteArray out = upToSeconds;
    out.append(char('0' + ms / 100)).append(char('0' + ms / 10 % 10)).append(char('0' + ms % 10));
    return out;
}

QString hostName() {
    return QSysInfo::machineHostName();
}

} // namespace

SendJournal::SendJournal(const QString& path)
    : m_path(path), m_connection(QStringLiteral("journal-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kHoldAnswersMs);
    QObject::connect(&m_flushTimer, &QTimer::timeout, &m_flushTimer, [this] {
        if (m_open && !m_writer.flush())
            m_writerFailed = true;
    });
}

SendJournal::~SendJournal() {
    m_writer.close();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

namespace {
QString& dataDirectory() {
    static QString folder;
    return folder;
}
} // namespace

void SendJournal::setDataDirectory(const QString& folder) {
    dataDirectory() = folder;
}

QString SendJournal::defaultPath() {
    // One folder for the window and the command-line sender, whichever
    // program name the process has: they share one journal.
    const QString folder =
        dataDirectory().isEmpty()
            ? QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("Velvox"))
            : dataDirectory();
    return QDir(folder).filePath(QStringLiteral("journal.sqlite"));
}

QSqlDatabase SendJournal::database() {
    // What this process logged is read back from the tables.
    if (m_open && !m_writer.settle())
        m_writerFailed = true;
    return connection();
}

QSqlDatabase SendJournal::connection() const {
    return QSqlDatabase::database(m_connection, false);
}

QString SendJournal::lastError() const {
    return m_writerFailed ? m_writer.error() : m_error;
}

bool SendJournal::fail(const QString& what, const QSqlError& error) {
    m_writerFailed = false;
    m_error = JournalErrors::text(what, error.nativeErrorCode().toInt(), error.text());
    return false;
}

bool SendJournal::exec(const QString& sql) {
    QSqlQuery q(connection());
    if (!q.exec(sql))
        return fail(sql, q.lastError());
    return true;
}

bool SendJournal::open() {
    m_open = false;
    m_writer.close();
    m_movedAside.clear();
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = JournalErrors::folderText(info.absolutePath());
        return false;
    }
    // The folder holds what was sent to whom: its owner's only.
    QFile::setPermissions(info.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (openFile())
        return true;
    if (!JournalErrors::isCorrupt(m_error) || !info.exists())
        return false;
    // Not a journal (or a damaged one): keep it for whoever wants to look,
    // and start a new one rather than send without a record.
    const QString aside = m_path + QStringLiteral(".defekt-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QSqlDatabase::database(m_connection, false).close();
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(m_path + suffix);
    if (!QFile::rename(m_path, aside)) {
        m_error = JournalErrors::folderText(info.absolutePath());
        return false;
    }
    // Its send logs name its rows: they go with it, not into the new file.
    const QString logs = SendLog::prefixFor(m_path);
    for (const QString& name : info.absoluteDir().entryList({logs + QLatin1Char('*')}, QDir::Files))
        QFile::rename(info.absoluteDir().filePath(name), aside + name.mid(info.fileName().size()));
    if (!openFile())
        return false;
    m_movedAside = aside;
    return true;
}

bool SendJournal::openFile() {
    QSqlDatabase db = QSqlDatabase::contains(m_connection) ? QSqlDatabase::database(m_connection, false)
                                                            : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid()) {
        m_error = JournalErrors::noDriverText();
        return false;
    }
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open())
        return fail(QStringLiteral("open"), db.lastError());
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    // A file that is not SQLite fails here; one with damaged pages fails the check.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next())
        return fail(QStringLiteral("check"), check.lastError());
    const bool sound = check.value(0).toString() == QStringLiteral("ok");
    check.finish(); // an open statement would hold a transaction open
    if (!sound) {
        m_error = JournalErrors::corruptText();
        return false;
    }
    // WAL: readers never wait for the writer, and a commit is one append.
    // NORMAL: a commit survives the program being killed at any moment.
    if (!exec(QStringLiteral("PRAGMA page_size=1024")) || !exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        !exec(QStringLiteral("PRAGMA foreign_keys=ON")) || !createSchema())
        return false;
    // The send path's connection copies the log into the file; this one
    // would do it in the middle of a run, on the window thread.
    exec(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
    if (!m_writer.open(m_path)) {
        m_error = m_writer.error();
        return false;
    }
    m_open = true;
    return true;
}

bool SendJournal::createSchema() {
    QSqlQuery v(connection());
    if (!v.exec(QStringLiteral("PRAGMA user_version")) || !v.next())
        return fail(QStringLiteral("version"), v.lastError());
    const int version = v.value(0).toInt();
    v.finish();
    if (version == kSchemaVersion)
        return true;
    if (version > kSchemaVersion) {
        m_error = JournalErrors::newerText();
        return false;
    }
    const QStringList statements{
        QStringLiteral("CREATE TABLE IF NOT EXISTS actions ("
                       " id INTEGER PRIMARY KEY, kind TEXT NOT NULL, started TEXT NOT NULL, ended TEXT,"
                       " state TEXT NOT NULL, text TEXT NOT NULL, recipient TEXT, name TEXT,"
                       " schedule_start TEXT, schedule_cron TEXT, schedule_end TEXT,"
                       " entries INTEGER NOT NULL DEFAULT 0, owner_pid INTEGER, owner_host TEXT)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS entries ("
                       " action_id INTEGER NOT NULL REFERENCES actions(id) ON DELETE CASCADE,"
                       " place INTEGER NOT NULL, name TEXT, number TEXT, frei1 TEXT, frei2 TEXT,"
                       " PRIMARY KEY (action_id, place))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS requests ("
                       " id INTEGER PRIMARY KEY, action_id INTEGER NOT NULL REFERENCES actions(id) ON DELETE CASCADE,"
                       " place INTEGER NOT NULL DEFAULT -1, part INTEGER NOT NULL DEFAULT 0, at TEXT NOT NULL,"
                       " recipient TEXT, name TEXT, text TEXT, state TEXT NOT NULL, reply TEXT, cost INTEGER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS requests_action ON requests(action_id, place)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS actions_started ON actions(started)"),
        // How far each send log beside the file is taken in.
        QStringLiteral("CREATE TABLE IF NOT EXISTS sendlogs (log TEXT PRIMARY KEY, upto INTEGER NOT NULL)"),
        QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion),
    };
    QSqlDatabase db = connection();
    db.transaction();
    for (const QString& sql : statements) {
        if (!exec(sql)) {
            db.rollback();
            return false;
        }
    }
    if (!db.commit())
        return fail(QStringLiteral("commit"), db.lastError());
    return true;
}

const char* SendJournal::stateName(SendOutcome::Kind outcome) {
    switch (outcome) {
    case SendOutcome::Kind::Confirmed:
        return kConfirmed;
    case SendOutcome::Kind::Refused:
        return kRefused;
    case SendOutcome::Kind::NotSent:
        return kNotSent;
    case SendOutcome::Kind::NoAnswer:
        break;
    }
    return kNoAnswer;
}

qint64 SendJournal::actionStarted(const ActionInfo& info) {
    if (!m_open) {
        if (m_error.isEmpty())
            m_error = JournalErrors::notOpenText();
        return -1;
    }
    static const char* const kinds[] = {"single", "split", "scheduled", "mass", "handover"};
    const qint64 action =
        m_writer.startAction(info, kinds[int(info.kind)], stamp(QDateTime::currentDateTime()), qint64(::getpid()), hostName());
    m_writerFailed = action < 0;
    return action;
}

qint64 SendJournal::requestQueued(const RequestInfo& info) {
    if (!m_open || info.action < 0)
        return -1;
    const qint64 key = m_nextKey++;
    m_writer.queued(key, info);
    return key;
}

void SendJournal::flush() {
    if (m_open && !m_writer.settle())
        m_writerFailed = true;
}

bool SendJournal::handingOver(qint64 request) {
    if (!m_open)
        return false;
    if (m_writer.handingOver(request, nowStamp()))
        return true;
    m_writerFailed = true;
    return false;
}

void SendJournal::answerIn(qint64 request, SendOutcome::Kind outcome, const QString& reply) {
    // Goes with the hand-over that follows at once: an answer that arrived
    // is on record before the next request leaves, so a crash leaves only
    // the request under way unknown. Its requestEnded then finds it written.
    std::optional<RequestInfo> unused;
    if (m_open)
        m_writer.ended(request, stateName(outcome), reply, &unused);
}

void SendJournal::requestEnded(qint64 request, SendOutcome::Kind outcome, const QString& reply) {
    if (!m_open)
        return;
    std::optional<RequestInfo> neverWent;
    if (m_writer.ended(request, stateName(outcome), reply, &neverWent)) {
        // In a run the next hand-over takes it along; the timer writes what
        // is left when none follows soon.
        if (!m_flushTimer.isActive())
            m_flushTimer.start();
        return;
    }
    if (!neverWent || neverWent->action < 0)
        return;
    const RequestInfo& waiting = *neverWent;
    // Never handed over: it is on record all the same, as not sent.
    flush();
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("INSERT INTO requests (action_id, place, part, at, recipient, name, text, state,"
                             " reply) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(waiting.action);
    q.addBindValue(waiting.entry);
    q.addBindValue(waiting.part);
    q.addBindValue(QString::fromLatin1(nowStamp()));
    q.addBindValue(waiting.recipient);
    q.addBindValue(waiting.name);
    q.addBindValue(waiting.text);
    q.addBindValue(QString::fromLatin1(kNotSent));
    q.addBindValue(reply);
    if (!q.exec())
        fail(QStringLiteral("end request"), q.lastError());
}

void SendJournal::actionEnded(qint64 action, bool cancelled) {
    if (!m_open || action < 0)
        return;
    flush();
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("UPDATE actions SET state = ?, ended = ?, owner_pid = NULL WHERE id = ?"));
    q.addBindValue(QString::fromLatin1(cancelled ? kCancelled : kDone));
    q.addBindValue(stamp(QDateTime::currentDateTime()));
    q.addBindValue(action);
    if (!q.exec())
        fail(QStringLiteral("end action"), q.lastError());
}

bool SendJournal::ownedByLiveProcess(qint64 pid, const QString& host) const {
    if (pid <= 0)
        return false;
    // Another machine's instance (a shared home folder) cannot be asked.
    if (host != hostName())
        return true;
    if (pid == qint64(::getpid()))
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

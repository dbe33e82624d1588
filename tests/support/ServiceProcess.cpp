#include "ServiceProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

constexpr int kStartTimeoutMs = 20000;
constexpr int kStopTimeoutMs = 10000;

QString serviceBinary() {
    return QStringLiteral(VELVOX_SERVICE_BINARY);
}

// An open connection, closed on scope exit.
class Connection {
public:
    Connection(const QString& path, bool writable) {
        const int flags = writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << "cannot open " << path.toStdString() << ": "
                          << (m_db ? sqlite3_errmsg(m_db) : "");
            sqlite3_close(m_db);
            m_db = nullptr;
            return;
        }
        sqlite3_busy_timeout(m_db, 10000);
    }
    ~Connection() { sqlite3_close(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one statement; rows go to *rows when given. False on failure.
    bool run(const QString& sql, const QVariantList& params, QList<QVariantList>* rows) {
        if (!m_db)
            return false;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
            return report(sql);
        for (int i = 0; i < params.size(); ++i)
            bind(stmt, i + 1, params[i]);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (rows)
                rows->append(row(stmt));
        }
        sqlite3_finalize(stmt);
        return rc == SQLITE_DONE || report(sql);
    }

    int changes() const { return m_db ? sqlite3_changes(m_db) : -1; }

private:
    bool report(const QString& sql) {
        ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(m_db) << "\n  " << sql.toStdString();
        return false;
    }

    static void bind(sqlite3_stmt* stmt, int index, const QVariant& v) {
        if (!v.isValid() || v.isNull()) {
            sqlite3_bind_null(stmt, index);
        } else if (v.typeId() == QMetaType::QByteArray) {
            const QByteArray b = v.toByteArray();
            sqlite3_bind_blob(stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
                   v.typeId() == QMetaType::UInt || v.typeId() == QMetaType::Bool) {
            sqlite3_bind_int64(stmt, index, v.toLongLong());
        } else if (v.typeId() == QMetaType::Double) {
            sqlite3_bind_double(stmt, index, v.toDouble());
        } else {
            const QByteArray t = v.toString().toUtf8();
            sqlite3_bind_text(stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
    }

    static QVariantList row(sqlite3_stmt* stmt) {
        QVariantList out;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                out.append(QVariant(qlonglong(sqlite3_column_int64(stmt, c))));
                break;
            case SQLITE_FLOAT:
                out.append(QVariant(sqlite3_column_double(stmt, c)));
                break;
            case SQLITE_BLOB:
                out.append(QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, c)),
                                               sqlite3_column_bytes(stmt, c))));
                break;
            case SQLITE_NULL:
                out.append(QVariant());
                break;
            default:
                out.append(
                    QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                               sqlite3_column_bytes(stmt, c))));
            }
        }
        return out;
    }

    sqlite3* m_db = nullptr;
};

} // namespace

ServiceProcess::ServiceProcess() : ServiceProcess(Options{}) {}

ServiceProcess::ServiceProcess(Options options) {
    start(options);
}

ServiceProcess::~ServiceProcess() {
    stop();
}

void ServiceProcess::start(const Options& options) {
    m_databasePath = options.databasePath.isEmpty()
                         ? QDir(m_dir.path()).filePath(QStringLiteral("service.db"))
                         : options.databasePath;
    QStringList args{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--db"),
                     m_databasePath};
    if (options.seed)
        args << QStringLiteral("--seed");
    args << QStringLiteral("--info-version") << QString::number(options.infoVersion);
    args << options.extraArgs;
    m_extraArgs = options.extraArgs;

    // The log goes to a file: a pipe that nobody drains while a test blocks
    // on HTTP would fill up and stall the service.
    m_process.setStandardErrorFile(logPath(), QIODevice::Append);
    m_process.start(serviceBinary(), args);
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(serviceBinary(), m_process.errorString());
        return;
    }
    m_started = true;

    static const QRegularExpression line(QStringLiteral("^listening on ((https?)://[^/]+:(\\d+))/\\s*$"));
    QByteArray out;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!out.contains('\n') && !deadline.hasExpired() && m_process.state() == QProcess::Running)
        if (m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            out += m_process.readAllStandardOutput();
    out += m_process.readAllStandardOutput();

    const auto match = line.match(QString::fromUtf8(out.left(out.indexOf('\n') + 1)));
    if (!match.hasMatch()) {
        m_process.waitForFinished(1000);
        m_error = QStringLiteral("velvox-service did not report its address (stdout \"%1\")\n%2")
                      .arg(QString::fromUtf8(out), log());
        stop();
        return;
    }
    m_baseUrl = match.captured(1);
    m_port = quint16(match.captured(3).toUInt());
}

bool ServiceProcess::isRunning() const {
    return m_port != 0 && m_process.state() == QProcess::Running;
}

QString ServiceProcess::url(QStringView path) const {
    return m_baseUrl + path.toString();
}

QByteArray ServiceProcess::oemIni() const {
    if (m_oemIni.isEmpty() && m_port != 0) {
        QProcess p;
        // The extra arguments carry the TLS files, which make the addresses https.
        p.start(serviceBinary(),
                QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                            QStringLiteral("--print-oem")} +
                    m_extraArgs);
        if (p.waitForFinished(kStartTimeoutMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            m_oemIni = p.readAllStandardOutput();
        else
            ADD_FAILURE() << "velvox-service --print-oem failed: " << p.readAllStandardError().toStdString();
    }
    return m_oemIni;
}

QString ServiceProcess::logPath() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("service.log"));
}

QString ServiceProcess::log() const {
    QFile f(logPath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QList<QVariantList> ServiceProcess::query(const QString& sql, const QVariantList& params) const {
    QList<QVariantList> rows;
    Connection(m_databasePath, false).run(sql, params, &rows);
    return rows;
}

QVariant ServiceProcess::scalar(const QString& sql, const QVariantList& params) const {
    const auto rows = query(sql, params);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}

int ServiceProcess::execute(const QString& sql, const QVariantList& params) const {
    Connection c(m_databasePath, true);
    return c.run(sql, params, nullptr) ? c.changes() : -1;
}

qint64 ServiceProcess::credits(const QString& email) const {
    const QVariant v = scalar(QStringLiteral("SELECT credits FROM accounts WHERE email = ?"), {email});
    return v.isValid() ? v.toLongLong() : -1;
}

void ServiceProcess::setCredits(const QString& email, qint64 credits) const {
    if (execute(QStringLiteral("UPDATE accounts SET credits = ? WHERE email = ?"), {credits, email}) != 1)
        ADD_FAILURE() << "no account " << email.toStdString();
}

QString ServiceProcess::outboxPassword(const QString& email) const {
    const QString body = scalar(QStringLiteral("SELECT body FROM outbox WHERE recipient = ? AND subject = "
                                               "'Ihr neues Konto' ORDER BY id DESC LIMIT 1"),
                                {email})
                             .toString();
    static const QRegularExpression password(QStringLiteral("Kennwort lautet: (\\S+)"));
    return password.match(body).captured(1);
}

int ServiceProcess::stop() {
    if (m_process.state() == QProcess::NotRunning) {
        // Ended on its own (or never started).
        return m_started && m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    m_process.terminate();
    if (!m_process.waitForFinished(kStopTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kStopTimeoutMs);
        return -1;
    }
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

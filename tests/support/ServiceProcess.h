#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

// Runs the stand-in service (velvox-service) for a test: on an ephemeral
// loopback port, with its database and log in a fresh temp directory, seeded
// with the demo account unless asked otherwise. The constructor returns once
// the service accepts connections (or has failed: see isRunning() and
// errorString()); the destructor stops it with SIGTERM.
//
// The database can be read (and written) directly while the service runs: it
// is in WAL mode and both sides wait for each other's locks.
class ServiceProcess {
public:
    struct Options {
        bool seed = true;
        // What the service answers to the news check: no news unless a test
        // asks for some, so a loaded main window opens no news browser.
        int infoVersion = 0;
        // Appended to the command line, e.g. {"--latest-version", "3.1.0"}.
        QStringList extraArgs;
        // Empty: "service.db" in this object's temp directory. Give the path
        // of an earlier instance to start again on its data.
        QString databasePath;
    };

    ServiceProcess();
    explicit ServiceProcess(Options options);
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    // The demo account of "--seed".
    static QString demoEmail() { return QStringLiteral("demo@velvox.example"); }
    static QString demoPassword() { return QStringLiteral("velvox"); }
    static constexpr qint64 kDemoCredits = 5000;
    // Registered for push delivery in the demo data.
    static QString demoPushNumber() { return QStringLiteral("00491761234567"); }

    bool isRunning() const;
    // Why the service did not start, with its log.
    QString errorString() const { return m_error; }

    // "http://127.0.0.1:PORT" ("https://..." with TLS), no trailing slash.
    QString baseUrl() const { return m_baseUrl; }
    quint16 port() const { return m_port; }
    // baseUrl() + path, e.g. url(u"/sms/count.php?email=x").
    QString url(QStringView path) const;

    // The "oem.inf" content ("[URLs]" section) pointing at this instance,
    // as `velvox-service --print-oem` writes it.
    QByteArray oemIni() const;

    QString databasePath() const { return m_databasePath; }
    QString logPath() const;
    // What the service has logged on stderr so far.
    QString log() const;

    // Runs SQL on a separate connection (read-only for query/scalar). Values:
    // INTEGER as qlonglong, REAL as double, TEXT as QString, BLOB as
    // QByteArray, NULL as an invalid QVariant. A failing statement is
    // reported as a test failure.
    QList<QVariantList> query(const QString& sql, const QVariantList& params = {}) const;
    // The first column of the first row; invalid when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& params = {}) const;
    // Returns the number of changed rows, or -1 on failure.
    int execute(const QString& sql, const QVariantList& params = {}) const;

    // The account's balance in the database; -1 for an unknown account.
    qint64 credits(const QString& email) const;
    void setCredits(const QString& email, qint64 credits) const;
    // The password of the newest "new account" mail in the outbox for that
    // address; empty if there is none.
    QString outboxPassword(const QString& email) const;

    // SIGTERM, then waits. Returns the exit code (also of a service that had
    // already ended on its own), or -1 when it crashed, had to be killed or
    // never started.
    int stop();

private:
    void start(const Options& options);

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_databasePath;
    QStringList m_extraArgs;
    QString m_baseUrl;
    quint16 m_port = 0;
    bool m_started = false;
    QString m_error;
    mutable QByteArray m_oemIni;
};

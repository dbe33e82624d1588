#include "SendCommand.h"

#include "config/cOptionen.h"
#include "platform/ToolRegistry.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

SendCommand::SendCommand() {
    const QString bin = QDir(m_dir.path()).filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QDir().mkpath(QDir(m_dir.path()).filePath(QStringLiteral("config/Velvox")));
    const QString copy = QDir(bin).filePath(QStringLiteral("velvox-send"));
    m_ok = QFile::copy(QStringLiteral(VELVOX_SEND_BINARY), copy) &&
           QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::WriteOwner);
    ToolRegistry::setStoreFile(settingsPath());
    resetOptions();
}

SendCommand::~SendCommand() {
    ToolRegistry::setStoreFile(QDir(m_dir.path()).filePath(QStringLiteral("after-test.ini")));
    resetOptions();
}

QString SendCommand::settingsPath() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("config/Velvox/velvox.ini"));
}

void SendCommand::writeProfile(const QByteArray& oem) const {
    writeFile(QStringLiteral("bin/oem.inf"), oem);
}

void SendCommand::signIn(const QString& email, const QString& password) const {
    cOptionen& o = options();
    o.Username = email;
    o.kennwort = password;
    o.FirstStartHasRun = true;
    o.save();
}

QString SendCommand::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString path = QDir(m_dir.path()).filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

QList<QJsonObject> SendCommand::Result::jsonLines() const {
    QList<QJsonObject> lines;
    for (const QByteArray& line : out.split('\n')) {
        if (!line.isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    }
    return lines;
}

QProcessEnvironment SendCommand::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(m_dir.path()).filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("HOME"), m_dir.path());
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "VELVOX_PASSWORD", "VELVOX_SYSCONFDIR", "http_proxy",
                             "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"})
        env.remove(QString::fromLatin1(name));
    return env;
}

void SendCommand::start(QProcess& p, const QStringList& args, const QByteArray& input) const {
    p.setProcessEnvironment(environment());
    p.setWorkingDirectory(m_dir.path());
    p.start(QDir(m_dir.path()).filePath(QStringLiteral("bin/velvox-send")), args);
    p.waitForStarted();
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
}

SendCommand::Result SendCommand::run(const QStringList& args, const QByteArray& input,
                                     const QProcessEnvironment& extra) const {
    QProcess p;
    QProcessEnvironment env = environment();
    for (const QString& key : extra.keys())
        env.insert(key, extra.value(key));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(m_dir.path());
    p.start(QDir(m_dir.path()).filePath(QStringLiteral("bin/velvox-send")), args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    Result r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

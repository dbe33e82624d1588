#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// velvox-send as a user runs it: a copy of the binary in a temp folder with
// the branding profile beside it (so nothing else on the machine is read), the
// program's settings file under its own XDG_CONFIG_HOME, no keyring.
class SendCommand {
public:
    SendCommand();
    ~SendCommand();

    bool ok() const { return m_ok; }
    QString dir() const { return m_dir.path(); }
    // The file every settings change of this process goes to while it lives.
    QString settingsPath() const;
    void writeProfile(const QByteArray& oem) const;
    // Signed in as the demo account, the password in the settings file.
    void signIn(const QString& email, const QString& password) const;
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    struct Result {
        int code = -1;
        QByteArray out;
        QByteArray err;
        QString outText() const { return QString::fromUtf8(out); }
        QString errText() const { return QString::fromUtf8(err); }
        // Every line of standard output parsed as JSON (invalid ones as empty objects).
        QList<QJsonObject> jsonLines() const;
    };
    Result run(const QStringList& args, const QByteArray& input = {}, const QProcessEnvironment& extra = {}) const;
    // Started, for tests that talk to the running program.
    void start(QProcess& p, const QStringList& args, const QByteArray& input = {}) const;
    QProcessEnvironment environment() const;

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

#include "platform/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overridePath() {
    static QString dir;
    return dir;
}
QString& overrideSystemPath() {
    static QString dir;
    return dir;
}
} // namespace

namespace ProgramDir {

QString path() {
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void setPath(const QString& dir) { overridePath() = dir; }

QString file(const QString& name) { return QDir(path()).filePath(name); }

QString systemPath() {
    if (!overrideSystemPath().isEmpty())
        return overrideSystemPath();
    if (!overridePath().isEmpty())
        return {};
    const QString fromEnvironment = qEnvironmentVariable("VELVOX_SYSCONFDIR");
    return fromEnvironment.isEmpty() ? QStringLiteral("/etc/velvox") : fromEnvironment;
}

void setSystemPath(const QString& dir) { overrideSystemPath() = dir; }

QString lookup(const QString& name) {
    const QString beside = file(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString system = systemPath();
    if (!system.isEmpty()) {
        const QString there = QDir(system).filePath(name);
        if (QFileInfo::exists(there))
            return there;
    }
    return beside;
}

} // namespace ProgramDir

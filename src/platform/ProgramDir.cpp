#include "platform/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overridePath() {
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

} // namespace ProgramDir

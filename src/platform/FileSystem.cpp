#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace FileSystem {

bool fileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(path);
}

QString tempDirectory() {
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty() && QFileInfo(temp).isDir())
        return temp;
    return QDir::tempPath();
}

QString newGuid() { return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(); }

} // namespace FileSystem

#include "config/iniHandler.h"

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {
// The profile reader's buffer holds 65535 characters including the NUL.
constexpr qsizetype kMaxValueLength = 65534;
// A branding profile is a few lines; anything far larger is not one.
constexpr qint64 kMaxProfileBytes = 16 * 1024 * 1024;
// A profile written on Linux is UTF-8, one written on Windows is Windows-1252:
// a byte-order mark or valid UTF-8 throughout decides for UTF-8.
QString decodeProfile(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom))
        return QString::fromUtf8(bytes.mid(bom.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return CodePage::fromWindows1252(bytes);
}

} // namespace

QString readIniValue(const QString& filePath, const QString& section, const QString& key,
                     const QString& defaultValue) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxProfileBytes)
        return defaultValue;
    return readIniValueFrom(file.readAll(), section, key, defaultValue);
}

QString readIniValueFrom(const QByteArray& bytes, const QString& section, const QString& key,
                         const QString& defaultValue) {
    const QString content = decodeProfile(bytes);

    QString value;
    bool inSection = false;
    bool found = false;
    for (QStringView line : QStringView(content).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                continue;
            inSection = line.mid(1, close - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        value = line.mid(eq + 1).trimmed().toString();
        found = true;
        break;
    }
    if (!found)
        return defaultValue;

    value.truncate(kMaxValueLength);
    const qsizetype nul = value.indexOf(QChar(u'\0'));
    if (nul >= 0)
        value.truncate(nul);
    while (value.endsWith(QLatin1Char(' ')))
        value.chop(1);
    if (value.isEmpty())
        return defaultValue;
    return value;
}

QString profilePath() {
    return ProgramDir::lookup(QString::fromUtf16(kProfileFileName));
}

QString profileFile(const QString& name) {
    return QFileInfo(profilePath()).dir().filePath(name);
}

bool profileExists() {
    return FileSystem::fileExists(profilePath());
}

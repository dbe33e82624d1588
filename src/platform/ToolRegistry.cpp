#include "platform/ToolRegistry.h"

#include <QFile>
#include <QSettings>

#include <memory>

namespace {

std::unique_ptr<QSettings>& storeSlot() {
    static std::unique_ptr<QSettings> store;
    return store;
}

QString& storeFileOverride() {
    static QString path;
    return path;
}

QSettings& store() {
    auto& slot = storeSlot();
    if (!slot) {
        if (!storeFileOverride().isEmpty()) {
            slot = std::make_unique<QSettings>(storeFileOverride(), QSettings::IniFormat);
        } else {
#ifdef Q_OS_WIN
            slot = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
            slot = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                               QStringLiteral("Velvox"), QStringLiteral("velvox"));
#endif
        }
    }
    return *slot;
}

QString settingsKey(const QString& keyPath, const QString& valueName) {
    QString path = keyPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return valueName.isEmpty() ? path : path + QLatin1Char('/') + valueName;
}

// Writes reach the disk at once, as registry writes do; the file stays private.
bool commit(QSettings& s) {
    s.sync();
    if (s.status() != QSettings::NoError)
        return false;
#ifndef Q_OS_WIN
    QFile::setPermissions(s.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif
    return true;
}

} // namespace

namespace ToolRegistry {

QString getString(const QString& keyPath, const QString& valueName) {
    QSettings& s = store();
    if (s.status() == QSettings::AccessError)
        return {};
    const QVariant v = s.value(settingsKey(keyPath, valueName));
    if (!v.isValid())
        return {};
    // Lists and other shapes only arrive here from a damaged file: read as missing.
    if (v.typeId() == QMetaType::QStringList)
        return {};
    return v.toString();
}

bool setString(const QString& keyPath, const QString& valueName, const QString& text) {
    if (text.trimmed().isEmpty())
        return deleteValue(keyPath, valueName);
    QSettings& s = store();
    s.setValue(settingsKey(keyPath, valueName), text);
    return commit(s);
}

bool getBool(const QString& keyPath, const QString& valueName, bool defaultValue) {
    const QString text = getString(keyPath, valueName);
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return defaultValue;
}

bool setBool(const QString& keyPath, const QString& valueName, bool value) {
    return setString(keyPath, valueName, boolToText(value));
}

int createKey(const QString& keyPath) {
    QSettings& s = store();
    if (s.status() == QSettings::AccessError)
        return Failed;
    s.beginGroup(settingsKey(keyPath, {}));
    const bool exists = !s.childKeys().isEmpty() || !s.childGroups().isEmpty();
    s.endGroup();
    // An INI file has no empty keys: a key comes into being with its first value.
    return exists ? OpenedExistingKey : CreatedNewKey;
}

bool deleteValue(const QString& keyPath, const QString& valueName) {
    QSettings& s = store();
    const QString key = settingsKey(keyPath, valueName);
    if (!s.contains(key))
        return false;
    s.remove(key);
    return commit(s);
}

QString boolToText(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

void setStoreFile(const QString& iniPath) {
    storeSlot().reset();
    storeFileOverride() = iniPath;
}

QString storeFile() { return store().fileName(); }

} // namespace ToolRegistry

namespace ToolRegistry {

bool setNumber(const QString& keyPath, const QString& valueName, qint32 value) {
    QSettings& s = store();
    s.setValue(settingsKey(keyPath, valueName), value);
    return commit(s);
}

bool getNumber(const QString& keyPath, const QString& valueName, qint32* value) {
    QSettings& s = store();
    if (s.status() == QSettings::AccessError)
        return false;
    const QVariant v = s.value(settingsKey(keyPath, valueName));
    if (!v.isValid() || v.typeId() == QMetaType::QStringList)
        return false;
    bool ok = false;
    const qint32 n = v.toString().trimmed().toInt(&ok);
    if (ok && value)
        *value = n;
    return ok;
}

} // namespace ToolRegistry

#include "platform/ToolRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct Store {
    std::unique_ptr<QSettings> settings;
    QString fileOverride;
    // Values changed since the last write to disk, each with the value it
    // had before (invalid where there was none).
    QHash<QString, QVariant> previous;
    int batchDepth = 0;
    int diskWrites = 0;
};

Store& state() {
    static Store s;
    return s;
}

void tighten(const QString& fileName) {
#ifndef Q_OS_WIN
    if (QFile::exists(fileName))
        QFile::setPermissions(fileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#else
    Q_UNUSED(fileName);
#endif
}

QSettings& store() {
    Store& st = state();
    if (!st.settings) {
        if (!st.fileOverride.isEmpty()) {
            st.settings = std::make_unique<QSettings>(st.fileOverride, QSettings::IniFormat);
        } else {
#ifdef Q_OS_WIN
            st.settings =
                std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
            st.settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                      QStringLiteral("Velvox"), QStringLiteral("velvox"));
#endif
        }
        // A file that others could read (an older copy, a restored backup) is
        // made private as soon as it is opened, not only at its next write.
        tighten(st.settings->fileName());
    }
    return *st.settings;
}

QString settingsKey(const QString& keyPath, const QString& valueName) {
    QString path = keyPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return valueName.isEmpty() ? path : path + QLatin1Char('/') + valueName;
}

// Enough of a file's identity to tell whether it was written: QSettings
// replaces it with a new file or rewrites it in place.
struct FileStamp {
    bool exists = false;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& fileName) {
    FileStamp st;
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) == 0) {
        st.exists = true;
        st.inode = qint64(info.st_ino);
        st.size = qint64(info.st_size);
        st.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    }
#else
    Q_UNUSED(fileName);
#endif
    return st;
}

// Remembers the value a key had before its first change since the last write.
void notePrevious(QSettings& s, const QString& key) {
    Store& st = state();
    if (!st.previous.contains(key))
        st.previous.insert(key, s.value(key));
}

#ifdef Q_OS_UNIX
// QSettings takes a short write (a full disk, a size limit) for a whole one
// and puts the cut-off file in place of the old one. So the old file is kept
// under a second name while the new one is written, and the new one is read
// back through a name of its own (the settings reader caches files by name):
// if it does not hold every value, the old file goes back.
class WriteCheck {
public:
    explicit WriteCheck(const QString& fileName)
        : m_file(QFile::encodeName(fileName)), m_keep(m_file + ".previous") {
        ::unlink(m_keep.constData());
        m_kept = ::link(m_file.constData(), m_keep.constData()) == 0;
    }
    ~WriteCheck() {
        if (m_kept)
            ::unlink(m_keep.constData());
    }
    WriteCheck(const WriteCheck&) = delete;
    WriteCheck& operator=(const WriteCheck&) = delete;

    bool holdsEveryValue(const QSettings& s) const {
        static int round = 0;
        const QByteArray probe = m_file + ".check" + QByteArray::number(++round);
        if (::link(m_file.constData(), probe.constData()) != 0)
            return false;
        QSettings written(QFile::decodeName(probe), QSettings::IniFormat);
        bool same = written.status() == QSettings::NoError;
        const QStringList keys = s.allKeys();
        same = same && written.allKeys().size() == keys.size();
        for (qsizetype i = 0; same && i < keys.size(); ++i)
            same = written.value(keys[i]).toString() == s.value(keys[i]).toString();
        ::unlink(probe.constData());
        return same;
    }
    // Puts the old file back in place of a broken new one.
    void restore() {
        if (m_kept && ::rename(m_keep.constData(), m_file.constData()) == 0)
            m_kept = false;
        else if (!m_kept)
            ::unlink(m_file.constData());
    }

private:
    QByteArray m_file;
    QByteArray m_keep;
    bool m_kept = false;
};
#endif

// Writes the changed values to disk, the file staying private.
bool flush() {
    Store& st = state();
    QSettings& s = store();
    const FileStamp before = stampOf(s.fileName());
#ifdef Q_OS_UNIX
    WriteCheck check(s.fileName());
#endif
    s.sync();
    ++st.diskWrites;
    // QSettings keeps the first error it met for good (a damaged file read at
    // open counts too), so once one is there its status says nothing about
    // this write: then the file itself tells whether it was written.
    bool ok = s.status() == QSettings::NoError;
#ifdef Q_OS_UNIX
    if (!ok)
        ok = stampOf(s.fileName()) != before;
    if (ok && stampOf(s.fileName()) != before && !check.holdsEveryValue(s)) {
        check.restore();
        ok = false;
    }
#endif
    if (!ok) {
        // A failed write leaves the old values, in memory as on disk.
        for (auto it = st.previous.cbegin(); it != st.previous.cend(); ++it) {
            if (it.value().isValid())
                s.setValue(it.key(), it.value());
            else
                s.remove(it.key());
        }
    }
    st.previous.clear();
    if (ok)
        tighten(s.fileName());
    return ok;
}

// Registry writes reach the disk at once; inside a batch they wait for its end.
bool commit() {
    return state().batchDepth > 0 ? true : flush();
}

} // namespace

namespace ToolRegistry {

QString getString(const QString& keyPath, const QString& valueName) {
    // No status check here: the store's status may tell of an earlier failed
    // write, which does not make its values unreadable.
    QSettings& s = store();
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
    const QString key = settingsKey(keyPath, valueName);
    QSettings& s = store();
    notePrevious(s, key);
    s.setValue(key, text);
    return commit();
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
    if (QFileInfo(s.fileName()).isDir())
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
    notePrevious(s, key);
    s.remove(key);
    return commit();
}

QString boolToText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

Batch::Batch() {
    ++state().batchDepth;
}

Batch::~Batch() {
    if (!m_done)
        commit();
}

bool Batch::commit() {
    if (m_done)
        return m_result;
    m_done = true;
    Store& st = state();
    --st.batchDepth;
    // An inner batch is part of the outer one's single write.
    m_result = st.batchDepth > 0 ? true : flush();
    return m_result;
}

void setStoreFile(const QString& iniPath) {
    Store& st = state();
    st.settings.reset();
    st.previous.clear();
    st.fileOverride = iniPath;
}

QString storeFile() {
    return store().fileName();
}

int diskWrites() {
    return state().diskWrites;
}

} // namespace ToolRegistry

namespace ToolRegistry {

bool setNumber(const QString& keyPath, const QString& valueName, qint32 value) {
    const QString key = settingsKey(keyPath, valueName);
    QSettings& s = store();
    notePrevious(s, key);
    s.setValue(key, value);
    return commit();
}

bool getNumber(const QString& keyPath, const QString& valueName, qint32* value) {
    QSettings& s = store();
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

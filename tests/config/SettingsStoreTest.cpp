#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "config/cOptionen.h"
#include "platform/ToolRegistry.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("Software\\Quendal\\SMS");

// Reads the stored file the way another program would, to check what really is on disk.
QVariant rawValue(const TempSettings& t, const QString& name) {
    QSettings raw(t.iniPath(), QSettings::IniFormat);
    return raw.value(QStringLiteral("Software/Quendal/SMS/") + name);
}

void writeRaw(const TempSettings& t, const QString& name, const QString& value) {
    QSettings raw(t.iniPath(), QSettings::IniFormat);
    raw.setValue(QStringLiteral("Software/Quendal/SMS/") + name, value);
    raw.sync();
    t.reload();
}

// Makes a file unchangeable even for root (the tests run as root, where a
// read-only mode does not stop a write): the immutable flag refuses both the
// write in place and the rename over it. Cleared again on destruction.
class ImmutableFile {
public:
    explicit ImmutableFile(const QString& path) : m_path(path.toLocal8Bit()) { m_ok = setFlag(true); }
    ~ImmutableFile() { release(); }
    bool ok() const { return m_ok; }
    void release() {
        if (m_ok)
            setFlag(false);
        m_ok = false;
    }

private:
    bool setFlag(bool on) const {
        const int fd = ::open(m_path.constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }
    QByteArray m_path;
    bool m_ok = false;
};

} // namespace

TEST(SettingsStore, FreshProfileHasDefaultsAndFirstSaveCreatesTheKey) {
    TempSettings t;
    const cOptionen& o = options();
    EXPECT_TRUE(o.isPushEnabled);
    EXPECT_FALSE(o.isAbsenderkennung);
    EXPECT_FALSE(o.FirstStartHasRun);
    EXPECT_EQ(o.InfoVersion, 0);
    EXPECT_TRUE(o.Username.isEmpty());
    EXPECT_TRUE(o.ProxyAccessType.isEmpty());
    EXPECT_FALSE(QFile::exists(t.iniPath()));

    o.save();
    EXPECT_EQ(rawValue(t, QStringLiteral("pushEnabled")).toString(), QStringLiteral("true"));
    EXPECT_EQ(rawValue(t, QStringLiteral("infoVersion")).toString(), QStringLiteral("0"));
    // Empty texts are never stored.
    EXPECT_FALSE(rawValue(t, QStringLiteral("eMail")).isValid());
}

TEST(SettingsStore, EveryValueRoundTripsUnderItsOwnName) {
    TempSettings t;
    cOptionen& o = options();
    o.kennwort = QStringLiteral("geheim");
    o.Username = QStringLiteral("a@b.example");
    o.Absenderkennung = QStringLiteral("Team Süd");
    o.isAntwortEnabled = true;
    o.InfoVersion = 7;
    o.ContactEntryID = QStringLiteral("E1");
    o.ContactStoreID = QStringLiteral("S1");
    o.XmlPfad = QStringLiteral("/srv/sms");
    o.xmlSingleUser = true;
    o.ProxyAccessType = QStringLiteral("2");
    o.ProxyPort = QStringLiteral("8080");
    o.WebProxyUserPasswd = QStringLiteral("pw");
    o.isPushEnabled = false;
    o.save();

    // Names other programs and older installations rely on.
    EXPECT_EQ(rawValue(t, QStringLiteral("Password")).toString(), QStringLiteral("geheim"));
    EXPECT_EQ(rawValue(t, QStringLiteral("eMail")).toString(), QStringLiteral("a@b.example"));
    EXPECT_EQ(rawValue(t, QStringLiteral("isAntwortEnabled")).toString(), QStringLiteral("true"));
    EXPECT_EQ(rawValue(t, QStringLiteral("contactEntryID")).toString(), QStringLiteral("E1"));
    EXPECT_EQ(rawValue(t, QStringLiteral("contactStoreID")).toString(), QStringLiteral("S1"));
    EXPECT_EQ(rawValue(t, QStringLiteral("xmlPath")).toString(), QStringLiteral("/srv/sms"));
    EXPECT_EQ(rawValue(t, QStringLiteral("xmlSingleUser")).toString(), QStringLiteral("true"));
    EXPECT_EQ(rawValue(t, QStringLiteral("proxyAccessType")).toString(), QStringLiteral("2"));
    EXPECT_EQ(rawValue(t, QStringLiteral("pushEnabled")).toString(), QStringLiteral("false"));

    t.reload();
    const cOptionen& back = options();
    EXPECT_EQ(back.kennwort, QStringLiteral("geheim"));
    EXPECT_EQ(back.Absenderkennung, QStringLiteral("Team Süd"));
    EXPECT_TRUE(back.isAntwortEnabled);
    EXPECT_EQ(back.InfoVersion, 7);
    EXPECT_TRUE(back.xmlSingleUser);
    EXPECT_EQ(back.ProxyPort, QStringLiteral("8080"));
    EXPECT_EQ(back.WebProxyUserPasswd, QStringLiteral("pw"));
    EXPECT_FALSE(back.isPushEnabled);
}

TEST(SettingsStore, OnlyExactTrueAndFalseAreBooleans) {
    TempSettings t;
    writeRaw(t, QStringLiteral("isAbsenderkennung"), QStringLiteral("True"));
    writeRaw(t, QStringLiteral("pushEnabled"), QStringLiteral("FALSE"));
    EXPECT_FALSE(options().isAbsenderkennung);
    EXPECT_TRUE(options().isPushEnabled);
}

TEST(SettingsStore, BlankTextDeletesTheValue) {
    TempSettings t;
    options().Absenderkennung = QStringLiteral("Firma");
    options().save();
    ASSERT_TRUE(rawValue(t, QStringLiteral("Absenderkennung")).isValid());

    options().Absenderkennung = QStringLiteral("   ");
    options().save();
    EXPECT_FALSE(rawValue(t, QStringLiteral("Absenderkennung")).isValid());
    t.reload();
    EXPECT_TRUE(options().Absenderkennung.isEmpty());
}

TEST(SettingsStore, InfoVersionThatIsNotANumberReadsAsZeroAndSavesAsZero) {
    TempSettings t;
    for (const QString& stored : {QStringLiteral("abc"), QStringLiteral("70000"), QStringLiteral("")}) {
        writeRaw(t, QStringLiteral("infoVersion"), stored);
        EXPECT_EQ(options().InfoVersion, 0) << stored.toStdString();
    }
    writeRaw(t, QStringLiteral("infoVersion"), QStringLiteral("x1"));
    options().save();
    EXPECT_EQ(rawValue(t, QStringLiteral("infoVersion")).toString(), QStringLiteral("0"));
    writeRaw(t, QStringLiteral("infoVersion"), QStringLiteral(" 12 "));
    EXPECT_EQ(options().InfoVersion, 12);
}

TEST(SettingsStore, LongValuesReadBack) {
    TempSettings t;
    const QString longText = QString(5000, QLatin1Char('x')) + QStringLiteral("ä€");
    ASSERT_TRUE(ToolRegistry::setString(kKey, QStringLiteral("lastText"), longText));
    t.reload();
    EXPECT_EQ(ToolRegistry::getString(kKey, QStringLiteral("lastText")), longText);
}

TEST(SettingsStore, FileIsPrivateToItsOwner) {
    TempSettings t;
    ASSERT_TRUE(ToolRegistry::setString(kKey, QStringLiteral("x"), QStringLiteral("1")));
    const QFile::Permissions p = QFile::permissions(t.iniPath());
    EXPECT_TRUE(p & QFileDevice::ReadOwner);
    EXPECT_FALSE(p & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                      QFileDevice::WriteOther));
}

TEST(SettingsStore, CreateKeyTellsNewFromExisting) {
    TempSettings t;
    const QString mru = kKey + QStringLiteral("\\MRU");
    EXPECT_EQ(ToolRegistry::createKey(mru), ToolRegistry::CreatedNewKey);
    ASSERT_TRUE(ToolRegistry::setString(mru, QStringLiteral("1"), QStringLiteral("a;G170-1")));
    EXPECT_EQ(ToolRegistry::createKey(mru), ToolRegistry::OpenedExistingKey);
    // Values of a sub-key stay apart from the parent's.
    EXPECT_TRUE(ToolRegistry::getString(kKey, QStringLiteral("1")).isEmpty());
    EXPECT_TRUE(ToolRegistry::deleteValue(mru, QStringLiteral("1")));
    EXPECT_FALSE(ToolRegistry::deleteValue(mru, QStringLiteral("1")));
}

TEST(SettingsStore, CorruptOrUnreadableStoreGivesDefaults) {
    TempSettings t;
    {
        QFile f(t.iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 37 + 11) % 256));
        f.write("[Software\n=\n[[[]\n" + junk);
    }
    t.reload();
    EXPECT_TRUE(options().isPushEnabled);
    EXPECT_TRUE(options().kennwort.isEmpty());

    // A directory where the file should be: nothing readable, nothing writable.
    const QString dirPath = QDir(t.dir()).filePath(QStringLiteral("blocked.ini"));
    ASSERT_TRUE(QDir().mkpath(dirPath));
    ToolRegistry::setStoreFile(dirPath);
    resetOptions();
    EXPECT_TRUE(options().isPushEnabled);
    EXPECT_FALSE(ToolRegistry::setString(kKey, QStringLiteral("x"), QStringLiteral("1")));
    options().save(); // must not crash
}

TEST(SettingsStore, GetPasswordPromptsOnlyWithoutStoredPassword) {
    TempSettings t;
    ScriptedPrompts prompts;
    options().Username = QStringLiteral("demo@velvox.example");
    options().kennwort = QStringLiteral("stored");
    EXPECT_EQ(getPassword(), QStringLiteral("stored"));
    EXPECT_TRUE(prompts.dialogs().isEmpty());

    options().kennwort.clear();
    prompts.queueDialogResult(QStringLiteral("typed"));
    EXPECT_EQ(getPassword(), QStringLiteral("typed"));
    ASSERT_EQ(prompts.dialogs().size(), 1);
    EXPECT_EQ(prompts.dialogs()[0].name, QLatin1String(Prompts::Dialog::Login));
    EXPECT_EQ(prompts.dialogs()[0].args.value(QStringLiteral("email")).toString(),
              QStringLiteral("demo@velvox.example"));
    // A typed password is for one request only.
    EXPECT_TRUE(options().kennwort.isEmpty());

    // A cancelled prompt answers nothing.
    EXPECT_TRUE(getPassword().isEmpty());
}

TEST(SettingsStore, FailedWriteFailsOnlyItself) {
    TempSettings t;
    ASSERT_TRUE(ToolRegistry::setString(kKey, QStringLiteral("lastNumber"), QStringLiteral("1234567")));
    ASSERT_TRUE(ToolRegistry::setString(kKey + QStringLiteral("\\MRU"), QStringLiteral("1"),
                                        QStringLiteral("Anna;G170-1")));
    options().Username = QStringLiteral("alt@velvox.example");
    ASSERT_TRUE(options().save());

    ImmutableFile locked(t.iniPath());
    if (!locked.ok())
        GTEST_SKIP() << "this file system cannot make a file immutable";
    EXPECT_FALSE(ToolRegistry::setString(kKey, QStringLiteral("lastNumber"), QStringLiteral("999")));
    EXPECT_FALSE(ToolRegistry::deleteValue(kKey + QStringLiteral("\\MRU"), QStringLiteral("1")));
    options().Username = QStringLiteral("neu@velvox.example");
    EXPECT_FALSE(options().save());

    // The failed writes changed nothing, in memory or on disk; reads go on.
    EXPECT_EQ(ToolRegistry::getString(kKey, QStringLiteral("lastNumber")), QStringLiteral("1234567"));
    EXPECT_EQ(ToolRegistry::getString(kKey + QStringLiteral("\\MRU"), QStringLiteral("1")),
              QStringLiteral("Anna;G170-1"));
    EXPECT_EQ(ToolRegistry::getString(kKey, QStringLiteral("eMail")), QStringLiteral("alt@velvox.example"));
    EXPECT_TRUE(ToolRegistry::getBool(kKey, QStringLiteral("pushEnabled"), false));

    // Writable again: the next write lands and reports so, the others stay.
    locked.release();
    EXPECT_TRUE(ToolRegistry::setString(kKey, QStringLiteral("lastNumber"), QStringLiteral("999")));
    EXPECT_EQ(rawValue(t, QStringLiteral("lastNumber")).toString(), QStringLiteral("999"));
    EXPECT_EQ(rawValue(t, QStringLiteral("eMail")).toString(), QStringLiteral("alt@velvox.example"));
    EXPECT_TRUE(options().save());
    t.reload();
    EXPECT_EQ(options().Username, QStringLiteral("neu@velvox.example"));
}

TEST(SettingsStore, WriteThatLandsOnADamagedFileReportsSuccess) {
    TempSettings t;
    {
        QFile f(t.iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Software]\n\xff\xfe=\\\n[[\n\x01\x02\x03");
    }
    t.reload();
    EXPECT_TRUE(ToolRegistry::setString(kKey, QStringLiteral("lastText"), QStringLiteral("Hallo")));
    EXPECT_EQ(rawValue(t, QStringLiteral("lastText")).toString(), QStringLiteral("Hallo"));
    EXPECT_TRUE(ToolRegistry::setString(kKey, QStringLiteral("lastNumber"), QStringLiteral("42")));
    EXPECT_TRUE(options().save());
}

TEST(SettingsStore, SaveWritesTheFileOnce) {
    TempSettings t;
    options().Username = QStringLiteral("a@b.example");
    options().XmlPfad = QStringLiteral("/srv");
    const int before = ToolRegistry::diskWrites();
    ASSERT_TRUE(options().save());
    EXPECT_EQ(ToolRegistry::diskWrites() - before, 1);
    EXPECT_EQ(rawValue(t, QStringLiteral("xmlPath")).toString(), QStringLiteral("/srv"));

    // Inside a batch nothing reaches the disk before its end. (The file's
    // bytes, not a second QSettings: that would share this process's cache.)
    const auto onDisk = [&] {
        QFile f(t.iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    ToolRegistry::Batch batch;
    ASSERT_TRUE(ToolRegistry::setString(kKey, QStringLiteral("eMail"), QStringLiteral("c@d.example")));
    EXPECT_TRUE(onDisk().contains("eMail=a@b.example"));
    EXPECT_EQ(ToolRegistry::getString(kKey, QStringLiteral("eMail")), QStringLiteral("c@d.example"));
    EXPECT_TRUE(batch.commit());
    EXPECT_TRUE(onDisk().contains("eMail=c@d.example"));
}

TEST(SettingsStore, ExistingFileOpenToOthersIsMadePrivateWhenOpened) {
    TempSettings t;
    writeRaw(t, QStringLiteral("eMail"), QStringLiteral("a@b.example"));
    ASSERT_TRUE(QFile::setPermissions(t.iniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ReadGroup | QFileDevice::ReadOther));
    t.reload();
    EXPECT_EQ(ToolRegistry::getString(kKey, QStringLiteral("eMail")), QStringLiteral("a@b.example"));
    EXPECT_EQ(QFile::permissions(t.iniPath()) & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                                 QFileDevice::WriteGroup | QFileDevice::WriteOther),
              QFile::Permissions());
}

// "Gleichzeitige Übertragungen": stored as a number, and whatever the file
// holds, a run gets a usable count (never 0, never more than the service takes).
TEST(SettingsStore, ParallelTransfersRoundTripAndFallBackToFourOutsideOneToEight) {
    {
        TempSettings t;
        EXPECT_EQ(options().parallelTransfers, 4);
        options().parallelTransfers = 8;
        options().save();
        EXPECT_EQ(rawValue(t, QStringLiteral("parallelTransfers")).toString(), QStringLiteral("8"));
        t.reload();
        EXPECT_EQ(options().parallelTransfers, 8);
    }
    const struct {
        const char* stored;
        int read;
    } cases[] = {{"1", 1}, {" 6 ", 6}, {"8", 8}, {"0", 4}, {"9", 4}, {"-2", 4}, {"viele", 4}, {"", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TempSettings t;
        writeRaw(t, QStringLiteral("parallelTransfers"), QString::fromLatin1(c.stored));
        t.reload();
        EXPECT_EQ(options().parallelTransfers, c.read);
    }
}

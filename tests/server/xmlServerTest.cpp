#include "TempSettings.h"

#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/CodePage.h"
#include "server/CMD5.h"
#include "server/xmlServer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace xmlServer;
using Kind = HandoverOutcome::Kind;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray expectedFile(const char* name) {
    return readFile(QDir(QStringLiteral(VELVOX_TEST_DATA_DIR)).filePath(QString::fromLatin1(name)));
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString folderError(const QString& folder) {
    return QStringLiteral("Die Anfrage konnte nicht im Verzeichnis \"") + folder +
           QStringLiteral("\" abgelegt werden.");
}

// TEMP points into a fresh directory, so every temp copy is seen and none
// leaks; the shared folder is another fresh directory.
class XmlServerFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_temp.isValid() && m_share.isValid());
        m_oldTemp = qgetenv("TEMP");
        qputenv("TEMP", QFile::encodeName(m_temp.path()));
    }
    void TearDown() override { qputenv("TEMP", m_oldTemp); }
    QString temp() const { return m_temp.path(); }
    QString share() const { return m_share.path(); }
    // Only the delivered files are in the share, and no temp copy is left.
    void expectLeft(const QStringList& files) const {
        EXPECT_EQ(entries(share()), files);
        EXPECT_TRUE(entries(temp()).isEmpty());
    }

    // The values behind the expected files in tests/data.
    HandoverValues sample() const {
        HandoverValues v;
        v.xmlPfad = share();
        v.login = QStringLiteral("anna.berg@example.de");
        v.password = QStringLiteral("p&ss<€>");
        v.user = QStringLiteral("Büro & Co");
        v.group = QStringLiteral("Außendienst");
        v.recipient = QStringLiteral("00436641234567");
        v.from = QStringLiteral("M&M");
        v.text = QStringLiteral("A & B <C> für 5 €");
        v.name = QStringLiteral("Velvox");
        v.version = QStringLiteral("3.0.99");
        return v;
    }

private:
    QTemporaryDir m_temp;
    QTemporaryDir m_share;
    QByteArray m_oldTemp;
};

} // namespace

TEST(XmlServerRules, FirstDoubleZeroBecomesPlusOnce) {
    const std::pair<const char*, const char*> cases[] = {
        {"00436641234567", "+436641234567"}, {"491700012", "4917+012"}, {"000", "+0"}, {"0170", "0170"}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(toServerRecipient(QString::fromLatin1(in)), QString::fromLatin1(out));
}

TEST_F(XmlServerFiles, AccountRequestIsDroppedByteExact) {
    HandoverValues v = sample();
    v.singleUser = v.groupUser = true; // the account request wins
    const HandoverOutcome out = handOver(v);
    ASSERT_EQ(out.kind, Kind::Written) << out.error.toStdString();
    EXPECT_EQ(readFile(out.file), expectedFile("server_account_request.xml"));
    expectLeft({QFileInfo(out.file).fileName()});
}

TEST_F(XmlServerFiles, GroupRequestsFromTheSettingsAreDroppedByteExactUnderFreshNames) {
    TempSettings settings;
    cOptionen& o = options();
    const HandoverValues s = sample();
    o.XmlPfad = share();
    o.xmlSingleUser = false;
    o.xmlGroupUser = true;
    o.Username = s.login;
    o.xmlUser = s.user;
    o.xmlGroup = s.group;
    o.xmlSecretKey.clear();
    o.Absenderkennung = s.from;
    o.isAbsenderkennung = false; // the sender name travels whether switched on or not
    Product::setProductName(QStringLiteral("Velvox"));

    const HandoverValues v = handoverValues(o, s.recipient, s.text, QStringLiteral("unused"));
    const HandoverOutcome first = handOver(v);
    const HandoverOutcome second = handOver(v); // in quick succession
    ASSERT_EQ(first.kind, Kind::Written) << first.error.toStdString();
    ASSERT_EQ(second.kind, Kind::Written) << second.error.toStdString();
    EXPECT_EQ(readFile(first.file), expectedFile("server_group_request.xml"));
    EXPECT_EQ(readFile(second.file), readFile(first.file));
    EXPECT_NE(first.file, second.file);
    EXPECT_EQ(entries(share()).size(), 2);
}

TEST_F(XmlServerFiles, MissingOrUnusableFolderWritesNothing) {
    HandoverValues v = sample();
    v.singleUser = true;
    v.xmlPfad = QStringLiteral("ab");
    EXPECT_EQ(handOver(v).kind, Kind::NoFolder);
    v.xmlPfad = QDir(share()).filePath(QStringLiteral("gone"));
    HandoverOutcome out = handOver(v);
    EXPECT_EQ(out.kind, Kind::Failed);
    EXPECT_EQ(out.error, folderError(v.xmlPfad));
    EXPECT_FALSE(QFileInfo::exists(v.xmlPfad));

    // A plain file where the folder should be (a read-only folder would not
    // stop root).
    v.xmlPfad = QDir(share()).filePath(QStringLiteral("plain"));
    QFile plain(v.xmlPfad);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly) && plain.write("keep") == 4);
    plain.close();
    out = handOver(v);
    EXPECT_EQ(out.kind, Kind::Failed);
    EXPECT_EQ(out.error, folderError(v.xmlPfad));
    EXPECT_EQ(readFile(v.xmlPfad), QByteArray("keep"));

    v.xmlPfad = share();
    v.singleUser = false;
    EXPECT_EQ(handOver(v).kind, Kind::NoAccount);
    expectLeft({QStringLiteral("plain")});
}

// A disk that fills up half-way through the copy: the server never sees the
// half-written request, and the temp copy goes all the same.
TEST_F(XmlServerFiles, FullDiskDuringCopyLeavesNoPartialRequest) {
    const HandoverValues v = sample();
    const HandoverResult tempCopy = writeTempRequestFile(
        newRequestName(), buildAccountRequestXml({v.login, v.password, v.user, QStringLiteral("+43"), v.from,
                                                  v.text, v.name, v.version}));
    ASSERT_TRUE(tempCopy.ok);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100; // writes beyond fail with EFBIG, as on a full disk
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
    const HandoverResult r = limited ? deliverRequestFile(tempCopy.file, share()) : HandoverResult{};
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    if (!limited)
        GTEST_SKIP() << "cannot lower the file size limit";
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, folderError(share()));
    expectLeft({});
}

namespace {

struct FolderEvent {
    uint32_t mask;
    QString name;
};

// Everything inotify reported for the folder since it was opened.
QList<FolderEvent> readEvents(int fd) {
    QList<FolderEvent> events;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            events.append({e->mask, e->len ? QFile::decodeName(e->name) : QString()});
            at += ssize_t(sizeof(inotify_event) + e->len);
        }
    }
    return events;
}

} // namespace

// What a server watching the folder sees: one file, created under its final
// name, closed complete; nothing renamed, nothing else ever there.
TEST_F(XmlServerFiles, WatcherSeesOnlyTheCompleteRequestUnderItsFinalName) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_GE(
        inotify_add_watch(fd, QFile::encodeName(share()).constData(),
                          IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE),
        0);
    HandoverValues v = sample();
    v.singleUser = true;
    const HandoverOutcome out = handOver(v);
    const QList<FolderEvent> events = readEvents(fd);
    ::close(fd);
    ASSERT_EQ(out.kind, Kind::Written) << out.error.toStdString();

    const QString name = QFileInfo(out.file).fileName();
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.first().mask, uint32_t(IN_CREATE));
    EXPECT_EQ(events.last().mask, uint32_t(IN_CLOSE_WRITE));
    for (const FolderEvent& e : events) {
        EXPECT_EQ(e.name, name);
        EXPECT_FALSE(e.mask & (IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE)) << e.mask;
    }
    EXPECT_EQ(readFile(out.file), expectedFile("server_account_request.xml"));
    expectLeft({name});
}

// Control characters would make the request unreadable for the server's XML
// parser: they are dropped from the text (and its hash); tab, LF and CR stay.
TEST(XmlServerRules, ControlCharactersAreDroppedFromTheText) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("a\x0B"
                        "b"),
         QStringLiteral("ab")},
        {QString(u'x') + QChar(0) + QStringLiteral("\x01\x08\x0C\x1B\x1Fy"), QStringLiteral("xy")},
        {QStringLiteral("Tab\tLF\nCR\r!"), QStringLiteral("Tab\tLF\nCR\n!")}, // a parser turns CR into LF
        {QStringLiteral("\x7F & <\x10>"), QStringLiteral("\x7F & <>")},
    };
    for (const auto& [text, parsed] : cases) {
        const GroupRequest g{QStringLiteral("G"),
                             QStringLiteral("U"),
                             QStringLiteral("+49"),
                             QStringLiteral("F"),
                             text,
                             QStringLiteral("Velvox"),
                             QStringLiteral("3.0.99"),
                             QStringLiteral("k")};
        QXmlStreamReader xml(CodePage::toWindows1252(buildGroupRequestXml(g)));
        QString readText;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
                readText = xml.readElementText();
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " for " << text.toStdString();
        EXPECT_EQ(readText, parsed) << text.toStdString();

        GroupRequest clean = g;
        clean.text =
            QString(text).remove(QRegularExpression(QStringLiteral("[\\x00-\\x08\\x0B\\x0C\\x0E-\\x1F]")));
        EXPECT_EQ(requestHash(g), requestHash(clean)) << text.toStdString();
    }
    // Without control characters the hash is the one the server has always checked.
    GroupRequest plain{QStringLiteral("G"), {}, {}, {}, QStringLiteral("a b"), {}, {}, {}};
    EXPECT_EQ(requestHash(plain), CMD5::MD5(QStringLiteral("Ga b")));
}

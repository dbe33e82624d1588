#include "TempSettings.h"

#include "config/Product.h"
#include "config/cOptionen.h"
#include "server/xmlServer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

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

// The values behind the expected files in tests/data.
HandoverValues sample() {
    HandoverValues v;
    v.login = QStringLiteral("anna.berg@example.de");
    v.password = QStringLiteral("p&ss<€>");
    v.user = QStringLiteral("Büro & Co");
    v.group = QStringLiteral("Außendienst");
    v.secretKey.clear();
    v.recipient = QStringLiteral("00436641234567");
    v.from = QStringLiteral("M&M");
    v.text = QStringLiteral("A & B <C> für 5 €");
    v.name = QStringLiteral("Velvox");
    v.version = QStringLiteral("3.0.99");
    return v;
}

// While alive, a file may grow to at most `bytes`: writes beyond fail as on a
// full disk (EFBIG instead of a signal).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

// TEMP points into a fresh directory, so every temp copy is seen and none leaks;
// the shared folder is another fresh directory.
class XmlServerFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_temp.isValid() && m_share.isValid());
        m_hadTemp = qEnvironmentVariableIsSet("TEMP");
        m_oldTemp = qgetenv("TEMP");
        qputenv("TEMP", QFile::encodeName(m_temp.path()));
    }
    void TearDown() override {
        if (m_hadTemp)
            qputenv("TEMP", m_oldTemp);
        else
            qunsetenv("TEMP");
    }
    QString temp() const { return m_temp.path(); }
    QString share() const { return m_share.path(); }

private:
    QTemporaryDir m_temp;
    QTemporaryDir m_share;
    bool m_hadTemp = false;
    QByteArray m_oldTemp;
};

QString folderError(const QString& folder) {
    return QStringLiteral("Die Anfrage konnte nicht im Verzeichnis \"") + folder +
           QStringLiteral("\" abgelegt werden.");
}

} // namespace

TEST(XmlServerRules, EscapesOnlyTheFourCharactersInOrder) {
    EXPECT_EQ(xmlEscapeText(QStringLiteral("A & B <C>")), QStringLiteral("A &amp; B &lt;C&gt;"));
    EXPECT_EQ(xmlEscapeText(QStringLiteral("&lt;")), QStringLiteral("&amp;lt;"));
    EXPECT_EQ(xmlEscapeText(QStringLiteral("5 €, 7 €")), QStringLiteral("5 E, 7 E"));
    EXPECT_EQ(xmlEscapeText(QStringLiteral("\"Hallo\" & 'du'\r\n")),
              QStringLiteral("\"Hallo\" &amp; 'du'\r\n"));
}

TEST(XmlServerRules, HashJoinsTheValuesWithTheUnescapedText) {
    // Expected digests computed with md5sum over the hand-built ISO-8859-1 bytes
    // "Au\xdfendienstB\xfcro & Co+436641234567M&MA & B <C> f\xfcr 5 EVelvox3.0.99" (+ key).
    GroupRequest r{QStringLiteral("Außendienst"),
                   QStringLiteral("Büro & Co"),
                   QStringLiteral("+436641234567"),
                   QStringLiteral("M&M"),
                   QStringLiteral("A & B <C> für 5 €"),
                   QStringLiteral("Velvox"),
                   QStringLiteral("3.0.99"),
                   QString()};
    EXPECT_EQ(requestHash(r), QStringLiteral("09b20df5f2d9780e40e24b8d6da452b9"));
    r.secretKey = QStringLiteral("s3cr3t");
    EXPECT_EQ(requestHash(r), QStringLiteral("baf241790a3be896273b5eafdf135e40"));
}

TEST(XmlServerRules, FirstDoubleZeroBecomesPlusOnce) {
    EXPECT_EQ(toServerRecipient(QStringLiteral("00436641234567")), QStringLiteral("+436641234567"));
    EXPECT_EQ(toServerRecipient(QStringLiteral("0049170100200")), QStringLiteral("+49170100200"));
    EXPECT_EQ(toServerRecipient(QStringLiteral("491700012")), QStringLiteral("4917+012"));
    EXPECT_EQ(toServerRecipient(QStringLiteral("000")), QStringLiteral("+0"));
    EXPECT_EQ(toServerRecipient(QStringLiteral("0170")), QStringLiteral("0170"));
    EXPECT_EQ(toServerRecipient(QString()), QString());
}

TEST(XmlServerRules, ReportTextIsChosenInOrder) {
    const QString noFolder = QStringLiteral("Das Verzeichnis des Velvox Server fehlt. Wählen Sie ein "
                                            "Verzeichnis unter Optionen/Velvox Server aus.");
    const QString account = QStringLiteral("Die SMS wurde unter Berücksichtigung der angegebenen Kontodaten "
                                           "an den Velvox Server weitergeleitet.");
    const QString group = QStringLiteral("Die SMS wurde unter Berücksichtigung der angegebenen Gruppendaten "
                                         "an den Velvox Server weitergeleitet.");
    const QString none = QStringLiteral("Sie müssen unter Optionen/Velvox Server ein Konto auswählen");

    EXPECT_EQ(reportHandoverText(QStringLiteral("C:"), true, true), noFolder);
    EXPECT_EQ(reportHandoverText(QString(), false, false), noFolder);
    EXPECT_EQ(reportHandoverText(QStringLiteral("C:\\"), true, true), account);
    EXPECT_EQ(reportHandoverText(QStringLiteral("C:\\"), false, true), group);
    EXPECT_EQ(reportHandoverText(QStringLiteral("C:\\"), false, false), none);
}

TEST(XmlServerRules, RequestNamesAreFreshUpperCaseGuids) {
    static const QRegularExpression shape(
        QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\.xml$"));
    const QString a = newRequestName();
    const QString b = newRequestName();
    EXPECT_TRUE(shape.match(a).hasMatch()) << a.toStdString();
    EXPECT_TRUE(shape.match(b).hasMatch()) << b.toStdString();
    EXPECT_NE(a, b);
}

TEST(XmlServerRules, ExpectedFilesHaveThirteenLfLines) {
    for (const char* name : {"server_account_request.xml", "server_group_request.xml"}) {
        const QByteArray bytes = expectedFile(name);
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_EQ(bytes.count('\n'), 13) << name;
        EXPECT_FALSE(bytes.contains('\r')) << name;
        EXPECT_TRUE(bytes.endsWith("</SMS>\n")) << name;
        EXPECT_FALSE(bytes.endsWith("\n\n")) << name;
    }
}

TEST_F(XmlServerFiles, AccountRequestIsDroppedByteExact) {
    HandoverValues v = sample();
    v.xmlPfad = share();
    v.singleUser = true;
    v.groupUser = true; // the account request wins

    const HandoverOutcome out = handOver(v);
    ASSERT_EQ(out.kind, Kind::Written) << out.error.toStdString();
    EXPECT_TRUE(out.error.isEmpty());
    EXPECT_EQ(QFileInfo(out.file).absolutePath(), QFileInfo(share()).absoluteFilePath());
    EXPECT_EQ(readFile(out.file), expectedFile("server_account_request.xml"));
    // Only the finished request is left: no hidden partial copy, no temp copy.
    EXPECT_EQ(entries(share()), QStringList{QFileInfo(out.file).fileName()});
    EXPECT_TRUE(entries(temp()).isEmpty());
    EXPECT_EQ(v.text, QStringLiteral("A & B <C> für 5 €")); // the caller's text is left alone
}

TEST_F(XmlServerFiles, GroupRequestFromTheSettingsIsDroppedByteExact) {
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

    const HandoverOutcome out = handOver(handoverValues(o, s.recipient, s.text, QStringLiteral("unused")));
    ASSERT_EQ(out.kind, Kind::Written) << out.error.toStdString();
    EXPECT_EQ(readFile(out.file), expectedFile("server_group_request.xml"));
    EXPECT_EQ(entries(share()), QStringList{QFileInfo(out.file).fileName()});
    EXPECT_TRUE(entries(temp()).isEmpty());
}

TEST_F(XmlServerFiles, NoFileWithoutFolderOrAccount) {
    HandoverValues v = sample();
    v.singleUser = true;
    v.xmlPfad = QStringLiteral("ab");
    EXPECT_EQ(handOver(v).kind, Kind::NoFolder);

    v.xmlPfad = share();
    v.singleUser = false;
    v.groupUser = false;
    EXPECT_EQ(handOver(v).kind, Kind::NoAccount);

    EXPECT_TRUE(entries(share()).isEmpty());
    EXPECT_TRUE(entries(temp()).isEmpty());
}

TEST_F(XmlServerFiles, RequestsInQuickSuccessionGetTheirOwnFiles) {
    HandoverValues v = sample();
    v.xmlPfad = share();
    v.groupUser = true;
    const HandoverOutcome first = handOver(v);
    const HandoverOutcome second = handOver(v);
    ASSERT_EQ(first.kind, Kind::Written);
    ASSERT_EQ(second.kind, Kind::Written);
    EXPECT_NE(first.file, second.file);
    EXPECT_EQ(entries(share()).size(), 2);
    EXPECT_EQ(readFile(first.file), readFile(second.file));
}

TEST_F(XmlServerFiles, TempCopyIsWindows1252InOnePiece) {
    const HandoverResult r = writeTempRequestFile(QStringLiteral("probe.xml"), QStringLiteral("€ä–Ω\n"));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.file, QDir(temp()).filePath(QStringLiteral("probe.xml")));
    EXPECT_EQ(readFile(r.file), QByteArray("\x80\xE4\x96?\n"));
}

TEST_F(XmlServerFiles, MissingFolderIsReportedAndLeavesNothing) {
    const QString missing = QDir(share()).filePath(QStringLiteral("gone"));
    HandoverValues v = sample();
    v.xmlPfad = missing;
    v.singleUser = true;
    const HandoverOutcome out = handOver(v);
    EXPECT_EQ(out.kind, Kind::Failed);
    EXPECT_EQ(out.error, folderError(missing));
    EXPECT_TRUE(out.file.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(entries(temp()).isEmpty());
}

// Running as root, a read-only directory would still be writable; a plain file
// standing where the folder should be cannot be written into by anyone.
TEST_F(XmlServerFiles, UnwritableFolderIsReportedAndLeavesNothing) {
    const QString notADir = QDir(share()).filePath(QStringLiteral("plain"));
    {
        QFile f(notADir);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    const HandoverResult r = writeGroupRequest(
        {QStringLiteral("g"), QStringLiteral("u"), QStringLiteral("+49"), QStringLiteral("f"),
         QStringLiteral("t"), QStringLiteral("Velvox"), QStringLiteral("3.0.99"), QString()},
        notADir);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, folderError(notADir));
    EXPECT_EQ(readFile(notADir), QByteArray("keep"));
    EXPECT_EQ(entries(share()), QStringList{QStringLiteral("plain")});
    EXPECT_TRUE(entries(temp()).isEmpty());
}

TEST_F(XmlServerFiles, MissingTempCopyIsNotDelivered) {
    const HandoverResult r =
        deliverRequestFile(QDir(temp()).filePath(QStringLiteral("nothere.xml")), share());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, folderError(share()));
    EXPECT_TRUE(entries(share()).isEmpty());
}

// A disk that fills up half-way through the copy: the server must never see the
// half-written request, and the temp copy goes all the same.
TEST_F(XmlServerFiles, FullDiskDuringCopyLeavesNoPartialRequest) {
    HandoverValues v = sample();
    AccountRequest a{v.login, v.password, v.user, QStringLiteral("+436641234567"),
                     v.from,  v.text,     v.name, v.version};
    const HandoverResult tempCopy = writeTempRequestFile(newRequestName(), buildAccountRequestXml(a));
    ASSERT_TRUE(tempCopy.ok);

    HandoverResult r;
    {
        FileSizeLimit limit(100);
        if (!limit.active())
            GTEST_SKIP() << "cannot lower the file size limit";
        r = deliverRequestFile(tempCopy.file, share());
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, folderError(share()));
    EXPECT_TRUE(entries(share()).isEmpty()) << entries(share()).join(u' ').toStdString();
    EXPECT_TRUE(entries(temp()).isEmpty());
}

TEST_F(XmlServerFiles, FullDiskForTheTempCopyIsReported) {
    HandoverValues v = sample();
    v.xmlPfad = share();
    v.groupUser = true;
    HandoverOutcome out;
    {
        FileSizeLimit limit(100);
        if (!limit.active())
            GTEST_SKIP() << "cannot lower the file size limit";
        out = handOver(v);
    }
    EXPECT_EQ(out.kind, Kind::Failed);
    EXPECT_EQ(out.error, QStringLiteral("Die Anfrage konnte nicht im temporären Verzeichnis \"") +
                             QDir::toNativeSeparators(temp()) + QStringLiteral("\" angelegt werden."));
    EXPECT_TRUE(entries(temp()).isEmpty());
    EXPECT_TRUE(entries(share()).isEmpty());
}

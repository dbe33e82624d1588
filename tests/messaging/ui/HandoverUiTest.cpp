#include "MainWindowHarness.h"

#include "config/Product.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Handover : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("TEMP", temp.path().toLocal8Bit());
        options().xmlIsServerUsed = true;
        options().XmlPfad = shared.path();
        options().xmlSingleUser = true;
        options().xmlUser = QStringLiteral("büro");
        h.load();
        h.enterRecipient(QStringLiteral("A664"), QStringLiteral("1234567"));
        h.enterText(QString(161, QLatin1Char('z')));
    }
    void TearDown() override { qunsetenv("TEMP"); }

    QStringList dropped() const { return QDir(shared.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir temp;
    QTemporaryDir shared;
    MainWindowHarness h;
};

} // namespace

TEST_F(Handover, EachPartBecomesOneFileNothingReachesTheServiceAndOneConfirmation) {
    h.clickSend();
    const QStringList files = dropped();
    ASSERT_EQ(files.size(), 2);
    for (const QString& f : files)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F-]{36}\\.xml$")).match(f).hasMatch())
            << f.toStdString();
    EXPECT_EQ(h.messagesStored(), 0);
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].title, QStringLiteral("Velvox"));
    EXPECT_EQ(h.prompts.messages()[0].icon, Prompts::Icon::None);
    EXPECT_EQ(
        h.prompts.messages()[0].text,
        QStringLiteral("Die SMS wurde unter Berücksichtigung der angegebenen Kontodaten an den Velvox Server "
                       "weitergeleitet."));
    QByteArray all;
    for (const QString& f : files) {
        QFile file(QDir(shared.path()).filePath(f));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        all += file.readAll();
    }
    EXPECT_TRUE(all.contains("\t<to>+436641234567</to>\n"));
    EXPECT_TRUE(all.contains("\t<user>b\xFCro</user>\n"));
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files).isEmpty());

    // A second send action is confirmed again.
    h.enterRecipient(QStringLiteral("A664"), QStringLiteral("1234567"));
    h.enterText(QStringLiteral("kurz"));
    h.clickSend();
    EXPECT_EQ(dropped().size(), 3);
    EXPECT_EQ(h.prompts.messages().size(), 2);
}

TEST_F(Handover, MissingFolderIsReportedAndTheProgramGoesOn) {
    options().XmlPfad = shared.path() + QStringLiteral("/fehlt");
    h.clickSend();
    ASSERT_GE(h.prompts.messages().size(), 1);
    EXPECT_TRUE(h.prompts.messages()[0].text.contains(options().XmlPfad))
        << h.prompts.messages()[0].text.toStdString();
    for (const Prompts::Message& m : h.prompts.messages())
        EXPECT_FALSE(m.text.contains(QStringLiteral("weitergeleitet"))) << m.text.toStdString();
    EXPECT_FALSE(QDir(options().XmlPfad).exists());
    EXPECT_TRUE(dropped().isEmpty());
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files).isEmpty());
    // The fields stay for another try.
    EXPECT_EQ(h.ui().txtSMS->toPlainText().size(), 161);
}

TEST_F(Handover, ShortFolderSettingAsksForTheFolder) {
    options().XmlPfad = QStringLiteral("C:");
    // Two parts: reported once, not once per part and not never.
    h.clickSend();
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].text,
              QStringLiteral("Das Verzeichnis des Velvox Server fehlt. Wählen Sie ein Verzeichnis unter "
                             "Optionen/Velvox Server aus."));
    EXPECT_TRUE(dropped().isEmpty());
}

TEST_F(Handover, OneConfirmationPerSendActionWhateverItHandedOver) {
    // A long SMS with sender name is one file, though the counter shows 2 SMS.
    options().isAbsenderkennung = true;
    options().isLongSmsEnabled = true;
    options().Absenderkennung = QStringLiteral("Praxis");
    h.enterText(QString(200, QLatin1Char('y')));
    h.clickSend();
    EXPECT_EQ(dropped().size(), 1);
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_TRUE(h.prompts.messages()[0].text.contains(QStringLiteral("Kontodaten")))
        << h.prompts.messages()[0].text.toStdString();

    // Three single sends: three files, three confirmations.
    for (int i = 0; i < 3; ++i) {
        h.enterRecipient(QStringLiteral("A664"), QStringLiteral("1234567"));
        h.enterText(QStringLiteral("Nachricht %1").arg(i));
        h.clickSend();
    }
    EXPECT_EQ(dropped().size(), 4);
    EXPECT_EQ(h.prompts.messages().size(), 4);
}

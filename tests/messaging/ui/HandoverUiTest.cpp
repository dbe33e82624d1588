#include "MainWindowHarness.h"

#include "messaging/ui/SendWorkflow.h"

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
        send(QString(161, QLatin1Char('z')), false);
    }
    void TearDown() override { qunsetenv("TEMP"); }

    void send(const QString& text, bool click = true) {
        h.enterRecipient(QStringLiteral("A664"), QStringLiteral("1234567"));
        h.enterText(text);
        if (click)
            h.clickSend();
    }
    QStringList dropped() const { return QDir(shared.path()).entryList(QDir::Files | QDir::Hidden); }
    bool tempEmpty() const { return QDir(temp.path()).entryList(QDir::Files).isEmpty(); }
    const QList<Prompts::Message>& boxes() const { return h.prompts.messages(); }

    QTemporaryDir temp;
    QTemporaryDir shared;
    MainWindowHarness h;
};

} // namespace

TEST_F(Handover, EachPartBecomesOneFileNothingReachesTheServiceAndOneConfirmation) {
    h.clickSend();
    const QStringList files = dropped();
    ASSERT_EQ(files.size(), 2);
    QByteArray all;
    for (const QString& f : files) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F-]{36}\\.xml$")).match(f).hasMatch())
            << f.toStdString();
        QFile file(QDir(shared.path()).filePath(f));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        all += file.readAll();
    }
    EXPECT_TRUE(all.contains("\t<to>+436641234567</to>\n"));
    EXPECT_TRUE(all.contains("\t<user>b\xFCro</user>\n"));
    EXPECT_TRUE(tempEmpty());
    EXPECT_EQ(h.messagesStored(), 0);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Velvox"));
    EXPECT_EQ(boxes()[0].icon, Prompts::Icon::None);
    EXPECT_EQ(
        boxes()[0].text,
        QStringLiteral("Die SMS wurde unter Berücksichtigung der angegebenen Kontodaten an den Velvox Server "
                       "weitergeleitet."));
}

TEST_F(Handover, MissingFolderIsReportedAndTheFieldsStay) {
    options().XmlPfad = shared.path() + QStringLiteral("/fehlt");
    h.clickSend();
    ASSERT_GE(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].text.contains(options().XmlPfad)) << boxes()[0].text.toStdString();
    for (const Prompts::Message& m : boxes())
        EXPECT_FALSE(m.text.contains(QStringLiteral("weitergeleitet"))) << m.text.toStdString();
    EXPECT_FALSE(QDir(options().XmlPfad).exists());
    EXPECT_TRUE(dropped().isEmpty());
    EXPECT_TRUE(tempEmpty());
    EXPECT_EQ(h.ui().txtSMS->toPlainText().size(), 161);
}

TEST_F(Handover, ShortFolderSettingIsReportedOnceForTwoParts) {
    options().XmlPfad = QStringLiteral("C:");
    h.clickSend();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text,
              QStringLiteral("Das Verzeichnis des Velvox Server fehlt. Wählen Sie ein Verzeichnis "
                             "unter Optionen/Velvox Server aus."));
    EXPECT_TRUE(dropped().isEmpty());
}

TEST_F(Handover, OneConfirmationPerSendActionWhateverItHandedOver) {
    // A long SMS with sender name is one file, though the counter shows 2 SMS.
    options().isAbsenderkennung = options().isLongSmsEnabled = true;
    options().Absenderkennung = QStringLiteral("Praxis");
    send(QString(200, QLatin1Char('y')));
    EXPECT_EQ(dropped().size(), 1);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].text.contains(QStringLiteral("Kontodaten"))) << boxes()[0].text.toStdString();
    for (int i = 0; i < 3; ++i)
        send(QStringLiteral("Nachricht %1").arg(i));
    EXPECT_EQ(dropped().size(), 4);
    EXPECT_EQ(boxes().size(), 4);
}

// A send action of 65,536 hand-overs (a large list dropped entry by entry) is
// still confirmed: the count does not wrap round to "nothing handed over".
TEST_F(Handover, ConfirmationAfterSixtyFiveThousandFiveHundredThirtySixHandovers) {
    for (int i = 0; i < 65536; ++i)
        h.window->workflow().reportHandover();
    h.window->workflow().confirmHandovers();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].text.contains(QStringLiteral("weitergeleitet"))) << boxes()[0].text.toStdString();
}

#include "../messaging/ui/MainWindowHarness.h"

#include "mass/ui/MassMode.h"
#include "mass/ui/frmMultiSMS.h"
#include "schedule/CCronjob.h"
#include "widgets/ToolbarButton.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// What reaches the service (or the company server's folder) for each kind of
// send action, byte for byte, against bodies recorded in tests/data/send_bodies.
// Every request body is one line of its file, in the order it was sent; a
// hand-over file is stored whole.

namespace {

void expectRecorded(const QByteArray& actual, const char* name) {
    QFile f(QStringLiteral(VELVOX_TEST_DATA_DIR "/send_bodies/") + QString::fromLatin1(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    EXPECT_EQ(actual, f.readAll()) << name;
}

class SendBytes : public ::testing::Test {
protected:
    void SetUp() override { h.load(); }

    // The bodies stored since the last call, one per line.
    QByteArray newBodies() {
        QByteArray out;
        const auto rows = h.service->query(QStringLiteral("SELECT id, body FROM messages WHERE id > ? ORDER BY id"),
                                           {m_seen});
        for (const QVariantList& row : rows) {
            m_seen = row[0].toLongLong();
            out += row[1].toByteArray() + '\n';
        }
        return out;
    }
    void singleSend(const QString& text, int replies = 1) {
        h.prompts.clear();
        h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
        QTest::keyClicks(h.ui().cmbName->lineEdit(), QStringLiteral("Anna"));
        h.enterText(text);
        h.clickSend();
        ASSERT_TRUE(h.waitForMessages(replies));
    }

    MainWindowHarness h;
    qlonglong m_seen = 0;
};

} // namespace

TEST_F(SendBytes, SingleSplitAndScheduledBodiesAreAsRecorded) {
    singleSend(QStringLiteral("Grüße & 50% + mehr #1 für 5 €"));
    expectRecorded(newBodies(), "single.txt");

    // Two parts: 160 characters and the rest, each its own request.
    singleSend(QString(150, QLatin1Char('a')) + QStringLiteral(" zweiter Teil beginnt hier"), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.messagesStored() >= 3; }, 20000));
    expectRecorded(newBodies(), "split.txt");

    CCronjob job;
    job.StartTime = QStringLiteral("2026-06-10 08:30:00");
    job.CronString = QStringLiteral("30 08 * * *");
    job.EndTime = QStringLiteral("3");
    h.prompts.queueDialogResult(job.toVariant());
    h.prompts.clear();
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.enterText(QStringLiteral("Termin am Montag"));
    emit h.ui().tbTerminversand->Click();
    ASSERT_TRUE(h.waitForMessages(1));
    expectRecorded(newBodies(), "scheduled.txt");
}

TEST_F(SendBytes, MassRunBodiesAreAsRecorded) {
    emit h.ui().tbMultiSMS->Click();
    frmMultiSMS& list = *h.window->massModeControl().listWindow();
    list.list().add(QStringLiteral("Kunde 1"), QStringLiteral("0170111"), QStringLiteral("Montag"), {});
    list.list().add(QStringLiteral("Müller & Co"), QStringLiteral("+4917222"), QStringLiteral("Dienstag"),
                    QStringLiteral("9 Uhr"));
    list.list().add(QStringLiteral("Dritte"), QStringLiteral("0043664333"), {}, {});
    list.recalcMaxSizes();
    h.enterText(QStringLiteral("Hallo %name%, Termin am %frei1% %frei2%."));
    // "An alle senden" for the numbers that take no SMS, then the mass question.
    h.prompts.queueAnswer(Prompts::Answer::Yes);
    h.prompts.queueAnswer(Prompts::Answer::Yes);
    h.clickSend();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.window->massModeControl().runActive(); }, 30000));
    expectRecorded(newBodies(), "mass.txt");
}

TEST_F(SendBytes, HandoverFilesAreAsRecorded) {
    QTemporaryDir temp;
    QTemporaryDir shared;
    qputenv("TEMP", temp.path().toLocal8Bit());
    options().xmlIsServerUsed = true;
    options().XmlPfad = shared.path();
    options().xmlSingleUser = true;
    options().xmlUser = QStringLiteral("büro");
    singleSend(QStringLiteral("Grüße & <Termin> am Montag"));
    qunsetenv("TEMP");
    const QStringList files = QDir(shared.path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    QFile f(QDir(shared.path()).filePath(files[0]));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    expectRecorded(f.readAll(), "handover.xml");
    EXPECT_EQ(h.messagesStored(), 0);
}

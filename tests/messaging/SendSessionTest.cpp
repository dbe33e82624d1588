#include "ScriptedPrompts.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "config/cOptionen.h"
#include "messaging/SendSession.h"
#include "platform/Transfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// The send session on its own, in a process without a single widget: every
// kind of send action against the stand-in service, with the bytes the main
// window sends for the same input (tests/data/send_bodies) and the outcome of
// every request as the session reports it.

namespace {

QByteArray recorded(const char* name) {
    QFile f(QStringLiteral(VELVOX_TEST_DATA_DIR "/send_bodies/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

struct Ended {
    QString recipient;
    SendOutcome::Kind kind;
};

class SendSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
        options().Username = ServiceProcess::demoEmail();
        session.iNet().setAccessType(Transfer::Direct);
        QObject::connect(&session, &SendSession::requestEnded, &session,
                         [this](const QString& r, SendOutcome::Kind k, const QString&) { ended.append({r, k}); });
        QObject::connect(&session, &SendSession::actionEnded, &session, [this] { ++actionsEnded; });
    }

    SendSession::Action action(const QString& text, const QString& name = QStringLiteral("Anna")) const {
        SendSession::Action a;
        a.text = text;
        a.name = name;
        a.number = QStringLiteral("1234567");
        a.password = ServiceProcess::demoPassword();
        a.privateBook = true;
        return a;
    }
    bool waitForActions(int n) {
        return QTest::qWaitFor([&] { return actionsEnded >= n; }, 20000);
    }
    QByteArray newBodies() {
        QByteArray out;
        for (const QVariantList& row : service.query(
                 QStringLiteral("SELECT id, body FROM messages WHERE id > ? ORDER BY id"), {seen})) {
            seen = row[0].toLongLong();
            out += row[1].toByteArray() + '\n';
        }
        return out;
    }

    ServiceProcess service;
    TempSettings settings;
    ScriptedPrompts prompts;
    SendSession session;
    QList<Ended> ended;
    int actionsEnded = 0;
    qlonglong seen = 0;
};

} // namespace

TEST_F(SendSessionTest, RunsWithoutAnyWidget) {
    // The core and its session are all this process has: no GUI application.
    EXPECT_EQ(QCoreApplication::instance()->metaObject()->className(), QByteArray("QCoreApplication"));
}

TEST_F(SendSessionTest, SingleSplitAndScheduledGoOutAsTheWindowSendsThem) {
    QSignalSpy accepted(&session, &SendSession::singleAccepted);
    EXPECT_EQ(session.sendSingle(QStringLiteral("00491701234567"), action(QStringLiteral("Grüße & 50% + mehr #1 für 5 €"))), 1);
    ASSERT_TRUE(waitForActions(1));
    EXPECT_EQ(newBodies(), recorded("single.txt"));
    ASSERT_EQ(accepted.size(), 1);
    EXPECT_EQ(accepted[0][0].toString(), QStringLiteral("Grüße & 50% + mehr #1 für 5 €"));
    ASSERT_EQ(prompts.messages().size(), 1); // the gateway's reply box
    EXPECT_FALSE(session.tm().isActive());

    // Two parts, one request after the other, one action, one reply box per part.
    prompts.clear();
    const QString longText = QString(150, QLatin1Char('a')) + QStringLiteral(" zweiter Teil beginnt hier");
    EXPECT_EQ(session.sendSingle(QStringLiteral("00491701234567"), action(longText)), 2);
    ASSERT_TRUE(waitForActions(2));
    EXPECT_EQ(newBodies(), recorded("split.txt"));

    CCronjob job;
    job.StartTime = QStringLiteral("2026-06-10 08:30:00");
    job.CronString = QStringLiteral("30 08 * * *");
    job.EndTime = QStringLiteral("3");
    SendSession::Action scheduled = action(QStringLiteral("Termin am Montag"), QString());
    scheduled.schedule = job;
    EXPECT_EQ(session.sendSingle(QStringLiteral("00491701234567"), scheduled), 1);
    ASSERT_TRUE(waitForActions(3));
    EXPECT_EQ(newBodies(), recorded("scheduled.txt"));

    ASSERT_EQ(ended.size(), 4);
    for (const Ended& e : ended) {
        EXPECT_EQ(e.recipient, QStringLiteral("00491701234567"));
        EXPECT_EQ(e.kind, SendOutcome::Kind::Confirmed);
    }
}

TEST_F(SendSessionTest, MassRunWalksItsSnapshotAndCountsEveryOutcome) {
    QList<SendRules::MassEntry> entries{
        {QStringLiteral("Kunde 1"), QStringLiteral("0170111"), QStringLiteral("Montag"), {}},
        {QStringLiteral("Müller & Co"), QStringLiteral("+4917222"), QStringLiteral("Dienstag"), QStringLiteral("9 Uhr")},
        {QStringLiteral("Dritte"), QStringLiteral("0043664333"), {}, {}},
    };
    QStringList log;
    QObject::connect(&session, &SendSession::runLogLine, &session, [&](const QString& l) { log.append(l); });
    QSignalSpy progress(&session, &SendSession::runProgress);
    QSignalSpy finished(&session, &SendSession::runFinished);
    SendSession::Action a = action(QStringLiteral("Hallo %name%, Termin am %frei1% %frei2%."), QString());
    a.number.clear();
    ASSERT_TRUE(session.startMass(entries, a));
    EXPECT_TRUE(session.runActive());
    // One run at a time: a second start is refused while the first walks.
    EXPECT_FALSE(session.startMass(entries, a));
    entries.clear(); // the run walks its own copy
    ASSERT_TRUE(waitForActions(1));
    EXPECT_FALSE(session.runActive());
    EXPECT_EQ(newBodies(), recorded("mass.txt"));

    ASSERT_EQ(finished.size(), 1);
    const auto counts = finished[0][1].value<SendOutcome::RunCounts>();
    EXPECT_EQ(counts.confirmed, 3);
    EXPECT_EQ(counts.total(), 3);
    ASSERT_EQ(progress.size(), 3);
    EXPECT_EQ(progress.last()[0].value<SendSession::Progress>().status,
              QStringLiteral("Es wurden bereits 3 von 3 SMS versendet."));
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().contains(QStringLiteral("3 übermittelt"))) << log.last().toStdString();
    EXPECT_TRUE(prompts.messages().isEmpty()); // a run asks nothing and shows no reply box
}

TEST_F(SendSessionTest, CancelledRunHandsNothingNewOverAndEndsOnceTheRequestOutIsIn) {
    QList<SendRules::MassEntry> entries;
    for (int i = 0; i < 50; ++i)
        entries.append({QStringLiteral("K%1").arg(i), QStringLiteral("0170%1").arg(1000000 + i), {}, {}});
    int endedAtCancel = -1;
    QObject::connect(&session, &SendSession::requestEnded, &session, [&] {
        if (ended.size() == 2) {
            session.cancelRun();
            endedAtCancel = int(ended.size());
        }
    });
    ASSERT_TRUE(session.startMass(entries, action(QStringLiteral("Kurz"))));
    ASSERT_TRUE(waitForActions(1));
    // One request at a time: the next goes the moment an answer is in, so
    // one more may have left before the cancel; nothing after it, and what
    // left was answered and told.
    EXPECT_EQ(endedAtCancel, 2);
    EXPECT_GE(ended.size(), 2);
    EXPECT_LE(ended.size(), 3);
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toInt(), ended.size());
}

TEST_F(SendSessionTest, HandoverIsWrittenCountedAndConfirmedOnceWithoutARequest) {
    QTemporaryDir temp;
    QTemporaryDir shared;
    qputenv("TEMP", temp.path().toLocal8Bit());
    options().xmlIsServerUsed = true;
    options().XmlPfad = shared.path();
    options().xmlSingleUser = true;
    options().xmlUser = QStringLiteral("büro");
    EXPECT_EQ(session.sendSingle(QStringLiteral("00491701234567"), action(QStringLiteral("Grüße & <Termin> am Montag"))), 1);
    qunsetenv("TEMP");
    options().xmlIsServerUsed = false;
    const QStringList files = QDir(shared.path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    QFile f(QDir(shared.path()).filePath(files[0]));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), recorded("handover.xml"));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toInt(), 0);
    ASSERT_EQ(prompts.messages().size(), 1); // the hand-over confirmation, once
    EXPECT_EQ(actionsEnded, 1);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended[0].kind, SendOutcome::Kind::Confirmed);
    EXPECT_FALSE(session.tm().isActive());
}

TEST_F(SendSessionTest, ARefusedAndAnUnansweredRequestAreNotCalledConfirmed) {
    // A wrong password: the gateway answers, without a success phrase.
    SendSession::Action wrong = action(QStringLiteral("Hallo"));
    wrong.password = QStringLiteral("falsch");
    session.sendSingle(QStringLiteral("00491701234567"), wrong);
    ASSERT_TRUE(waitForActions(1));
    // A service that is gone: no answer comes.
    options().Username = ServiceProcess::demoEmail();
    session.iNet().setTimeoutMs(2000);
    QList<SendRules::MassEntry> entries{{QStringLiteral("A"), QStringLiteral("0170111"), {}, {}}};
    QSignalSpy finished(&session, &SendSession::runFinished);
    service.stop();
    ASSERT_TRUE(session.startMass(entries, action(QStringLiteral("Hallo"))));
    ASSERT_TRUE(waitForActions(2));
    ASSERT_EQ(ended.size(), 2);
    EXPECT_EQ(ended[0].kind, SendOutcome::Kind::Refused);
    EXPECT_NE(ended[1].kind, SendOutcome::Kind::Confirmed);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][1].value<SendOutcome::RunCounts>().confirmed, 0);
}

#include "PrintQt.h"
#include "ScriptedPrompts.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "config/cOptionen.h"
#include "history/JournalErrors.h"
#include "history/SendJournal.h"
#include "messaging/SendSession.h"
#include "platform/Transfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

// The journal under the real send session against the stand-in service:
// what is on record after each kind of send, resuming an interrupted run,
// two journals on one file, and files that are not sound journals.

namespace {

QList<QVariantList> rows(SendJournal& j, const QString& sql) {
    QList<QVariantList> out;
    QSqlQuery q(j.database());
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row.append(q.value(i));
        out.append(row);
    }
    return out;
}

QList<SendRules::MassEntry> numbered(int n) {
    QList<SendRules::MassEntry> entries;
    for (int i = 0; i < n; ++i)
        entries.append({QStringLiteral("Kunde %1").arg(i), QStringLiteral("0170%1").arg(2000000 + i),
                        QStringLiteral("Montag"), {}});
    return entries;
}

// A process id that is surely not running any more.
qint64 deadPid() {
    QProcess p;
    p.start(QStringLiteral("true"), {});
    p.waitForFinished();
    return p.processId() > 0 ? p.processId() : 999999;
}

class JournalUnderSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
        options().Username = ServiceProcess::demoEmail();
        ASSERT_TRUE(journal.open()) << journal.lastError().toStdString();
        session.iNet().setAccessType(Transfer::Direct);
        session.setRecord(&journal);
        QObject::connect(&session, &SendSession::actionEnded, &session, [this] { ++actionsEnded; });
        QObject::connect(&session, &SendSession::requestEnded, &session, [this] { ++requestsEnded; });
    }
    SendSession::Action action(const QString& text, const QString& password = ServiceProcess::demoPassword()) {
        SendSession::Action a;
        a.text = text;
        a.name = QStringLiteral("Anna");
        a.password = password;
        return a;
    }
    bool waitForActions(int n) {
        return QTest::qWaitFor([&] { return actionsEnded >= n; }, 30000);
    }
    int stored(const QString& number) const {
        return service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages WHERE empfaenger = ?"), {number}).toInt();
    }

    QTemporaryDir dir;
    ServiceProcess service;
    TempSettings settings;
    ScriptedPrompts prompts;
    SendJournal journal{dir.filePath(QStringLiteral("journal.sqlite"))};
    SendSession session;
    int actionsEnded = 0;
    int requestsEnded = 0;
};

} // namespace

TEST_F(JournalUnderSession, EveryKindOfSendIsOnRecordWithItsOutcomeAndNoPassword) {
    const QString secret = QStringLiteral("Geheim#4711-nicht-speichern");
    session.sendSingle(QStringLiteral("00491701234567"), action(QStringLiteral("Hallo")));
    session.sendSingle(QStringLiteral("00491701234567"), action(QString(150, QLatin1Char('a')) + QStringLiteral(" zweiter Teil beginnt hier")));
    SendSession::Action scheduled = action(QStringLiteral("Termin"));
    CCronjob job;
    job.StartTime = QStringLiteral("2027-01-05 08:30:00");
    job.CronString = QStringLiteral("30 08 * * *");
    job.EndTime = QStringLiteral("3");
    scheduled.schedule = job;
    session.sendSingle(QStringLiteral("00491701234567"), scheduled);
    session.sendSingle(QStringLiteral("00491701234567"), action(QStringLiteral("Falsch"), secret));
    ASSERT_TRUE(waitForActions(4));
    ASSERT_TRUE(session.startMass(numbered(3), action(QStringLiteral("Hallo %name%"))));
    ASSERT_TRUE(waitForActions(5));

    const auto actions = rows(journal, QStringLiteral("SELECT kind, state, schedule_cron, entries FROM actions ORDER BY id"));
    ASSERT_EQ(actions.size(), 5);
    const QStringList kinds{QStringLiteral("single"), QStringLiteral("split"), QStringLiteral("scheduled"),
                            QStringLiteral("single"), QStringLiteral("mass")};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(actions[i][0].toString(), kinds[i]) << i;
        EXPECT_EQ(actions[i][1].toString(), QStringLiteral("done")) << i;
    }
    EXPECT_EQ(actions[2][2].toString(), QStringLiteral("30 08 * * *"));
    EXPECT_EQ(actions[4][3].toInt(), 3);

    const auto requests = rows(journal, QStringLiteral("SELECT action_id, place, part, state, cost, text FROM requests ORDER BY id"));
    ASSERT_EQ(requests.size(), 8); // 1 + 2 parts + 1 + 1 refused + 3 entries
    EXPECT_EQ(requests[1][2].toInt(), 0);
    EXPECT_EQ(requests[2][2].toInt(), 1);
    EXPECT_EQ(requests[2][5].toString(), QStringLiteral("eil beginnt hier")); // the second part as sent
    EXPECT_EQ(requests[4][3].toString(), QStringLiteral("refused"));
    for (int i : {0, 1, 2, 3, 5, 6, 7})
        EXPECT_EQ(requests[i][3].toString(), QStringLiteral("confirmed")) << i;
    EXPECT_GT(requests[0][4].toInt(), 0); // the charge the reply named
    EXPECT_EQ(requests[6][1].toInt(), 1);
    EXPECT_EQ(requests[6][5].toString(), QStringLiteral("Hallo Kunde 1"));

    // Not in the file, not in its write-ahead log, not in the send log.
    QStringList files{journal.path(), journal.path() + QStringLiteral("-wal")};
    for (const QString& log : QDir(dir.path()).entryList({QStringLiteral("*-sendlog-*")}, QDir::Files))
        files.append(dir.filePath(log));
    EXPECT_EQ(files.size(), 3);
    for (const QString& name : files) {
        QFile f(name);
        if (f.open(QIODevice::ReadOnly)) {
            EXPECT_FALSE(f.readAll().contains(secret.toUtf8())) << name.toStdString();
        }
    }
    EXPECT_EQ(QFile::permissions(journal.path()) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
}

TEST_F(JournalUnderSession, AnInterruptedRunResumesOnlyWhatNeverLeft) {
    const QList<SendRules::MassEntry> entries = numbered(30);
    QObject::connect(&session, &SendSession::requestEnded, &session, [this] {
        if (requestsEnded == 10)
            session.interruptRun();
    });
    ASSERT_TRUE(session.startMass(entries, action(QStringLiteral("Hallo %name%"))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.runActive(); }, 30000));
    // The next entry goes the moment the tenth is answered: it may have left
    // before the interruption, never one after it.
    ASSERT_GE(requestsEnded, 10);
    ASSERT_LE(requestsEnded, 11);
    const int left = requestsEnded;

    // This instance "died" after the last reply; the reply to the last entry
    // that left was lost with it.
    journal.flush(); // what this instance still held in memory is lost with it below
    const qint64 recorded = rows(journal, QStringLiteral("SELECT id FROM actions"))[0][0].toLongLong();
    QSqlQuery kill(journal.database());
    ASSERT_TRUE(kill.exec(QStringLiteral("UPDATE actions SET owner_pid = %1").arg(deadPid())));
    ASSERT_TRUE(kill.exec(QStringLiteral("UPDATE requests SET state = 'handed_over' WHERE place = %1").arg(left - 1)));

    SendJournal later(journal.path());
    ASSERT_TRUE(later.open());
    const auto run = later.unfinishedRun();
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->action, recorded);
    EXPECT_EQ(run->handedOver, left);
    EXPECT_EQ(run->noAnswer, QList<int>{left - 1});
    ASSERT_EQ(run->remaining.size(), 30 - left);
    EXPECT_EQ(run->remaining.first(), left);
    EXPECT_EQ(run->text, QStringLiteral("Hallo %name%"));
    EXPECT_EQ(run->entries.size(), 30);

    // The other journal on the file (another window) may not take it too.
    ASSERT_TRUE(later.claimRun(recorded));
    EXPECT_FALSE(journal.claimRun(recorded));
    EXPECT_FALSE(journal.unfinishedRun().has_value());

    SendSession resumed;
    resumed.iNet().setAccessType(Transfer::Direct);
    resumed.setRecord(&later);
    int resumedEnded = 0;
    QObject::connect(&resumed, &SendSession::actionEnded, &resumed, [&] { ++resumedEnded; });
    ASSERT_TRUE(resumed.resumeMass(run->action, run->entries, run->remaining, action(run->text)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return resumedEnded == 1; }, 30000));

    for (const SendRules::MassEntry& e : entries)
        EXPECT_EQ(stored(QStringLiteral("0049") + e.number.mid(1)), 1) << e.number.toStdString();
    EXPECT_FALSE(later.unfinishedRun().has_value());
    EXPECT_EQ(rows(later, QStringLiteral("SELECT state FROM requests WHERE place = %1").arg(left - 1))[0][0].toString(),
              QStringLiteral("no_answer"));
    EXPECT_EQ(rows(later, QStringLiteral("SELECT COUNT(*) FROM requests WHERE state = 'confirmed'"))[0][0].toInt(), 29);
}

TEST_F(JournalUnderSession, ADiscardedRunIsNeverOfferedAgainAndAUserCancelIsNoInterruption) {
    QObject::connect(&session, &SendSession::requestEnded, &session, [this] {
        if (requestsEnded == 2)
            session.cancelRun();
    });
    ASSERT_TRUE(session.startMass(numbered(5), action(QStringLiteral("Hallo"))));
    ASSERT_TRUE(waitForActions(1));
    EXPECT_FALSE(journal.unfinishedRun().has_value());
    EXPECT_EQ(rows(journal, QStringLiteral("SELECT state FROM actions"))[0][0].toString(), QStringLiteral("cancelled"));

    requestsEnded = 0;
    QObject::disconnect(&session, &SendSession::requestEnded, nullptr, nullptr);
    QObject::connect(&session, &SendSession::requestEnded, &session, [this] {
        if (++requestsEnded == 2)
            session.interruptRun();
    });
    ASSERT_TRUE(session.startMass(numbered(5), action(QStringLiteral("Hallo"))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.runActive(); }, 30000));
    QSqlQuery q(journal.database());
    ASSERT_TRUE(q.exec(QStringLiteral("UPDATE actions SET owner_pid = %1 WHERE state = 'open'").arg(deadPid())));
    const auto run = journal.unfinishedRun();
    ASSERT_TRUE(run.has_value());
    ASSERT_TRUE(journal.discardRun(run->action));
    EXPECT_FALSE(journal.unfinishedRun().has_value());
}

TEST_F(JournalUnderSession, AJournalThatCannotBeWrittenStopsARunButNotASingleSend) {
    // Opened on a path whose folder is a file: nothing can be written.
    QFile blocker(dir.filePath(QStringLiteral("kein-ordner")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SendJournal broken(dir.filePath(QStringLiteral("kein-ordner/journal.sqlite")));
    EXPECT_FALSE(broken.open());
    EXPECT_TRUE(broken.lastError().contains(QStringLiteral("kann nicht angelegt oder beschrieben werden")))
        << broken.lastError().toStdString();
    session.setRecord(&broken);
    QStringList warnings;
    QObject::connect(&session, &SendSession::headerWarning, &session, [&](const QString& w) { warnings.append(w); });

    EXPECT_FALSE(session.startMass(numbered(3), action(QStringLiteral("Hallo"))));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith(QStringLiteral("Der Massenversand wurde nicht gestartet")));
    EXPECT_TRUE(prompts.messages()[0].text.contains(broken.lastError()));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toInt(), 0);

    session.sendSingle(QStringLiteral("00491701234567"), action(QStringLiteral("Trotzdem")));
    ASSERT_TRUE(waitForActions(1));
    EXPECT_EQ(stored(QStringLiteral("00491701234567")), 1);
    EXPECT_EQ(warnings, QStringList{SendSession::notRecordedText()});
}

TEST(JournalFiles, AFileThatIsNoSoundJournalIsMovedAsideAndANewOneStarted) {
    for (const char* name : {"not_a_database.txt", "truncated_header.sqlite", "damaged_pages.sqlite"}) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
        const QString source = QStringLiteral(VELVOX_TEST_DATA_DIR "/journal/") + QString::fromLatin1(name);
        ASSERT_TRUE(QFile::copy(source, path));
        QFile original(source);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        SendJournal journal(path);
        ASSERT_TRUE(journal.open()) << journal.lastError().toStdString();
        ASSERT_FALSE(journal.movedAsideTo().isEmpty());
        EXPECT_TRUE(journal.movedAsideTo().startsWith(path + QStringLiteral(".defekt-")));
        QFile aside(journal.movedAsideTo());
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), original.readAll()); // kept as it was
        SendRecord::ActionInfo info;
        info.text = QStringLiteral("Neu");
        EXPECT_GT(journal.actionStarted(info), 0);
        // Opened again: sound now, nothing moved.
        SendJournal again(path);
        ASSERT_TRUE(again.open());
        EXPECT_TRUE(again.movedAsideTo().isEmpty());
    }
}

TEST(JournalFiles, TwoJournalsOnOneFileWriteInTurnsWithoutLosingARow) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    SendJournal a(path);
    SendJournal b(path);
    ASSERT_TRUE(a.open());
    ASSERT_TRUE(b.open());
    for (int i = 0; i < 100; ++i) {
        SendJournal& j = i % 2 ? b : a;
        SendRecord::ActionInfo info;
        info.kind = SendRecord::ActionKind::Mass;
        info.entries = numbered(3);
        const qint64 action = j.actionStarted(info);
        ASSERT_GT(action, 0) << j.lastError().toStdString();
        const qint64 r = j.requestQueued({action, 0, 0, QStringLiteral("00491700000000"), {}, QStringLiteral("x")});
        ASSERT_TRUE(j.handingOver(r));
        j.requestEnded(r, SendOutcome::Kind::Confirmed, QStringLiteral("OK;Abgebuchte Credits: 10"));
        j.actionEnded(action, false);
    }
    EXPECT_EQ(rows(a, QStringLiteral("SELECT COUNT(*), SUM(cost) FROM requests"))[0],
              (QVariantList{100, 1000}));
    EXPECT_EQ(rows(b, QStringLiteral("SELECT COUNT(*) FROM entries"))[0][0].toInt(), 300);
    EXPECT_EQ(rows(b, QStringLiteral("PRAGMA quick_check"))[0][0].toString(), QStringLiteral("ok"));
}

TEST(JournalFiles, KeepingRemovesOnlyEndedActionsPastTheDays) {
    QTemporaryDir dir;
    SendJournal j(dir.filePath(QStringLiteral("journal.sqlite")));
    ASSERT_TRUE(j.open()) << j.lastError().toStdString();
    SendRecord::ActionInfo info;
    const qint64 ended = j.actionStarted(info);
    j.actionEnded(ended, false);
    j.actionStarted(info); // still open: kept whatever its age
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(j.removeOlderThan(365, now.addDays(300)), 0);
    EXPECT_EQ(j.removeOlderThan(365, now.addDays(366)), 1);
    EXPECT_EQ(rows(j, QStringLiteral("SELECT COUNT(*) FROM actions"))[0][0].toInt(), 1);
}

// A run's hand-overs are written on the transfer's thread while this one
// ends the requests before them: no row is lost or left half-written, and
// the write-ahead log starts again from its beginning as it goes instead of
// growing with the run.
TEST(JournalFiles, HandOversFromAnotherThreadLoseNoRowAndTheLogStaysShort) {
    constexpr int kRequests = 6000;
    QTemporaryDir dir;
    SendJournal j(dir.filePath(QStringLiteral("journal.sqlite")));
    ASSERT_TRUE(j.open());
    SendRecord::ActionInfo info;
    info.kind = SendRecord::ActionKind::Mass;
    info.entries = numbered(kRequests);
    const qint64 action = j.actionStarted(info);
    ASSERT_GT(action, 0);
    std::vector<qint64> keys;
    for (int i = 0; i < kRequests; ++i)
        keys.push_back(j.requestQueued({action, i, 0, info.entries[i].number, info.entries[i].name, QStringLiteral("Hallo")}));

    std::atomic<int> handedOver{0};
    std::atomic<int> refused{0};
    std::thread transfer([&] {
        for (qint64 key : keys) {
            if (!j.handingOver(key))
                ++refused;
            ++handedOver;
        }
    });
    for (int ended = 0; ended < kRequests;) {
        if (ended < handedOver)
            j.requestEnded(keys[ended++], SendOutcome::Kind::Confirmed, QStringLiteral("OK;Abgebuchte Credits: 10"));
    }
    transfer.join();
    j.actionEnded(action, false);

    EXPECT_EQ(refused, 0) << j.lastError().toStdString();
    EXPECT_EQ(rows(j, QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT place), SUM(cost) FROM requests WHERE state = "
                                     "'confirmed'"))[0],
              (QVariantList{kRequests, kRequests, kRequests * 10}));
    EXPECT_EQ(rows(j, QStringLiteral("SELECT COUNT(*) FROM requests"))[0][0].toInt(), kRequests);
    EXPECT_EQ(rows(j, QStringLiteral("PRAGMA quick_check"))[0][0].toString(), QStringLiteral("ok"));
    // Without starting again the log would hold every page of every commit:
    // three or more per hand-over, some 18 MB here.
    EXPECT_LT(QFileInfo(j.path() + QStringLiteral("-wal")).size(), 8 * 1024 * 1024);
}

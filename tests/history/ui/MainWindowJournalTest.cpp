#include "../../messaging/ui/MainWindowHarness.h"

#include "history/SendJournal.h"
#include "history/ui/frmVerlauf.h"
#include "mass/ui/MassMode.h"
#include "mass/ui/frmMultiSMSLog.h"
#include "widgets/ToolbarButton.h"

#include <QProcess>
#include <QSqlQuery>

#include <gtest/gtest.h>

// The journal as the main window uses it: an interrupted run offered at the
// start with its question, sent on, kept or discarded; the toolbar's
// "Verlauf"; what a send from the window leaves on record.

namespace {

qint64 deadPid() {
    QProcess p;
    p.start(QStringLiteral("true"), {});
    p.waitForFinished();
    return p.processId() > 0 ? p.processId() : 999999;
}

// A run of five entries in the harness's journal, two of them handed over
// (one confirmed, one without an answer), left by a program that died.
qint64 leaveInterruptedRun() {
    SendJournal j(SendJournal::defaultPath());
    EXPECT_TRUE(j.open());
    SendRecord::ActionInfo info;
    info.kind = SendRecord::ActionKind::Mass;
    info.text = QStringLiteral("Hallo %name%");
    for (int i = 0; i < 5; ++i)
        info.entries.append({QStringLiteral("Kunde %1").arg(i), QStringLiteral("0170%1").arg(4000000 + i), {}, {}});
    const qint64 action = j.actionStarted(info);
    for (int place : {0, 1}) {
        const qint64 r = j.requestQueued({action, place, 0, QStringLiteral("0049170400000%1").arg(place), {}, {}});
        EXPECT_TRUE(j.handingOver(r));
        if (place == 0)
            j.requestEnded(r, SendOutcome::Kind::Confirmed, QStringLiteral("OK"));
    }
    QSqlQuery q(j.database());
    EXPECT_TRUE(q.exec(QStringLiteral("UPDATE actions SET owner_pid = %1, started = '2026-12-08T14:03:00.000'")
                           .arg(deadPid())));
    return action;
}

QString actionState(qint64 action) {
    SendJournal j(SendJournal::defaultPath());
    EXPECT_TRUE(j.open());
    QSqlQuery q(j.database());
    EXPECT_TRUE(q.exec(QStringLiteral("SELECT state FROM actions WHERE id = %1").arg(action)) && q.next());
    return q.value(0).toString();
}

const QString kQuestion = QStringLiteral(
    "Der Massenversand vom 08.12.2026 14:03 wurde unterbrochen: 2 von 5 Nachrichten wurden übergeben. Möchten Sie "
    "die übrigen 3 Nachrichten jetzt versenden?");

} // namespace

TEST(MainWindowJournal, AnInterruptedRunIsOfferedAtTheStartAndSendsOnlyWhatNeverLeft) {
    MainWindowHarness h;
    const qint64 action = leaveInterruptedRun();
    h.prompts.queueAnswer(Prompts::Answer::Yes); // "Ja"
    h.prompts.queueAnswer(Prompts::Answer::Yes); // the mass question
    h.load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.prompts.messages().isEmpty(); }, 5000));
    const Prompts::Message offer = h.prompts.messages()[0];
    EXPECT_TRUE(offer.text.startsWith(kQuestion)) << offer.text.toStdString();
    EXPECT_TRUE(offer.text.contains(QStringLiteral("Für 1 der übergebenen Nachrichten kam keine Antwort (01704000001)")))
        << offer.text.toStdString();
    EXPECT_EQ(offer.captions, (QStringList{QStringLiteral("Ja"), QStringLiteral("Verwerfen"), QStringLiteral("Nein")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return actionState(action) == QStringLiteral("done"); }, 20000));
    const auto rows = h.service->query(QStringLiteral("SELECT empfaenger, text FROM messages ORDER BY id"));
    ASSERT_EQ(rows.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i][0].toString(), QStringLiteral("0049170400000%1").arg(i + 2));
        EXPECT_EQ(rows[i][1].toString(), QStringLiteral("Hallo Kunde %1").arg(i + 2));
    }
    EXPECT_TRUE(h.window->massModeControl().logWindow()->logText().contains(QStringLiteral("3 übermittelt")));
    EXPECT_FALSE(h.window->massModeControl().runActive());
}

TEST(MainWindowJournal, NoKeepsTheRunForLaterAndVerwerfenClosesIt) {
    MainWindowHarness h;
    const qint64 action = leaveInterruptedRun();
    h.prompts.queueAnswer(Prompts::Answer::Cancel); // "Nein"
    h.load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.prompts.messages().size() == 1; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(actionState(action), QStringLiteral("open"));
    EXPECT_EQ(h.messagesStored(), 0);

    // Offered again when mass mode opens; "Verwerfen" now.
    h.prompts.clear();
    h.prompts.queueAnswer(Prompts::Answer::No);
    emit h.ui().tbMultiSMS->Click();
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_TRUE(h.prompts.messages()[0].text.startsWith(kQuestion));
    EXPECT_EQ(actionState(action), QStringLiteral("discarded"));
    emit h.ui().tbMultiSMS->Click(); // out of mass mode
    h.prompts.clear();
    emit h.ui().tbMultiSMS->Click(); // and in again: nothing to offer
    EXPECT_TRUE(h.prompts.messages().isEmpty());
    EXPECT_EQ(h.messagesStored(), 0);
}

TEST(MainWindowJournal, ASendFromTheWindowIsOnRecordAndTheToolbarOpensItsHistory) {
    MainWindowHarness h;
    h.load();
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.enterText(QStringLiteral("Termin morgen um 9 Uhr"));
    h.clickSend();
    ASSERT_TRUE(h.waitForMessages(1));

    SendJournal j(SendJournal::defaultPath());
    ASSERT_TRUE(j.open());
    QSqlQuery q(j.database());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT a.kind, a.state, r.recipient, r.state, r.text FROM actions a "
                                      "JOIN requests r ON r.action_id = a.id")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("single"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("done"));
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("00491701234567"));
    EXPECT_EQ(q.value(3).toString(), QStringLiteral("confirmed"));
    EXPECT_EQ(q.value(4).toString(), QStringLiteral("Termin morgen um 9 Uhr"));
    EXPECT_FALSE(q.next());

    emit h.ui().tbVerlauf->Click();
    frmVerlauf* history = h.window->findChild<frmVerlauf*>();
    ASSERT_NE(history, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(history));
    EXPECT_EQ(history->windowTitle(), QStringLiteral("Verlauf"));
    emit history->reuseText(QStringLiteral("Noch einmal"));
    EXPECT_EQ(h.ui().txtSMS->toPlainText(), QStringLiteral("Noch einmal"));
    // One window: the toolbar brings the same one back.
    emit h.ui().tbVerlauf->Click();
    EXPECT_EQ(h.window->findChildren<frmVerlauf*>().size(), 1);
}

TEST(MainWindowJournal, EntriesWithoutAnswerGoAgainOnlyWhenTheUserAsksFromTheHistory) {
    MainWindowHarness h;
    const qint64 action = leaveInterruptedRun();
    h.prompts.queueAnswer(Prompts::Answer::No); // "Verwerfen": nothing goes by itself
    h.load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return actionState(action) == QStringLiteral("discarded"); }, 5000));
    EXPECT_EQ(h.messagesStored(), 0);

    emit h.ui().tbVerlauf->Click();
    frmVerlauf* history = h.window->findChild<frmVerlauf*>();
    ASSERT_NE(history, nullptr);
    h.prompts.clear();
    h.prompts.queueAnswer(Prompts::Answer::Yes); // the mass question, for one message
    emit history->resendRequested(action, {1});
    ASSERT_TRUE(QTest::qWaitFor([&] { return actionState(action) == QStringLiteral("done"); }, 20000));
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_TRUE(h.prompts.messages()[0].text.contains(QStringLiteral("die 1 Nachrichten"))) << h.prompts.messages()[0].text.toStdString();
    const auto rows = h.service->query(QStringLiteral("SELECT empfaenger FROM messages"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("00491704000001"));
}

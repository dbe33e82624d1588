#include "PrintQt.h"

#include "history/SendJournal.h"
#include "history/SendLog.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// The send log beside the journal: what a process that died left in it is
// taken into the journal by the next one, exactly once, up to the first
// record that is not sound; the log of a writer that still runs is left to it.

namespace {

QList<SendRules::MassEntry> entries(int n) {
    QList<SendRules::MassEntry> out;
    for (int i = 0; i < n; ++i)
        out.append({QStringLiteral("Kunde %1").arg(i), QStringLiteral("0170%1").arg(1000000 + i), {}, {}});
    return out;
}

qint64 startRun(SendJournal& j, int n) {
    SendRecord::ActionInfo info;
    info.kind = SendRecord::ActionKind::Mass;
    info.text = QStringLiteral("Hallo");
    info.entries = entries(n);
    return j.actionStarted(info);
}

// place, state and cost of every request, in order.
QStringList requests(SendJournal& j) {
    QStringList out;
    QSqlQuery q(j.database());
    EXPECT_TRUE(q.exec(QStringLiteral("SELECT place, state, COALESCE(cost, -1) FROM requests ORDER BY id")));
    while (q.next())
        out.append(QStringLiteral("%1 %2 %3").arg(q.value(0).toInt()).arg(q.value(1).toString()).arg(q.value(2).toInt()));
    return out;
}

QStringList logsIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList({QStringLiteral("*-sendlog-*")}, QDir::Files);
}

} // namespace

TEST(SendLogFiles, ALogLeftBehindIsTakenInOnceUpToItsFirstUnsoundRecord) {
    // The files hold requests of action 1: entry 0 handed over and confirmed
    // (10 credits), entry 1 handed over; then each goes wrong its own way.
    const QStringList whole{QStringLiteral("0 confirmed 10"), QStringLiteral("1 handed_over -1")};
    const struct {
        const char* file;
        QStringList taken;
    } cases[] = {
        {"whole.log", whole},
        {"cut_short.log", whole}, // a record cut off by a power cut
        {"damaged_answer.log", {QStringLiteral("0 handed_over -1")}},
        {"unknown_kind.log", {}},
        {"field_past_end.log", {}},
        {"huge_length.log", {}},
        {"garbage.log", {}},
        {"zeros.log", {}},
        {"empty.log", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
        {
            SendJournal first(path);
            ASSERT_TRUE(first.open());
            ASSERT_EQ(startRun(first, 3), 1);
        }
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELVOX_TEST_DATA_DIR "/sendlog/") + QString::fromLatin1(c.file),
                                path + QStringLiteral("-sendlog-gone")));
        SendJournal next(path);
        ASSERT_TRUE(next.open()) << next.lastError().toStdString();
        EXPECT_EQ(requests(next), c.taken);
        EXPECT_TRUE(logsIn(dir).isEmpty()) << logsIn(dir).join(u' ').toStdString();
        const std::optional<SendJournal::OpenRun> run = next.runOf(1);
        ASSERT_TRUE(run.has_value());
        EXPECT_EQ(run->handedOver, c.taken.size()); // a resume would not send these again

        SendJournal again(path);
        ASSERT_TRUE(again.open());
        EXPECT_EQ(requests(again), c.taken);
    }
}

TEST(SendLogFiles, AKilledWriterLosesNothingItLoggedAndALiveOnesLogIsLeftToIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    constexpr int kRequests = 40;
    const pid_t child = fork();
    if (child == 0) {
        // Hands over one request after the other, each with the answer before
        // it, as a run does; half of it reaches the tables, then it dies.
        SendJournal j(path);
        if (!j.open())
            _exit(1);
        const qint64 action = startRun(j, kRequests);
        QList<qint64> keys;
        for (int i = 0; i < kRequests; ++i)
            keys.append(j.requestQueued({action, i, 0, entries(kRequests)[i].number, {}, QStringLiteral("Hallo")}));
        for (int i = 0; i < kRequests; ++i) {
            if (i > 0)
                j.answerIn(keys[i - 1], SendOutcome::Kind::Confirmed, QStringLiteral("OK;Abgebuchte Credits: 10"));
            if (!j.handingOver(keys[i]))
                _exit(1);
            if (i == kRequests / 2)
                j.flush();
        }
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended on its own: " << status;
    ASSERT_EQ(logsIn(dir).size(), 1);

    SendJournal next(path);
    ASSERT_TRUE(next.open()) << next.lastError().toStdString();
    const QStringList taken = requests(next);
    ASSERT_EQ(taken.size(), kRequests);
    for (int i = 0; i < kRequests; ++i) {
        // The last one's answer never came: it stays handed over.
        const QString expected = i + 1 < kRequests ? QStringLiteral("%1 confirmed 10").arg(i)
                                                   : QStringLiteral("%1 handed_over -1").arg(i);
        EXPECT_EQ(taken[i], expected);
    }
    EXPECT_TRUE(logsIn(dir).isEmpty());

    // This instance's own log is in use: another one opened meanwhile leaves
    // it alone, so nothing goes in twice. Closed, it leaves no log behind.
    {
        SendJournal live(path);
        ASSERT_TRUE(live.open());
        const qint64 single = live.actionStarted({});
        const qint64 key = live.requestQueued({single, -1, 0, QStringLiteral("00491701234567"), {}, QStringLiteral("x")});
        ASSERT_TRUE(live.handingOver(key));
        SendJournal other(path);
        ASSERT_TRUE(other.open());
        live.requestEnded(key, SendOutcome::Kind::Confirmed, QStringLiteral("OK"));
        live.actionEnded(single, false);
        QSqlQuery q(other.database());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*), MIN(state) FROM requests WHERE action_id = %1").arg(single)));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 1);
        EXPECT_EQ(q.value(1).toString(), QStringLiteral("confirmed"));
        EXPECT_EQ(logsIn(dir).size(), 1);
    }
    EXPECT_TRUE(logsIn(dir).isEmpty());
}

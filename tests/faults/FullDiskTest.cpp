// Writing with the disk full: each save runs in a child process whose file
// size limit (RLIMIT_FSIZE, SIGXFSZ ignored) makes every write past it fail
// the way a full disk does. The save must say so, leave the file that was
// there as it was, and leave no half-written file behind.
#include "TempSettings.h"

#include "ScriptedPrompts.h"

#include "config/cOptionen.h"
#include "history/SendJournal.h"
#include "messaging/SendSession.h"
#include "mass/CsvExport.h"
#include "mass/MsmsFile.h"
#include "platform/ToolRegistry.h"
#include "server/xmlServer.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Larger than every file a case leaves in place, smaller than every new one.
constexpr rlim_t kLimitBytes = 4096;

// Runs the save in a child with the size limit; the child's exit code is
// the save's success (0) or failure (1). A crash or hang counts as neither.
int runWithFullDisk(const std::function<bool()>& save, rlim_t bytes = kLimitBytes) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        alarm(30);
        _exit(save() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

QList<RecipientEntry> manyEntries(int n = 500) {
    QList<RecipientEntry> entries;
    for (int i = 0; i < n; ++i)
        entries.append({QStringLiteral("Empfänger %1").arg(i), QStringLiteral("0049170%1").arg(1000000 + i),
                        QStringLiteral("Praxis"), QStringLiteral("Montag"), i + 1});
    return entries;
}

} // namespace

TEST(FullDisk, MsmsSaveFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.msms"));
    const QList<RecipientEntry> old{{QStringLiteral("Alt"), QStringLiteral("00491700000001"), {}, {}, 1}};
    ASSERT_TRUE(MsmsFile::save(path, old).ok);
    const QByteArray before = bytesOf(path);

    EXPECT_EQ(runWithFullDisk([&] {
                  const MsmsFile::SaveResult r = MsmsFile::save(path, manyEntries());
                  // The user is told why: the message carries the device's reason.
                  return r.ok || MsmsFile::saveFailureText(r).count(QLatin1Char('\n')) < 2;
              }),
              1);
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("liste.msms")});
    // With room again the same save goes through.
    EXPECT_TRUE(MsmsFile::save(path, manyEntries()).ok);
    EXPECT_EQ(MsmsFile::load(path)->count(), 500);
}

// Lists that fit in the file's write buffer: the failing write happens only
// when the buffer is flushed, and must still fail the save.
TEST(FullDisk, SmallListsThatOverflowOnlyOnTheLastWriteAreNotSavedHalf) {
    for (int n : {110, 150, 300}) {
        SCOPED_TRACE(n);
        QTemporaryDir dir;
        const QString msms = dir.filePath(QStringLiteral("liste.msms"));
        const QString csv = dir.filePath(QStringLiteral("liste.csv"));
        const QList<RecipientEntry> old{{QStringLiteral("Alt"), QStringLiteral("00491700000001"), {}, {}, 1}};
        ASSERT_TRUE(MsmsFile::save(msms, old).ok);
        ASSERT_TRUE(CsvExport::save(csv, old));
        const QByteArray msmsBefore = bytesOf(msms);
        const QByteArray csvBefore = bytesOf(csv);
        EXPECT_EQ(runWithFullDisk([&] { return MsmsFile::save(msms, manyEntries(n)).ok; }), 1);
        EXPECT_EQ(runWithFullDisk([&] { return CsvExport::save(csv, manyEntries(n)); }), 1);
        EXPECT_EQ(bytesOf(msms), msmsBefore);
        EXPECT_EQ(bytesOf(csv), csvBefore);
        EXPECT_EQ(filesIn(dir.path()), (QStringList{QStringLiteral("liste.csv"), QStringLiteral("liste.msms")}));
    }
}

TEST(FullDisk, SettingsSaveFailsAndKeepsTheStoredValues) {
    TempSettings settings;
    options().Username = QStringLiteral("alt@example.org");
    options().kennwort = QStringLiteral("alt");
    ASSERT_TRUE(options().save());
    const QByteArray before = bytesOf(settings.iniPath());

    EXPECT_EQ(runWithFullDisk([&] {
                  options().Username = QString(6000, QLatin1Char('n')) + QStringLiteral("@example.org");
                  options().kennwort = QStringLiteral("neu");
                  return options().save();
              }),
              1);
    EXPECT_EQ(bytesOf(settings.iniPath()), before);
    EXPECT_EQ(filesIn(settings.dir()), QStringList{QStringLiteral("settings.ini")});
    settings.reload();
    EXPECT_EQ(options().Username, QStringLiteral("alt@example.org"));
    EXPECT_EQ(options().kennwort, QStringLiteral("alt"));
}

TEST(FullDisk, CompanyServerDropFailsWithItsMessageAndLeavesNothing) {
    QTemporaryDir temp;
    QTemporaryDir drop;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    xmlServer::AccountRequest r{QStringLiteral("kunde@example.org"), QStringLiteral("geheim"), QStringLiteral("fritz"),
                                QStringLiteral("+491701234567"), QStringLiteral("Praxis"), QString(8000, u'x'),
                                QStringLiteral("Velvox"), QStringLiteral("3.0.99")};
    EXPECT_EQ(runWithFullDisk([&] {
                  const xmlServer::HandoverResult h = xmlServer::writeAccountRequest(r, drop.path());
                  return h.ok || !h.error.startsWith(QStringLiteral("Die Anfrage konnte nicht"));
              }),
              1);
    EXPECT_TRUE(filesIn(drop.path()).isEmpty());
    EXPECT_TRUE(filesIn(temp.path()).isEmpty());
    // A small request still fits and is delivered whole.
    r.text = QStringLiteral("Hallo");
    EXPECT_EQ(runWithFullDisk([&] { return xmlServer::writeAccountRequest(r, drop.path()).ok; }), 0);
    EXPECT_EQ(filesIn(drop.path()).size(), 1);
    EXPECT_TRUE(filesIn(temp.path()).isEmpty());
    qunsetenv("TEMP");
}

TEST(FullDisk, AJournalThatCannotGrowStopsTheRunBeforeAnythingIsSentAndKeepsWhatItHeld) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    {
        SendJournal j(path);
        ASSERT_TRUE(j.open());
        SendRecord::ActionInfo info;
        info.text = QStringLiteral("Vorher gesendet");
        j.actionEnded(j.actionStarted(info), false);
    }
    QList<SendRules::MassEntry> entries;
    for (int i = 0; i < 3000; ++i)
        entries.append({QStringLiteral("Empfänger %1").arg(i), QStringLiteral("0170%1").arg(1000000 + i),
                        QStringLiteral("Praxis"), QStringLiteral("Montag")});
    // Room for the journal's index and a little more, not for the run's list.
    EXPECT_EQ(runWithFullDisk(
                  [&] {
                      ScriptedPrompts prompts;
                      SendJournal j(path);
                      j.open();
                      SendSession session;
                      session.setRecord(&j);
                      SendSession::Action a;
                      a.text = QStringLiteral("Hallo %name%");
                      const bool started = session.startMass(entries, a);
                      if (started || prompts.messages().size() != 1)
                          return false;
                      const QString text = prompts.messages()[0].text;
                      return text.startsWith(QStringLiteral("Der Massenversand wurde nicht gestartet")) &&
                             (text.contains(QStringLiteral("kein Platz mehr")) ||
                              text.contains(QStringLiteral("Beim Schreiben auf den Datenträger")));
                  },
                  96 * 1024),
              0);
    SendJournal after(path);
    ASSERT_TRUE(after.open()) << after.lastError().toStdString();
    QSqlQuery q(after.database());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT text, state FROM actions")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("Vorher gesendet"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("done"));
    EXPECT_FALSE(q.next()); // the run that could not be written left nothing
    EXPECT_FALSE(after.unfinishedRun().has_value());
}

TEST(FullDisk, HandOversStopWithTheReasonOnceTheLogCannotGrowAndEveryOneBeforeIsKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    {
        SendJournal j(path);
        ASSERT_TRUE(j.open());
    }
    // Counted where the parent reads it: the child's own files cannot take it.
    auto* handed = static_cast<int*>(mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(handed, MAP_FAILED);
    *handed = 0;
    const QString text(300, QLatin1Char('x'));
    EXPECT_EQ(runWithFullDisk(
                  [&] {
                      SendJournal j(path);
                      if (!j.open())
                          return false;
                      SendRecord::ActionInfo info;
                      info.kind = SendRecord::ActionKind::Mass;
                      for (int i = 0; i < 20; ++i)
                          info.entries.append({QStringLiteral("Kunde %1").arg(i), QStringLiteral("0170%1").arg(i), {}, {}});
                      const qint64 action = j.actionStarted(info);
                      if (action < 0)
                          return false;
                      for (int i = 0; i < 5000; ++i) {
                          const qint64 key = j.requestQueued({action, i % 20, i / 20, QStringLiteral("0170"), {}, text});
                          if (!j.handingOver(key))
                              return i > 0 && j.lastError().contains(QStringLiteral("kein Platz mehr"));
                          *handed = i + 1;
                          j.requestEnded(key, SendOutcome::Kind::Confirmed, QStringLiteral("OK"));
                      }
                      return false; // the limit was never reached
                  },
                  256 * 1024),
              0);
    const int logged = *handed;
    munmap(handed, sizeof(int));
    // What the child could not take into its tables any more is in its log,
    // and goes in with the next journal opened on the file.
    SendJournal after(path);
    ASSERT_TRUE(after.open()) << after.lastError().toStdString();
    QSqlQuery q(after.database());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT place * 1000 + part) FROM requests")));
    ASSERT_TRUE(q.next());
    EXPECT_GT(logged, 0);
    EXPECT_EQ(q.value(0).toInt(), logged);
    EXPECT_EQ(q.value(1).toInt(), logged);
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*-sendlog-*")}, QDir::Files).isEmpty());
}

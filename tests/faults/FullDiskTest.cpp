// Writing with the disk full: each save runs in a child process whose file
// size limit (RLIMIT_FSIZE, SIGXFSZ ignored) makes every write past it fail
// the way a full disk does. The save must say so, leave the file that was
// there as it was, and leave no half-written file behind.
#include "TempSettings.h"

#include "config/cOptionen.h"
#include "mass/MsmsFile.h"
#include "platform/ToolRegistry.h"
#include "server/xmlServer.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Larger than every file a case leaves in place, smaller than every new one.
constexpr rlim_t kLimitBytes = 4096;

// Runs the save in a child with the size limit; the child's exit code is
// the save's success (0) or failure (1). A crash or hang counts as neither.
int runWithFullDisk(const std::function<bool()>& save) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kLimitBytes, kLimitBytes};
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

QList<RecipientEntry> manyEntries() {
    QList<RecipientEntry> entries;
    for (int i = 0; i < 500; ++i)
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

// Measures the embedded pages' cost: start-up time to the main window beyond
// the splash pauses, and idle memory (PSS of the client and every process it
// started, the stand-in service left out) with no page open and with the
// phonebook open. Runs the real client against a real stand-in service.

#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/cOptionen.h"
#include "platform/ProgramDir.h"
#include "platform/ToolRegistry.h"
#include "ui_frmMain.h"
#include "web/ui/PhonebookDock.h"
#include "widgets/WebBrowser.h"
#include "web/ui/frmPhonebook.h"
#include "widgets/ToolbarButton.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kLoadSteps = 11; // status texts of the main window load
constexpr int kSettleMs = 4000;

void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

qint64 parentOf(const QString& pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    // "pid (name) state ppid ...": the name may hold blanks, so start after ")".
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : -1;
}

qint64 pssKiB(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// PSS of this process and all its descendants except the one left out.
qint64 treePssKiB(qint64 leaveOut, int* processes) {
    QHash<qint64, qint64> parent;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric)
            parent.insert(pid, parentOf(entry));
    }
    const qint64 self = QCoreApplication::applicationPid();
    qint64 total = 0;
    *processes = 0;
    for (auto it = parent.cbegin(); it != parent.cend(); ++it) {
        qint64 p = it.key();
        while (p > 1 && p != self && p != leaveOut)
            p = parent.value(p, -1);
        if (p == self && it.key() != leaveOut) {
            total += pssKiB(it.key());
            ++*processes;
        }
    }
    return total;
}

void report(const char* what, qint64 leaveOut) {
    int processes = 0;
    const qint64 kib = treePssKiB(leaveOut, &processes);
    std::printf("%-34s %8.1f MB PSS in %d processes\n", what, kib / 1024.0, processes);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velvox);

    QProcess service;
    service.setStandardErrorFile(dir.filePath(QStringLiteral("service.log")));
    service.start(QStringLiteral(VELVOX_SERVICE_BINARY),
                  {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--db"),
                   dir.filePath(QStringLiteral("service.db")), QStringLiteral("--seed"),
                   QStringLiteral("--info-version"), QStringLiteral("0")});
    if (!service.waitForReadyRead(30000)) {
        std::fprintf(stderr, "velvox-service did not start\n");
        return 1;
    }
    const QString url = QString::fromUtf8(service.readLine()).trimmed().section(QLatin1Char(' '), 2);
    const QString hostPort = QString(url).remove(QStringLiteral("http://")).remove(QLatin1Char('/'));
    QProcess oem;
    oem.start(QStringLiteral(VELVOX_SERVICE_BINARY),
              {QStringLiteral("--listen"), hostPort, QStringLiteral("--print-oem")});
    oem.waitForFinished();
    QFile profile(dir.filePath(QStringLiteral("oem.inf")));
    if (!profile.open(QIODevice::WriteOnly) || profile.write(oem.readAllStandardOutput()) <= 0)
        return 1;
    profile.close();
    ProgramDir::setPath(dir.path());
    ToolRegistry::setStoreFile(dir.filePath(QStringLiteral("velvox.ini")));
    options().Username = QStringLiteral("demo@velvox.example");
    options().kennwort = QStringLiteral("velvox");
    options().FirstStartHasRun = true;
    options().save();

    const qint64 beforeWindow = sinceStart.elapsed();
    QElapsedTimer load;
    load.start();
    frmMain* window = Startup::showMainWindow();
    const qint64 loadMs = load.elapsed();
    if (!window)
        return 1;
    const qint64 pauses = qint64(kLoadSteps) * frmSplash::stepPauseMs();
    std::printf("%-34s %8lld ms\n", "start-up beyond the splash pauses",
                static_cast<long long>(loadMs - pauses));
    std::printf("%-34s %8lld ms\n", "before it: Qt and the service", static_cast<long long>(beforeWindow));
    std::printf("%-34s %8lld ms (%d steps of %d ms)\n", "main window load in all",
                static_cast<long long>(loadMs), kLoadSteps, frmSplash::stepPauseMs());

    idle(kSettleMs);
    report("idle, no page open", service.processId());

    QElapsedTimer pageTime;
    pageTime.start();
    emit window->ui().tbPhonebook->Click();
    frmPhonebook* book = window->phonebook().window();
    bool loaded = false;
    QObject::connect(&book->browser(), &WebBrowser::documentComplete, &app,
                     [&](const QUrl&, bool ok) { loaded = ok; });
    while (!loaded && pageTime.elapsed() < 30000)
        idle(20);
    std::printf("%-34s %8lld ms%s\n", "phonebook page shown after",
                static_cast<long long>(pageTime.elapsed()), loaded ? "" : " (did not load)");
    idle(kSettleMs);
    report("idle, phonebook open", service.processId());

    window->phonebook().dispose();
    idle(kSettleMs);
    report("idle, phonebook closed again", service.processId());

    window->close();
    service.terminate();
    service.waitForFinished();
    return loaded ? 0 : 1;
}

// Start-up against a service that takes every connection and never answers:
// the time from the start to the main window, next to its 25 s limit. The
// no-connection window is closed by its frame as soon as it is up, as a user
// who goes on without a connection would.
// Runs the real start sequence (splash, version check, balance, news).

#include "app/Startup.h"
#include "app/frmMain.h"
#include "config/cOptionen.h"
#include "platform/ProgramDir.h"
#include "platform/ToolRegistry.h"
#include "widgets/WebBrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
constexpr double kLimitS = 25.0;
}

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velvox);
    QTemporaryDir dir;

    // Takes every connection and keeps it without a byte of answer.
    QTcpServer silent;
    if (!silent.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen\n");
        return 1;
    }
    QList<QTcpSocket*> held;
    QObject::connect(&silent, &QTcpServer::newConnection, &silent, [&] {
        while (QTcpSocket* s = silent.nextPendingConnection())
            held << s;
    });
    QProcess oem;
    oem.start(QStringLiteral(VELVOX_SERVICE_BINARY),
              {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()),
               QStringLiteral("--print-oem")});
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
    options().InfoVersion = 1;
    options().save();

    int noConnectionWindows = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &app, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmNoInternet") && w->isVisible()) {
                ++noConnectionWindows;
                w->close();
            }
        }
    });
    closer.start(20);

    Startup::prepareApplication();
    const qint64 before = sinceStart.elapsed();
    QElapsedTimer load;
    load.start();
    bool wizard = false;
    frmMain* window = Startup::start(Startup::isFirstStart, &wizard);
    const double upS = sinceStart.elapsed() / 1000.0;
    const double loadS = load.elapsed() / 1000.0;
    closer.stop();
    if (!window) {
        std::fprintf(stderr, "no main window\n");
        return 1;
    }
    std::printf("%-44s %6.1f s (limit %.0f s): %s\n", "main window up after, every request silent", upS, kLimitS,
                upS < kLimitS ? "within" : "OVER");
    std::printf("%-44s %6.1f s\n", "of it: Qt, settings, profile", before / 1000.0);
    std::printf("%-44s %6.1f s\n", "of it: splash to main window", loadS);
    std::printf("%-44s %6d\n", "no-connection windows closed", noConnectionWindows);
    std::printf("%-44s %6d\n", "connections the service held", int(held.size()));
    window->close();
    return upS < kLimitS ? 0 : 1;
}

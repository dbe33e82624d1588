// Shows the program's windows on a real X server, prepared as the program
// start prepares the application, and prints the title each window carries
// there: one line per window, its object name, a tab, its _NET_WM_NAME.

#include "TempSettings.h"

#include "account/ui/frmLogin.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmMinimizeNotice.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>

namespace {

// xprop prints `_NET_WM_NAME = "text"`.
QString windowSystemTitle(const QWidget& w) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-notype"), QStringLiteral("-id"),
                                          QString::number(w.winId()), QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(10000))
        return QStringLiteral("<xprop failed>");
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype first = out.indexOf(QLatin1Char('"'));
    const qsizetype last = out.lastIndexOf(QLatin1Char('"'));
    return first >= 0 && last > first ? out.mid(first + 1, last - first - 1) : QStringLiteral("<none>");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velvox);
    TempSettings settings;
    Startup::prepareApplication();

    frmLogin login;
    login.setEmail(QStringLiteral("demo@velvox.example"));
    frmMinimizeNotice notice;
    frmMain main;
    const QList<QWidget*> windows = {&login, &notice, &main};
    for (QWidget* w : windows) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            return 2;
    }
    for (QWidget* w : windows)
        std::printf("%s\t%s\n", qPrintable(w->objectName()), windowSystemTitle(*w).toUtf8().constData());
    return 0;
}

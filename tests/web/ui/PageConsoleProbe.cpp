// Shows one address in the program's embedded browser, in a process prepared
// as the program prepares its own, and prints "loaded 1" (or "loaded 0") once
// the page has loaded and had a moment to write to its console. What the
// process writes to standard error is the test's to read.

#include "widgets/WebBrowser.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    prepareWebEngine();
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    WebBrowser browser;
    browser.resize(480, 320);
    browser.show();
    bool done = false;
    bool ok = false;
    QObject::connect(&browser, &WebBrowser::documentComplete, &browser, [&](const QUrl&, bool loaded) {
        done = true;
        ok = loaded;
    });
    browser.navigate(QString::fromLocal8Bit(argv[1]));
    if (!QTest::qWaitFor([&] { return done; }, 30000))
        ok = false;
    // The page's timer writes once more after the load.
    QTest::qWait(1500);
    std::printf("loaded %d\n", ok ? 1 : 0);
    std::fflush(stdout);
    return 0;
}

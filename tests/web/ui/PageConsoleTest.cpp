#include "ScriptedServer.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The page writes its own address (password and all) to its console, as a
// log line, an error and an uncaught exception, and asks for a picture that
// is not there, which the browser reports with that picture's address.
const QByteArray kPage =
    "<html><head><title>Konsole</title></head><body>Telefonbuch"
    "<img src=\"/fehlt.png?passwort=Geheim123\">"
    "<script>"
    "console.log('Seite ' + location.href);"
    "console.error('Fehler auf ' + location.href);"
    "setTimeout(function () { console.warn(location.search); new Image().src = '/ran'; }, 200);"
    "setTimeout(function () { throw new Error(location.href); }, 300);"
    "</script></body></html>";

TEST(PageConsole, NothingOfAPageReachesTheProgramsOutput) {
    ScriptedServer server;
    server.setReply(QStringLiteral("/telefonbuch.php"), {kPage, "text/html; charset=windows-1252"});
    server.setReply(QStringLiteral("/ran"), {"", "image/png"});
    QProcess probe;
    probe.start(QStringLiteral(VELVOX_CONSOLE_PROBE),
                {server.url(QStringLiteral("/telefonbuch.php?email=demo@velvox.example&passwort=Geheim123"))});
    ASSERT_TRUE(probe.waitForFinished(60000)) << probe.errorString().toStdString();
    const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(probe.readAllStandardError());
    ASSERT_TRUE(out.contains(QStringLiteral("loaded 1"))) << out.toStdString() << err.toStdString();
    // The page's script did run and write.
    EXPECT_EQ(server.requestCount(QStringLiteral("/ran")), 1);
    EXPECT_EQ(server.requestCount(QStringLiteral("/fehlt.png")), 1);
    for (const char* leak : {"Geheim123", "passwort=", "email=", "/telefonbuch.php", "fehlt.png"})
        EXPECT_FALSE(err.contains(QString::fromLatin1(leak))) << leak << " in:\n" << err.toStdString();
}

} // namespace

#include "widgets/WebBrowser.h"
#include "BrowserDriver.h"
#include "ScriptedServer.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QStringConverter>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace BrowserDriver;

namespace {

// A page written in Windows-1252 as the service writes its pages, with links
// of the program's schemes as the page wrote them.
QByteArray linkPage() {
    const QString html = QStringLiteral(
        "<html><head><meta charset=\"windows-1252\"><title>Links</title></head><body>"
        "<a id=\"anna\" href=\"telefon://Anna%20Huber@0043664/123456\">Anna</a>"
        "<a id=\"umlaut\" href=\"telefon://J\u00fcrgen%20Gro\u00df@0049152012/34567\">J\u00fcrgen</a>"
        "<a id=\"close\" href=\"close://\">Schlie\u00dfen</a>"
        "<a id=\"nested\" href=\"close://\"><span id=\"inner\">x</span></a>"
        "<a id=\"next\" href=\"/next.html\">weiter</a>"
        "<button id=\"scripted\" onclick=\"location.href='close://skript'\">b</button>"
        "</body></html>");
    return QStringEncoder(QStringConverter::Latin1).encode(html);
}

class WebBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.setReply(QStringLiteral("/links.html"), {linkPage(), "text/html; charset=windows-1252"});
        server.setReply(QStringLiteral("/next.html"),
                        {"<html><body>zweite Seite</body></html>", "text/html; charset=windows-1252"});
        browser.resize(640, 480);
        browser.show();
    }

    bool openLinkPage() {
        return loadAndWait(browser, [&] { browser.navigate(server.url(QStringLiteral("/links.html"))); });
    }

    ScriptedServer server;
    WebBrowser browser;
};

TEST_F(WebBrowserTest, CreatesItsViewOnlyForTheFirstPage) {
    EXPECT_EQ(browser.view(), nullptr);
    EXPECT_TRUE(browser.url().isEmpty());
    ASSERT_TRUE(openLinkPage());
    ASSERT_NE(browser.view(), nullptr);
    QWebEngineView* first = browser.view();
    ASSERT_TRUE(loadAndWait(browser, [&] { browser.navigate(server.url(QStringLiteral("/next.html"))); }));
    EXPECT_EQ(browser.view(), first);
}

TEST_F(WebBrowserTest, ShowsAStoredPageInItsOwnCodePage) {
    ASSERT_TRUE(loadAndWait(browser, [&] { browser.showStoredPage(QStringLiteral("NOINTERNET.HTML")); }));
    EXPECT_EQ(browser.url(), WebBrowser::storedPageUrl(QStringLiteral("NOINTERNET.HTML")));
    EXPECT_EQ(browser.view()->title(), QStringLiteral("Kein Internet"));
    const QString text = bodyText(browser);
    EXPECT_TRUE(text.contains(QStringLiteral("Es konnte keine Internetverbindung aufgebaut werden.")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("L\u00f6sung"))) << text.toStdString();
}

TEST_F(WebBrowserTest, AMissingStoredPageReportsAFailedLoad) {
    EXPECT_FALSE(loadAndWait(browser, [&] { browser.showStoredPage(QStringLiteral("FEHLT.HTML")); }));
}

// Clicked links of the program's schemes reach the host as the page wrote
// them; a cancelled one leaves the page where it is.
TEST_F(WebBrowserTest, ReportsClickedLinksAsWrittenAndCancelsThem) {
    struct Case {
        const char* element;
        QString target;
    };
    const Case cases[] = {
        {"anna", QStringLiteral("telefon://Anna%20Huber@0043664/123456")},
        {"umlaut", QStringLiteral("telefon://J\u00fcrgen%20Gro\u00df@0049152012/34567")},
        {"close", QStringLiteral("close://")},
        {"inner", QStringLiteral("close://")},
    };
    ASSERT_TRUE(openLinkPage());
    const QUrl page = browser.url();
    QStringList seen;
    QObject::connect(&browser, &WebBrowser::beforeNavigate, &browser,
                     [&](const QString& target, bool* cancel) {
                         seen << target;
                         *cancel = true;
                     });
    QSignalSpy completed(&browser, &WebBrowser::navigateComplete);
    for (const Case& c : cases) {
        seen.clear();
        ASSERT_TRUE(clickElement(browser, QString::fromLatin1(c.element))) << c.element;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }, kPageTimeoutMs)) << c.element;
        EXPECT_EQ(seen.join(u'|').toStdString(), c.target.toStdString()) << c.element;
    }
    QTest::qWait(200);
    EXPECT_EQ(completed.count(), 0);
    EXPECT_EQ(browser.url(), page);
    EXPECT_EQ(bodyText(browser).contains(QStringLiteral("Anna")), true);
}

TEST_F(WebBrowserTest, AnUncancelledLinkOfAnUnknownSchemeIsReportedAsCompleteAndNotShown) {
    ASSERT_TRUE(openLinkPage());
    const QUrl page = browser.url();
    QStringList seen;
    QObject::connect(&browser, &WebBrowser::beforeNavigate, &browser,
                     [&](const QString& target, bool*) { seen << target; });
    QSignalSpy completed(&browser, &WebBrowser::navigateComplete);
    ASSERT_TRUE(clickElement(browser, QStringLiteral("close")));
    ASSERT_TRUE(completed.wait(kPageTimeoutMs));
    EXPECT_EQ(seen.join(u'|').toStdString(), "close://");
    EXPECT_TRUE(completed.last().at(0).toUrl().toString().startsWith(QStringLiteral("close://")));
    EXPECT_EQ(browser.url(), page);
}

TEST_F(WebBrowserTest, ALinkStartedByScriptIsReportedToo) {
    ASSERT_TRUE(openLinkPage());
    QStringList seen;
    QObject::connect(&browser, &WebBrowser::beforeNavigate, &browser,
                     [&](const QString& target, bool* cancel) {
                         seen << target;
                         *cancel = true;
                     });
    ASSERT_TRUE(clickElement(browser, QStringLiteral("scripted")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }, kPageTimeoutMs));
    EXPECT_TRUE(seen.first().startsWith(QStringLiteral("close://"))) << seen.first().toStdString();
}

TEST_F(WebBrowserTest, FollowsAnUncancelledWebLinkAndReportsItsAddress) {
    ASSERT_TRUE(openLinkPage());
    QStringList seen;
    QObject::connect(&browser, &WebBrowser::beforeNavigate, &browser,
                     [&](const QString& target, bool*) { seen << target; });
    QSignalSpy completed(&browser, &WebBrowser::navigateComplete);
    ASSERT_TRUE(loadAndWait(browser, [&] { clickElement(browser, QStringLiteral("next")); }));
    const QString next = server.url(QStringLiteral("/next.html"));
    EXPECT_EQ(seen.join(u'|'), next);
    EXPECT_EQ(browser.url().toString(), next);
    ASSERT_GE(completed.count(), 1);
    EXPECT_EQ(completed.last().at(0).toUrl().toString(), next);
    EXPECT_TRUE(bodyText(browser).contains(QStringLiteral("zweite Seite")));
}

TEST_F(WebBrowserTest, TheAddressIsRequestedAsTheProgramBuiltIt) {
    ASSERT_TRUE(loadAndWait(browser, [&] {
        browser.navigate(server.url(QStringLiteral("/next.html?email=a%2Bb%40x.de&passwort=a%26b+c%20d")));
    }));
    const auto requests = server.requests();
    ASSERT_FALSE(requests.isEmpty());
    EXPECT_EQ(requests.last().query, QStringLiteral("email=a%2Bb%40x.de&passwort=a%26b+c%20d"));
}

TEST_F(WebBrowserTest, ARightClickOpensNoContextMenu) {
    ASSERT_TRUE(openLinkPage());
    QWidget* surface = browser.view()->focusProxy() ? browser.view()->focusProxy() : browser.view();
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    QTest::qWait(500);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMenu*>(w) && w->isVisible()) << "a context menu was shown";
}

} // namespace

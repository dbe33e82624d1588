#include "widgets/WebBrowser.h"
#include "BrowserDriver.h"
#include "ScriptedServer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QSignalSpy>
#include <QStringConverter>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace BrowserDriver;

// Stands in for the desktop's handlers of the schemes a page must not hand
// over by itself: whatever reaches QDesktopServices, from the program or from
// the browser, lands here.
class DesktopHandlers : public QObject {
    Q_OBJECT
public:
    DesktopHandlers() {
        for (const QString& scheme : schemes())
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~DesktopHandlers() override {
        for (const QString& scheme : schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }
    static QStringList schemes() {
        return {QStringLiteral("mailto"), QStringLiteral("ftp"), QStringLiteral("file"), QStringLiteral("sms"),
                QStringLiteral("tel")};
    }
    QStringList opened;

public slots:
    void open(const QUrl& url) { opened << QString::fromUtf8(url.toEncoded()); }
};

namespace {

// A page written in Windows-1252 as the service writes its pages, with links
// of the program's schemes as the page wrote them.
QByteArray linkPage() {
    const QString html = QStringLiteral(
        "<html><head><meta charset=\"windows-1252\"><title>Links</title></head><body>"
        "<a id=\"anna\" href=\"telefon://Anna%20Huber@0043664/123456\">Anna</a>"
        "<a id=\"jean\" href=\"telefon://Jean%20Dupont@0033612345678\">Jean</a>"
        "<p><a id=\"mail\" href=\"mailto:info@velvox.example\" "
        "style=\"display:inline-block;width:200px;height:40px\">Mail</a></p>"
        "<a id=\"ftp\" href=\"ftp://ftp.velvox.example/liste.txt\">ftp</a>"
        "<a id=\"file\" href=\"file:///etc/hostname\">Datei</a>"
        "<a id=\"umlaut\" href=\"telefon://J\u00fcrgen%20Gro\u00df@0049152012/34567\">J\u00fcrgen</a>"
        "<a id=\"close\" href=\"close://\">Schlie\u00dfen</a>"
        "<a id=\"nested\" href=\"close://\"><span id=\"inner\">x</span></a>"
        "<a id=\"next\" href=\"/next.html\">weiter</a>"
        "<button id=\"scripted\" onclick=\"location.href='close://skript'\">b</button>"
        "</body></html>");
    return QStringEncoder(QStringConverter::Latin1).encode(html);
}

// Where the element is in the view, for a click of the user's own.
QPoint centreOf(WebBrowser& browser, const QString& id) {
    const QVariantList r =
        evaluate(browser, QStringLiteral("(function(){var r=document.getElementById('%1').getBoundingClientRect();"
                                         "return [r.left + r.width / 2, r.top + r.height / 2];})()")
                              .arg(id))
            .toList();
    return r.size() == 2 ? QPoint(qRound(r[0].toDouble()), qRound(r[1].toDouble())) : QPoint(-1, -1);
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
        {"jean", QStringLiteral("telefon://Jean%20Dupont@0033612345678")},
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

// A page's script that sends the browser to a contact link: the link must
// reach the host as written, not as the browser would read it ("0043664" as
// the host 0.0.71.180).
TEST_F(WebBrowserTest, ContactLinksStartedByScriptArriveAsThePageWroteThem) {
    const QString links[] = {
        QStringLiteral("telefon://Anna%20Huber@0043664/123456"),
        QStringLiteral("telefon://Jean%20Dupont@0033612345678"),
    };
    const char* ways[] = {
        "location.href = '%1'",
        "location.assign('%1')",
        "location.replace('%1')",
        "window.location = '%1'",
        "window.open('%1')",
        "setTimeout(function () { location.href = '%1'; }, 20)",
        "document.getElementById('scripted').onclick = function () { location.href = '%1'; };"
        "document.getElementById('scripted').click()",
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
    for (const QString& link : links) {
        for (const char* way : ways) {
            seen.clear();
            evaluate(browser, QString::fromLatin1(way).arg(link));
            ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }, kPageTimeoutMs)) << way;
            // One report each, also when the browser sees the link again later.
            evaluate(browser, QStringLiteral("location.href = 'close://ende'"));
            ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 2; }, kPageTimeoutMs)) << way;
            EXPECT_EQ(seen.join(u'|').toStdString(), QString(link + QStringLiteral("|close://ende")).toStdString())
                << way;
        }
    }
    EXPECT_EQ(completed.count(), 0);
    EXPECT_EQ(browser.url(), page);
}

// Only what the browser shows itself and the program's own links are
// followed; a page can hand nothing to the desktop, clicked or scripted.
TEST_F(WebBrowserTest, OtherSchemesGoNowhere) {
    const std::pair<const char*, const char*> cases[] = {
        {"document.getElementById('mail').click()", "mailto:info@velvox.example"},
        {"document.getElementById('ftp').click()", "ftp://ftp.velvox.example/liste.txt"},
        {"document.getElementById('file').click()", "file:///etc/hostname"},
        {"location.href = 'mailto:info@velvox.example'", "mailto:info@velvox.example"},
        {"window.open('mailto:info@velvox.example')", "mailto:info@velvox.example"},
        {"location.assign('ftp://ftp.velvox.example/x')", "ftp://ftp.velvox.example/x"},
        {"location.href = 'sms:+4917012345'", "sms:+4917012345"},
        {"window.open('tel:+4917012345')", "tel:+4917012345"},
    };
    DesktopHandlers desktop;
    ASSERT_TRUE(openLinkPage());
    const QUrl page = browser.url();
    QStringList seen;
    QObject::connect(&browser, &WebBrowser::beforeNavigate, &browser,
                     [&](const QString& target, bool*) { seen << target; });
    QSignalSpy completed(&browser, &WebBrowser::navigateComplete);
    for (const auto& [script, target] : cases) {
        seen.clear();
        evaluate(browser, QString::fromLatin1(script));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }, kPageTimeoutMs)) << script;
        EXPECT_EQ(seen.first().toStdString(), target) << script;
    }
    // The program's own link last: whatever came before has been dealt with.
    evaluate(browser, QStringLiteral("location.href = 'close://ende'"));
    ASSERT_TRUE(completed.wait(kPageTimeoutMs));
    EXPECT_EQ(completed.count(), 1);
    EXPECT_EQ(completed.last().at(0).toUrl().toString(), QStringLiteral("close://ende"));
    EXPECT_TRUE(desktop.opened.isEmpty()) << desktop.opened.join(u' ').toStdString();
    EXPECT_EQ(browser.url(), page);
}

// The user's own click on a mail link starts the mail program; the same link
// clicked by the page's script does not.
TEST_F(WebBrowserTest, AMailLinkOpensTheMailProgramOnlyWhenTheUserClicksIt) {
    DesktopHandlers desktop;
    ASSERT_TRUE(openLinkPage());
    const QUrl page = browser.url();
    ASSERT_TRUE(clickElement(browser, QStringLiteral("mail")));
    const QPoint at = centreOf(browser, QStringLiteral("mail"));
    ASSERT_GE(at.x(), 0);
    QWidget* surface = browser.view()->focusProxy() ? browser.view()->focusProxy() : browser.view();
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.opened.isEmpty(); }, kPageTimeoutMs));
    QSignalSpy completed(&browser, &WebBrowser::navigateComplete);
    evaluate(browser, QStringLiteral("location.href = 'close://ende'"));
    ASSERT_TRUE(completed.wait(kPageTimeoutMs));
    EXPECT_EQ(desktop.opened, QStringList{QStringLiteral("mailto:info@velvox.example")});
    EXPECT_EQ(browser.url(), page);
}

} // namespace

#include "WebBrowserTest.moc"

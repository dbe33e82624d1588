#include "../../messaging/ui/MainWindowHarness.h"
#include "BrowserDriver.h"

#include "config/cOptionen.h"
#include "widgets/WebBrowser.h"
#include "web/ui/frmNews.h"

#include <QPointer>

#include <gtest/gtest.h>

using namespace BrowserDriver;

namespace {

ServiceProcess::Options withNews(int number) {
    ServiceProcess::Options o;
    o.infoVersion = number;
    return o;
}

class NewsUiTest : public ::testing::Test {
protected:
    // Loads a fresh main window on the same settings, as a new start would.
    frmNews* start(MainWindowHarness& h) {
        h.window.reset();
        h.load();
        return h.window->findChild<frmNews*>();
    }
    static bool waitShown(frmNews* news) {
        QPointer<frmNews> guard(news);
        return QTest::qWaitFor([&] { return guard && guard->isVisible(); }, kPageTimeoutMs);
    }
    // The news window is gone (unloaded) without having made a browser.
    static bool waitUnloaded(frmNews* news) {
        QPointer<frmNews> guard(news);
        if (guard && guard->browser().view())
            return false;
        return QTest::qWaitFor([&] { return !guard; }, 2000);
    }
};

TEST_F(NewsUiTest, ANewsNumberIsShownAtTheFirstStartOnly) {
    MainWindowHarness h(withNews(7));
    frmNews* news = start(h);
    ASSERT_NE(news, nullptr);
    ASSERT_TRUE(waitShown(news));
    EXPECT_TRUE(bodyText(news->browser()).contains(QStringLiteral("Neuigkeiten")));
    EXPECT_EQ(options().InfoVersion, 7);

    EXPECT_TRUE(waitUnloaded(start(h)));
    EXPECT_EQ(options().InfoVersion, 7);
}

TEST_F(NewsUiTest, MinusOneShowsTheNewsAtEveryStart) {
    MainWindowHarness h(withNews(-1));
    for (int run = 0; run < 2; ++run) {
        frmNews* news = start(h);
        ASSERT_NE(news, nullptr);
        EXPECT_TRUE(waitShown(news)) << run;
        EXPECT_EQ(options().InfoVersion, 0);
    }
}

TEST_F(NewsUiTest, WithoutNewsTheWindowIsUnloadedUnseen) {
    MainWindowHarness h; // the service answers 0
    EXPECT_TRUE(waitUnloaded(start(h)));
}

TEST_F(NewsUiTest, ACloseLinkOnTheNewsPageClosesIt) {
    MainWindowHarness h(withNews(3));
    QPointer<frmNews> news = start(h);
    ASSERT_TRUE(waitShown(news));
    ASSERT_TRUE(clickLink(news->browser(), QStringLiteral("Schlie\u00dfen")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !news; }, kPageTimeoutMs));
}

// Nor is it kept hidden with its browser.
TEST_F(NewsUiTest, APageThatDidNotLoadIsNotShownAndTheWindowGoes) {
    QPointer<frmNews> news = new frmNews;
    // Nothing listens on port 1.
    EXPECT_FALSE(
        loadAndWait(news->browser(), [&] { news->browser().navigate(QStringLiteral("http://127.0.0.1:1/")); }));
    EXPECT_FALSE(news && news->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !news; }, kPageTimeoutMs));
}

} // namespace

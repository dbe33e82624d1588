#include "ScriptedPrompts.h"
#include "ScriptedServer.h"
#include "TempSettings.h"

#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/cOptionen.h"
#include "messaging/CreditBalance.h"
#include "messaging/SendContext.h"
#include "messaging/ui/CreditDisplay.h"
#include "platform/ToolRegistry.h"
#include "ui_frmMain.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kCountPath = QStringLiteral("/sms/count.php");

// A main window whose balance comes from a scripted server.
class BlockingFetch : public ::testing::Test {
protected:
    void SetUp() override {
        frmSplash::setStepPauseMs(0);
        settings.writeProfile(
            "[URLs]\nSmsCount=" + server.url(kCountPath + QStringLiteral("?email=")).toUtf8() + "\n");
        settings.reload();
        options().Username = QStringLiteral("demo@velvox.example");
        options().FirstStartHasRun = true;
    }

    TempSettings settings;
    ScriptedPrompts prompts;
    ScriptedServer server;
};

} // namespace

// The balance fetch on the refresh tick waits on a server that has gone
// silent; the user closes the window meanwhile. The close runs through, the
// fetch gives up, and the window goes away once the fetch has unwound.
TEST_F(BlockingFetch, ClosingTheMainWindowWhileTheBalanceFetchWaits) {
    server.setReply(kCountPath, {"1234", "text/plain", 200, {}});
    QPointer<frmMain> window = Startup::showMainWindow();
    ASSERT_TRUE(window);
    ASSERT_EQ(window->ui().lblCredits->text(), QStringLiteral("1234 Credits"));
    window->ui().txtSMS->setPlainText(QStringLiteral("noch nicht gesendet"));

    server.setReply(kCountPath, {{}, "text/plain", 200, {}, {}, true});
    // The close comes as a user's would: an event handled inside the fetch's wait.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (server.requestCount(kCountPath) == 2 && window) {
            closer.stop();
            window->close();
        }
    });
    closer.start();
    bool fetchReturned = false;
    bool closedDuringFetch = false;
    QTimer::singleShot(0, window, [&] {
        window->credits().refreshCredits();
        closedDuringFetch = !closer.isActive();
        fetchReturned = true;
    });

    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 30000));
    EXPECT_TRUE(fetchReturned);
    EXPECT_TRUE(closedDuringFetch);
    // Closing is never refused: the last input was written.
    EXPECT_EQ(ToolRegistry::getString(settingsKey(), QStringLiteral("lastText")),
              QStringLiteral("noch nicht gesendet"));
}

// A server that sends its reply a byte every half second would hold the start
// for a minute; the fetch ends at its deadline and the start goes on.
TEST_F(BlockingFetch, TricklingServerCannotHoldTheStart) {
    const QByteArray body(120, '7');
    server.setReply(kCountPath, {body, "text/plain", 200, {}, std::chrono::milliseconds(500)});
    std::unique_ptr<frmMain> window(Startup::showMainWindow());
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_LT(server.trickledBytes(), body.size());
    EXPECT_EQ(window->sendContext().creditBalance, CreditBalance::kUnknown);
    EXPECT_EQ(window->ui().lblCredits->text(), CreditBalance::noInternetText());
}

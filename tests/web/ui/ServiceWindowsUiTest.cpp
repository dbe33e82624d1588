#include "../../messaging/ui/MainWindowHarness.h"
#include "BrowserDriver.h"

#include "platform/ui/WidgetPrompts.h"
#include "widgets/WebBrowser.h"
#include "web/ui/frmHelp.h"
#include "web/ui/frmNoInternet.h"
#include "widgets/ToolbarButton.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace BrowserDriver;

namespace {

TEST(HelpWindow, OpensOnceWithTheHelpPageAndKeepsItsLayoutWhenResized) {
    MainWindowHarness h;
    h.load();
    emit h.ui().tbHelp->Click();
    frmHelp* help = h.window->findChild<frmHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Velvox Hilfe"));
    ASSERT_TRUE(waitForText(help->browser(), QStringLiteral("SMS versenden")));
    emit h.ui().tbHelp->Click();
    EXPECT_EQ(h.window->findChildren<frmHelp*>().size(), 1);

    for (int width : {500, 1100}) {
        help->resize(width, 400);
        QApplication::processEvents();
        EXPECT_EQ(help->header()->width(), help->width()) << width;
        EXPECT_EQ(help->header()->width() - 1 - help->logo()->geometry().right(),
                  frmHelp::logoMarginPx(help->logicalDpiX()))
            << width;
        EXPECT_EQ(help->browser().geometry().top(), help->header()->geometry().bottom() + 1) << width;
        EXPECT_EQ(help->browser().geometry().bottom(), help->height() - 1) << width;
    }
}

class NoInternetWindow : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
};

TEST_F(NoInternetWindow, ShowsItsStoredPageAndReportsTheChoice) {
    const std::pair<const char*, QString> buttons[] = {{"cmdRetry", QStringLiteral("retry")},
                                                       {"cmdQuit", QStringLiteral("quit")}};
    for (const auto& [button, choice] : buttons) {
        frmNoInternet w;
        w.show();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Kein Internet"));
        ASSERT_TRUE(
            waitForText(w.browser(), QStringLiteral("Es konnte keine Internetverbindung aufgebaut werden.")));
        w.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        EXPECT_EQ(w.choice(), choice);
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_FALSE(w.isVisible());
    }
}

TEST_F(NoInternetWindow, TheOptionsOpenOverItAndItStays) {
    frmNoInternet w;
    w.show();
    w.optionsButton()->click();
    ASSERT_EQ(prompts.dialogs().size(), 1);
    EXPECT_EQ(prompts.dialogs()[0].name, QLatin1String(Prompts::Dialog::Options));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.choice().isEmpty());
}

// Through the prompts seam as the version check asks for it; closing it by
// its frame answers nothing.
TEST(NoInternetDialog, AnswersThroughThePromptsSeam) {
    registerNoInternetDialog();
    Prompts::Handler* previous = Prompts::installed();
    Prompts::install(&WidgetPrompts::instance());
    for (const auto& [button, answer] :
         {std::pair{"cmdQuit", QVariant(QStringLiteral("quit"))}, std::pair{"", QVariant()}}) {
        QTimer::singleShot(300, [name = QString::fromLatin1(button)] {
            auto* w = qobject_cast<frmNoInternet*>(QApplication::activeModalWidget());
            if (!w)
                return;
            if (name.isEmpty())
                w->reject();
            else
                w->findChild<QPushButton*>(name)->click();
        });
        EXPECT_EQ(Prompts::dialog(QString::fromLatin1(Prompts::Dialog::NoInternet)), answer) << button;
    }
    Prompts::install(previous);
}

} // namespace

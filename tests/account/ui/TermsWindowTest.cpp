#include "BrowserDriver.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "account/ui/frmAGBs.h"
#include "config/CUrlStore.h"
#include "platform/ui/WidgetPrompts.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

// Acts on the terms window once it is up and its page has loaded (or failed).
void whenTermsShow(std::function<void(frmAGBs*)> act) {
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* terms = qobject_cast<frmAGBs*>(w); terms && terms->isVisible()) {
                QSignalSpy done(terms->browser(), &WebBrowser::documentComplete);
                if (!done.wait(BrowserDriver::kPageTimeoutMs))
                    ADD_FAILURE() << "terms page never finished";
                act(terms);
                return;
            }
        }
        ADD_FAILURE() << "terms window not shown";
    });
}

QPushButton* acceptButton(frmAGBs* terms) {
    return terms->findChild<QPushButton*>(QStringLiteral("cmdAccept"));
}

class TermsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
    }
    ServiceProcess service;
    TempSettings settings;
};

} // namespace

TEST_F(TermsWindow, ShowsTheServicePageAndAcceptsOnlyOnceItHasLoaded) {
    frmAGBs terms;
    EXPECT_EQ(terms.windowTitle(), QStringLiteral("AGBs Velvox"));
    EXPECT_FALSE(acceptButton(&terms)->isEnabled());
    terms.show();
    ASSERT_TRUE(BrowserDriver::loadAndWait(*terms.browser(), [] {}));
    EXPECT_EQ(terms.browser()->url().toString(), urlStore().getAGB());
    EXPECT_TRUE(BrowserDriver::bodyText(*terms.browser())
                    .contains(QStringLiteral("Allgemeine Geschäftsbedingungen")));
    EXPECT_TRUE(acceptButton(&terms)->isEnabled());
    EXPECT_EQ(terms.browser()->view()->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(TermsWindow, AnswerOfEachCallThroughThePromptsSeam) {
    Prompts::Handler* previous = Prompts::installed();
    Prompts::install(&WidgetPrompts::instance());
    registerTermsDialog();
    const QString terms = QString::fromLatin1(Prompts::Dialog::Terms);

    whenTermsShow([](frmAGBs* t) { acceptButton(t)->click(); });
    EXPECT_EQ(Prompts::dialog(terms), QVariant(true));
    // Accepted once does not mean accepted again.
    whenTermsShow([](frmAGBs* t) { t->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click(); });
    EXPECT_EQ(Prompts::dialog(terms), QVariant(false));
    whenTermsShow([](frmAGBs* t) { t->close(); });
    EXPECT_EQ(Prompts::dialog(terms), QVariant(false));
    Prompts::install(previous);
}

TEST_F(TermsWindow, PageThatCannotBeLoadedCannotBeAccepted) {
    service.stop();
    bool acceptable = true;
    whenTermsShow([&](frmAGBs* t) {
        acceptable = acceptButton(t)->isEnabled();
        t->close();
    });
    EXPECT_FALSE(acceptAGBs());
    EXPECT_FALSE(acceptable);
}

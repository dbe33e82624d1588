#include "ScriptedPrompts.h"
#include "TempSettings.h"

#include "widgets/Browser.h"
#include "app/Startup.h"
#include "app/TrayController.h"
#include "app/frmMain.h"
#include "app/frmMinimizeNotice.h"
#include "app/frmSplash.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/ui/DesktopShell.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

TEST(Startup, OlderInstallationWithNewsSeenSkipsTheWizardAndRemembersIt) {
    TempSettings t;
    options().InfoVersion = 3;
    options().FirstStartHasRun = false;
    EXPECT_FALSE(Startup::isFirstStart());
    t.reload();
    EXPECT_TRUE(options().FirstStartHasRun);
}

TEST(Startup, FreshProfileIsAFirstStart) {
    TempSettings t;
    EXPECT_TRUE(Startup::isFirstStart());
    t.reload();
    EXPECT_FALSE(options().FirstStartHasRun);
}

TEST(Startup, BrandedProductNameReachesTitleTrayAndMessages) {
    TempSettings t;
    ScriptedPrompts prompts;
    frmSplash::setStepPauseMs(0);
    t.writeProfile("[Strings]\nProductName=Acme SMS\n[URLs]\nHomepage=https://acme.example/\n");
    Product::loadProductName();
    frmMain w;
    w.load(nullptr);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Acme SMS"));
    EXPECT_EQ(w.tray().tip(), QStringLiteral("Acme SMS"));
    frmMinimizeNotice notice;
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Acme SMS Hinweis"));
    EXPECT_EQ(notice.findChild<QLabel*>(QStringLiteral("lblHeadline"))->text(), QStringLiteral("Wo ist Acme SMS?"));

    DesktopShell::setOpener([](const QString&) { return false; });
    EXPECT_FALSE(openInBrowser(QStringLiteral("https://acme.example/hilfe")));
    DesktopShell::setOpener(nullptr);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("Acme SMS"));
    EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Error);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("Der Webbrowser konnte nicht geöffnet werden.\r\nUm zum Webinterface zu gelangen öffnen "
                             "Sie bitte https://acme.example/."));
}

TEST(Startup, TrayTipIsCutToSixtyThreeCharacters) {
    TempSettings t;
    Product::setProductName(QString(80, QLatin1Char('n')));
    QWidget window;
    auto* tray = new TrayController(&window);
    tray->addIcon();
    EXPECT_EQ(tray->tip().size(), 63);
}

TEST(Startup, SplashIsUpBeforeTheFirstStartDecision) {
    TempSettings t;
    ScriptedPrompts prompts;
    frmSplash::setStepPauseMs(0);
    options().FirstStartHasRun = true;
    bool splashShown = false;
    std::unique_ptr<frmMain> window(Startup::start([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            splashShown = splashShown || (qobject_cast<frmSplash*>(w) && w->isVisible());
        return Startup::isFirstStart();
    }));
    EXPECT_TRUE(splashShown);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
}

TEST(Startup, SplashShowsALogoOnlyWhenTheProfileNamesOne) {
    TempSettings t;
    const auto logoOf = [](const frmSplash& s) { return s.findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap(); };
    {
        frmSplash noProfile;
        EXPECT_TRUE(logoOf(noProfile).isNull());
    }
    t.writeProfile("[Strings]\nProductName=Acme SMS\n");
    {
        frmSplash noLogoKey;
        EXPECT_TRUE(logoOf(noLogoKey).isNull());
    }
    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(t.dir() + QStringLiteral("/acme.png")));
    t.writeProfile("[Images]\nLogo=acme.png\n");
    frmSplash withLogo;
    EXPECT_FALSE(logoOf(withLogo).isNull());
}

#include "ScriptedPrompts.h"
#include "ServiceProcess.h"
#include "TempSettings.h"
#include "WizardDriver.h"

#include "app/Startup.h"
#include "app/frmSplash.h"
#include "config/cOptionen.h"
#include "ui_frmMain.h"

#include <QPointer>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace WizardDriver;

namespace {

class HandOver : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
        frmSplash::setStepPauseMs(0);
    }
    ServiceProcess service;
    TempSettings settings;
    ScriptedPrompts prompts;
};

} // namespace

// In the program's own event loop, where Qt ends the program when its last
// window closes: however the wizard goes, the main window comes and the
// program runs on until the user closes that.
TEST_F(HandOver, LeavingTheWizardAnyWayOpensTheMainWindow) {
    struct Case {
        const char* what;
        bool waitingForPassword;
        std::function<void(frmFirstTime*)> leave;
    };
    const Case cases[] = {
        {"cancel on the introduction", false, [](frmFirstTime* w) { click(w, "cmdCancel"); }},
        {"frame on the account page", false,
         [](frmFirstTime* w) {
             click(w, "cmdNext");
             w->close();
         }},
        {"skip on the account page", false,
         [](frmFirstTime* w) {
             click(w, "cmdNext");
             click(w, "cmdSkip");
         }},
        {"frame on the completion page", true, [](frmFirstTime* w) { w->close(); }},
    };
    for (const Case& c : cases) {
        resetOptions();
        options().FirstStartHasRun = false;
        options().WaitingForPassword = c.waitingForPassword;
        options().Username = QStringLiteral("anna@velvox.example");
        options().save();
        ASSERT_TRUE(Startup::isFirstStart());

        QPointer<frmFirstTime> wizard = Startup::showFirstStartWizard();
        bool mainWindowSeen = false;
        QTimer::singleShot(0, wizard, [&] { c.leave(wizard); });
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            if (frmMain* m = mainWindow()) {
                mainWindowSeen = true;
                m->close(); // the last window: this ends the loop
            }
        });
        poll.start(50);
        QTimer::singleShot(60000, &poll, [] { QCoreApplication::exit(1); }); // never hang the suite
        EXPECT_EQ(QApplication::exec(), 0) << c.what;
        EXPECT_TRUE(mainWindowSeen) << c.what;
        EXPECT_TRUE(QApplication::quitOnLastWindowClosed()) << c.what;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(wizard.isNull()) << c.what;
    }
}

TEST_F(HandOver, NewAccountSendsItsFirstSmsWithTheWelcomeCredits) {
    const QString email = QStringLiteral("erster.start@velvox.example");
    QPointer<frmFirstTime> wizard = Startup::showFirstStartWizard();
    click(wizard, "cmdNext");
    click(wizard, "optAccount1");
    fillRegistration(wizard, email);
    prompts.queueDialogResult(true);
    click(wizard, "cmdDoIt");
    ASSERT_EQ(page(wizard), QStringLiteral("pageDone"));

    type(wizard, "txtPasswordNew", service.outboxPassword(email));
    click(wizard, "chkRememberPasswordNew");
    click(wizard, "cmdActivate");
    frmMain* window = mainWindow();
    ASSERT_TRUE(window);
    Ui::frmMain& ui = window->ui();
    EXPECT_EQ(ui.lblCredits->text(), QStringLiteral("50 Credits"));

    const int index = ui.cmbVorwahl->findText(QStringLiteral("0170"));
    ASSERT_GE(index, 0);
    ui.cmbVorwahl->setCurrentIndex(index);
    emit ui.cmbVorwahl->activated(index);
    QTest::keyClicks(ui.txtNummer, QStringLiteral("1234567"));
    QTest::keyClicks(ui.txtSMS, QStringLiteral("Hallo aus dem neuen Konto"));
    prompts.clear();
    QTest::mouseClick(ui.tbSend, Qt::LeftButton, {}, ui.tbSend->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.messages().isEmpty(); }, 20000));
    EXPECT_TRUE(
        prompts.messages()[0].text.contains(QStringLiteral("wurde erfolgreich an das Gateway übermittelt.")))
        << prompts.messages()[0].text.toStdString();
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT COUNT(*) FROM messages WHERE email = ?"), {email}), 1LL);
    EXPECT_EQ(service.credits(email), 40);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return ui.lblCredits->text() == QStringLiteral("40 Credits"); }, 20000));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

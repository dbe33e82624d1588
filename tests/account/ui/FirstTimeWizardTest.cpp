#include "ScriptedPrompts.h"
#include "ServiceProcess.h"
#include "TempSettings.h"
#include "WizardDriver.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "widgets/WebBrowser.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace WizardDriver;

namespace {

const QString kMissing = QStringLiteral("Bitte füllen Sie alle rot markierten Felder aus.");

class Wizard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        settings.writeProfile(service.oemIni());
        settings.reload();
    }
    void TearDown() override {
        if (wizard) {
            wizard->close();
            EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.isNull(); }, 30000));
        }
    }
    // A new wizard as the next start would open it.
    frmFirstTime* open() {
        settings.reload();
        wizard = new frmFirstTime();
        closed = std::make_unique<QSignalSpy>(wizard.data(), &frmFirstTime::closed);
        wizard->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard));
        return wizard;
    }
    frmFirstTime* openAccountPage(int option) {
        open();
        click(wizard, "cmdNext");
        click(wizard, option == 0 ? "optAccount0" : "optAccount1");
        return wizard;
    }
    QString warning() const {
        auto* label = child<QLabel>(wizard, "lblWarning");
        return label->isVisible() ? label->text() : QString();
    }
    qint64 accounts() const {
        return service.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toLongLong();
    }
    // The settings file as the next start reads it.
    cOptionen& stored() {
        settings.reload();
        return options();
    }

    ServiceProcess service;
    TempSettings settings;
    ScriptedPrompts prompts;
    QPointer<frmFirstTime> wizard;
    std::unique_ptr<QSignalSpy> closed;
};

} // namespace

TEST_F(Wizard, IntroductionThenAccountPageWithTheExistingGroupSelected) {
    Product::setProductName(QStringLiteral("Büro SMS")); // a rebranded copy names itself
    open();
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Büro SMS"));
    EXPECT_EQ(page(wizard), QStringLiteral("pageIntro"));
    ASSERT_TRUE(wizard->introBrowser());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return wizard->introBrowser()->view() &&
                   wizard->introBrowser()->view()->title() == QStringLiteral("Erster Start");
        },
        20000));

    click(wizard, "cmdNext");
    EXPECT_EQ(page(wizard), QStringLiteral("pageAccount"));
    EXPECT_TRUE(child<QRadioButton>(wizard, "optAccount0")->isChecked());
    EXPECT_EQ(child<QRadioButton>(wizard, "optAccount0")->text(),
              QStringLiteral("Ich habe bereits ein Büro SMS Konto"));
    EXPECT_EQ(child<QPushButton>(wizard, "cmdDoIt")->text(),
              QStringLiteral("Kontodaten überprüfen und anmelden"));
    EXPECT_TRUE(child(wizard, "txtOldEmail")->isEnabled());
    EXPECT_FALSE(child(wizard, "txtName")->isEnabled());
    EXPECT_EQ(background(wizard, "txtName"), face());

    click(wizard, "optAccount1");
    EXPECT_EQ(child<QPushButton>(wizard, "cmdDoIt")->text(), QStringLiteral("Neues Konto anlegen"));
    EXPECT_FALSE(child(wizard, "txtOldEmail")->isEnabled());
    EXPECT_FALSE(child(wizard, "chkRememberPassword")->isEnabled());
    EXPECT_EQ(background(wizard, "txtOldEmail"), face());
    for (const char* f : {"txtName", "txtFirma", "txtGutscheincode", "txtLand"}) {
        EXPECT_TRUE(child(wizard, f)->isEnabled()) << f;
        EXPECT_EQ(background(wizard, f), plain()) << f;
    }
}

TEST_F(Wizard, SignInWithTheDemoAccountWritesTheSettingsAndCloses) {
    openAccountPage(0);
    type(wizard, "txtOldEmail", ServiceProcess::demoEmail());
    type(wizard, "txtPassword", ServiceProcess::demoPassword());
    click(wizard, "chkRememberPassword");
    click(wizard, "cmdDoIt");
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed->count() == 1; }, 20000));
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(stored().Username, ServiceProcess::demoEmail());
    EXPECT_EQ(options().kennwort, ServiceProcess::demoPassword());
    EXPECT_TRUE(options().FirstStartHasRun);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.isNull(); }, 5000));
}

TEST_F(Wizard, WrongPasswordIsReportedAndTheWizardStaysOnThePage) {
    openAccountPage(0);
    type(wizard, "txtOldEmail", ServiceProcess::demoEmail());
    type(wizard, "txtPassword", QStringLiteral("falsch"));
    click(wizard, "cmdDoIt");
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("Unbekanntes Benutzerkonto"));
    EXPECT_EQ(closed->count(), 0);
    EXPECT_EQ(page(wizard), QStringLiteral("pageAccount"));
    EXPECT_FALSE(child(wizard, "boxWait")->isVisible());
    EXPECT_TRUE(child(wizard, "cmdDoIt")->isEnabled());
    auto* email = child<QLineEdit>(wizard, "txtOldEmail");
    EXPECT_EQ(email->selectedText(), ServiceProcess::demoEmail());
    EXPECT_TRUE(QTest::qWaitFor([&] { return email->hasFocus(); }, 2000));
    EXPECT_TRUE(stored().Username.isEmpty());
    EXPECT_FALSE(options().FirstStartHasRun);

    // Focusing the password selects it whole, ready to be typed over.
    auto* password = child<QLineEdit>(wizard, "txtPassword");
    QTest::mouseClick(password, Qt::LeftButton, {}, password->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return password->selectedText() == QStringLiteral("falsch"); }, 2000));
}

TEST_F(Wizard, EveryRequiredFieldIsMarkedAndNothingIsSent) {
    openAccountPage(0);
    click(wizard, "cmdDoIt");
    EXPECT_EQ(warning(), kMissing);
    EXPECT_EQ(background(wizard, "txtOldEmail"), red());
    EXPECT_EQ(background(wizard, "txtPassword"), red());
    type(wizard, "txtOldEmail", QStringLiteral("a"));
    EXPECT_EQ(background(wizard, "txtOldEmail"), plain()); // editing clears the mark at once
    EXPECT_EQ(background(wizard, "txtPassword"), red());

    click(wizard, "optAccount1");
    const qint64 before = accounts();
    click(wizard, "cmdDoIt");
    EXPECT_EQ(warning(), kMissing);
    for (const char* f :
         {"txtName", "txtFirstName", "txtEmail", "txtEmailRepeat", "txtStrasse", "txtPLZ", "txtOrt"})
        EXPECT_EQ(background(wizard, f), red()) << f;
    for (const char* f : {"txtFirma", "txtTelefon", "txtFax", "txtLand", "txtGutscheincode"})
        EXPECT_EQ(background(wizard, f), plain()) << f;

    fillRegistration(wizard, QStringLiteral("neu@velvox.example"));
    child<QLineEdit>(wizard, "txtEmailRepeat")->setText(QStringLiteral("Neu@velvox.example"));
    click(wizard, "cmdDoIt");
    EXPECT_EQ(warning(), QStringLiteral("Die beiden angegebenen eMailadressen sind nicht identisch."));
    EXPECT_EQ(background(wizard, "txtEmail"), yellow());
    EXPECT_EQ(background(wizard, "txtEmailRepeat"), yellow());
    EXPECT_EQ(background(wizard, "txtName"), plain());
    EXPECT_TRUE(prompts.dialogs().isEmpty()); // not even the terms were asked
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(accounts(), before);
}

TEST_F(Wizard, TermsNotAcceptedCreateNothing) {
    openAccountPage(1);
    fillRegistration(wizard, QStringLiteral("neu@velvox.example"));
    prompts.queueDialogResult(false);
    const qint64 before = accounts();
    click(wizard, "cmdDoIt");
    ASSERT_EQ(prompts.dialogs().size(), 1);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("Um Velvox nutzen zu können, müssen Sie die AGBs akzeptieren."));
    EXPECT_EQ(accounts(), before);
    EXPECT_EQ(page(wizard), QStringLiteral("pageAccount"));
    EXPECT_EQ(child<QLineEdit>(wizard, "txtName")->text(), QStringLiteral("Müller")); // the data stays
}

TEST_F(Wizard, RegistrationWaitsForTheMailedPasswordAcrossAStart) {
    const QString email = QStringLiteral("anna+1@velvox.example");
    openAccountPage(1);
    fillRegistration(wizard, email);
    type(wizard, "txtLand", QStringLiteral("DE"));
    prompts.queueDialogResult(true);
    click(wizard, "cmdDoIt");
    ASSERT_EQ(page(wizard), QStringLiteral("pageDone"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(
        child<QLabel>(wizard, "lblDone")->text(),
        QStringLiteral("Ihr persönliches Kennwort für die Nutzung von Velvox wurde an die eMailadresse: '") +
            email +
            QStringLiteral(
                "' versand. Ihr neues Konto wird von uns in den nächsten Minuten freigeschaltet."));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT land FROM accounts WHERE email = ?"), {email}),
              QStringLiteral("DE"));
    EXPECT_TRUE(stored().WaitingForPassword);

    // "< Zurück" returns to the filled account page; leaving keeps the registration pending.
    click(wizard, "cmdBack");
    EXPECT_EQ(page(wizard), QStringLiteral("pageAccount"));
    click(wizard, "cmdCancel");
    EXPECT_EQ(closed->count(), 1);
    EXPECT_TRUE(stored().WaitingForPassword);
    EXPECT_FALSE(options().FirstStartHasRun);
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard.isNull(); }, 5000));

    // The next start opens on the completion page, without the way back.
    open();
    EXPECT_EQ(page(wizard), QStringLiteral("pageDone"));
    EXPECT_FALSE(child(wizard, "cmdBack")->isVisible());
    EXPECT_EQ(wizard->introBrowser(), nullptr);
    EXPECT_TRUE(child<QLabel>(wizard, "lblDone")->text().endsWith(QStringLiteral("' versand. ")));
    EXPECT_FALSE(child(wizard, "cmdActivate")->isEnabled());

    const QString mailed = service.outboxPassword(email);
    ASSERT_FALSE(mailed.isEmpty());
    type(wizard, "txtPasswordNew", mailed + QStringLiteral("x"));
    click(wizard, "cmdActivate");
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral(
                  "Das eingegebene Kennwort ist nicht korrekt.\r\n\r\nBitte überprüfen Sie Ihre Daten."));
    auto* passwordNew = child<QLineEdit>(wizard, "txtPasswordNew");
    EXPECT_EQ(passwordNew->selectedText(), mailed + QStringLiteral("x"));
    EXPECT_EQ(closed->count(), 0);

    passwordNew->clear();
    EXPECT_FALSE(child(wizard, "cmdActivate")->isEnabled());
    type(wizard, "txtPasswordNew", mailed);
    click(wizard, "chkRememberPasswordNew");
    click(wizard, "cmdActivate");
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(prompts.messages().last().text, QStringLiteral("Ihr Konto ist jetzt freigeschaltet."));
    EXPECT_EQ(stored().kennwort, mailed);
    EXPECT_EQ(options().Username, email);
    EXPECT_FALSE(options().WaitingForPassword);
    EXPECT_TRUE(options().FirstStartHasRun);
}

TEST_F(Wizard, ServiceDownGivesAMessageAndTheWizardStaysUsable) {
    openAccountPage(0);
    type(wizard, "txtOldEmail", ServiceProcess::demoEmail());
    type(wizard, "txtPassword", ServiceProcess::demoPassword());
    service.stop();
    click(wizard, "cmdDoIt");
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Warning);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith(
        QStringLiteral("Die Verbindung zum Server konnte nicht hergestellt werden.")));
    EXPECT_EQ(closed->count(), 0);
    EXPECT_FALSE(child(wizard, "boxWait")->isVisible());
    EXPECT_TRUE(child(wizard, "cmdDoIt")->isEnabled());
    EXPECT_FALSE(stored().FirstStartHasRun);

    click(wizard, "cmdSkip");
    EXPECT_EQ(closed->count(), 1);
    EXPECT_TRUE(stored().FirstStartHasRun);
    EXPECT_TRUE(options().Username.isEmpty());
}

TEST_F(Wizard, ClosedByItsFrameWhileTheServiceIsSilent) {
    QTcpServer silent; // accepts the connection and never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    openAccountPage(0);
    urlStore().set(CUrlStore::CheckUser,
                   QStringLiteral("http://127.0.0.1:%1/check").arg(silent.serverPort()));
    type(wizard, "txtOldEmail", ServiceProcess::demoEmail());
    type(wizard, "txtPassword", ServiceProcess::demoPassword());

    bool sawWait = false;
    QTimer::singleShot(300, wizard, [&] {
        sawWait = wizard->isBusy() && child(wizard, "boxWait")->isVisible() &&
                  !child(wizard, "boxContent")->isEnabled();
        wizard->close();
    });
    click(wizard, "cmdDoIt"); // returns when the check gives up
    EXPECT_TRUE(sawWait);
    EXPECT_EQ(closed->count(), 1);
    EXPECT_TRUE(prompts.messages().isEmpty()); // a closed wizard reports nothing
    EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.isNull(); }, 5000));
    EXPECT_FALSE(stored().FirstStartHasRun);
}

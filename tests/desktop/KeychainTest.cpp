// The password against a real Secret Service keyring. These cases run from
// keychain.sh, which starts the keyring (or leaves it out) and runs each case
// in a process of its own, so that a case after a restart starts from what the
// one before left in the settings file and the keyring. Run on their own they
// skip.

#include "ScriptedPrompts.h"
#include "ServiceProcess.h"

#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/CUrlStore.h"
#include "config/OptionsRules.h"
#include "config/cOptionen.h"
#include "config/ui/frmOptionen.h"
#include "platform/PasswordStore.h"
#include "platform/ProgramDir.h"
#include "platform/ToolRegistry.h"
#include "ui_frmMain.h"
#include "ui_frmOptionen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kEmail = ServiceProcess::demoEmail();

// The folder the cases share across restarts, and what keychain.sh set up.
QString stateDir() { return qEnvironmentVariable("VELVOX_KEYCHAIN_DIR"); }
bool keyringExpected() { return qEnvironmentVariable("VELVOX_KEYRING") == QLatin1String("unlocked"); }

QString settingsFile() { return QDir(stateDir()).filePath(QStringLiteral("settings.ini")); }

QByteArray settingsBytes() {
    QFile f(settingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString filedPassword() { return ToolRegistry::getString(settingsKey(), QStringLiteral("Password")); }

QString keychainPassword(const QString& account) {
    QString password;
    return PasswordStore::read(account, &password) == PasswordStore::Lookup::Found ? password : QString();
}

// The program's start as far as the password goes: the store on the shared
// file, the keychain on, the settings loaded afresh.
class Keychain : public ::testing::Test {
protected:
    void SetUp() override {
        if (stateDir().isEmpty())
            GTEST_SKIP() << "runs from keychain.sh";
        ToolRegistry::setStoreFile(settingsFile());
        ProgramDir::setPath(stateDir());
        PasswordStore::setEnabled(true);
        restart();
    }
    void TearDown() override {
        PasswordStore::setEnabled(false);
        resetOptions();
        resetUrlStore();
    }
    static void restart() {
        resetOptions();
        resetUrlStore();
    }

    // Types e-mail and password into the account page and presses OK.
    static void enterThroughOptions(frmOptionen& dialog, const QString& email, const QString& password) {
        Ui::frmOptionen& ui = dialog.ui();
        ui.txtEmail->clear();
        QTest::keyClicks(ui.txtEmail, email);
        ui.txtKennwort->clear();
        QTest::keyClicks(ui.txtKennwort, password);
        QTest::mouseClick(ui.cmdOK, Qt::LeftButton);
    }
};

class KeyringRuns : public Keychain {
protected:
    void SetUp() override {
        Keychain::SetUp();
        if (!IsSkipped() && !keyringExpected())
            GTEST_SKIP() << "needs the unlocked keyring";
    }
};

class NoKeyring : public Keychain {
protected:
    void SetUp() override {
        Keychain::SetUp();
        if (!IsSkipped() && keyringExpected())
            GTEST_SKIP() << "needs a machine without a usable keyring";
    }
};

TEST_F(KeyringRuns, PasswordTypedIntoTheOptionsGoesToTheKeyringNotTheFile) {
    ScriptedPrompts prompts;
    options().FirstStartHasRun = true;
    frmOptionen dialog;
    dialog.load();
    dialog.show();
    EXPECT_FALSE(dialog.ui().lblKennwortAblage->isVisibleTo(&dialog));
    enterThroughOptions(dialog, kEmail, ServiceProcess::demoPassword());
    ASSERT_FALSE(dialog.applyFailed());
    EXPECT_TRUE(prompts.messages().isEmpty());

    EXPECT_EQ(ToolRegistry::getString(settingsKey(), QStringLiteral("eMail")), kEmail);
    EXPECT_TRUE(filedPassword().isEmpty());
    EXPECT_FALSE(settingsBytes().contains("SMS\\Password=")) << settingsBytes().constData();
    EXPECT_EQ(keychainPassword(kEmail), ServiceProcess::demoPassword());
}

// After the case above, in a new process: the password comes from the keyring
// and the send carries it.
TEST_F(KeyringRuns, RestartedProgramSendsWithThePasswordFromTheKeyring) {
    ServiceProcess service;
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    QFile profile(QDir(stateDir()).filePath(QStringLiteral("oem.inf")));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    profile.write(service.oemIni());
    profile.close();
    restart();
    ASSERT_TRUE(filedPassword().isEmpty());
    EXPECT_EQ(options().kennwort, ServiceProcess::demoPassword());

    ScriptedPrompts prompts;
    frmSplash::setStepPauseMs(0);
    frmMain* window = Startup::showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    Ui::frmMain& ui = window->ui();
    const int index = ui.cmbVorwahl->findText(QStringLiteral("0170"));
    ASSERT_GE(index, 0);
    ui.cmbVorwahl->setCurrentIndex(index);
    emit ui.cmbVorwahl->activated(index);
    QTest::keyClicks(ui.txtNummer, QStringLiteral("7654321"));
    QTest::keyClicks(ui.txtSMS, QStringLiteral("Aus dem Schluesselbund"));
    QTest::mouseClick(ui.tbSend, Qt::LeftButton, {}, ui.tbSend->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.messages().isEmpty(); }, 20000));
    EXPECT_TRUE(
        prompts.messages()[0].text.contains(QStringLiteral("wurde erfolgreich an das Gateway übermittelt.")))
        << prompts.messages()[0].text.toStdString();
    // No login prompt came: the stored password was found.
    EXPECT_TRUE(prompts.dialogs().isEmpty());
    const auto rows = service.query(QStringLiteral("SELECT body FROM messages"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0][0].toByteArray().contains("&kennwort=velvox&")) << rows[0][0].toByteArray().constData();
    window->close();
    QApplication::processEvents();

    EXPECT_FALSE(settingsBytes().isEmpty());
    EXPECT_FALSE(settingsBytes().contains("SMS\\Password=")) << settingsBytes().constData();
}

TEST_F(KeyringRuns, OldPasswordInTheFileMovesIntoTheKeyringAtStart) {
    const QString account = QStringLiteral("alt@velvox.example");
    ToolRegistry::setString(settingsKey(), QStringLiteral("eMail"), account);
    ToolRegistry::setString(settingsKey(), QStringLiteral("Password"), QStringLiteral("a&b+c alt"));
    restart();
    EXPECT_EQ(options().kennwort, QStringLiteral("a&b+c alt"));

    EXPECT_TRUE(movePasswordToKeychain());
    EXPECT_TRUE(filedPassword().isEmpty());
    EXPECT_FALSE(settingsBytes().contains("a&b+c alt"));
    EXPECT_EQ(keychainPassword(account), QStringLiteral("a&b+c alt"));
    EXPECT_FALSE(movePasswordToKeychain()); // nothing left to move

    restart();
    EXPECT_EQ(options().kennwort, QStringLiteral("a&b+c alt"));
    EXPECT_EQ(options().Username, account);
}

// An account that changes its address takes its password along; an emptied
// password leaves no entry behind.
TEST_F(KeyringRuns, EntryFollowsTheAccountAndGoesWithAnEmptyPassword) {
    const QString first = QStringLiteral("erst@velvox.example");
    const QString second = QStringLiteral("dann@velvox.example");
    options().Username = first;
    options().kennwort = QStringLiteral("eins");
    ASSERT_TRUE(options().save());
    EXPECT_EQ(keychainPassword(first), QStringLiteral("eins"));

    restart();
    options().Username = second;
    ASSERT_TRUE(options().save());
    EXPECT_EQ(keychainPassword(second), QStringLiteral("eins"));
    EXPECT_TRUE(keychainPassword(first).isEmpty());

    restart();
    EXPECT_EQ(options().kennwort, QStringLiteral("eins"));
    options().kennwort.clear();
    ASSERT_TRUE(options().save());
    EXPECT_TRUE(keychainPassword(second).isEmpty());
    restart();
    EXPECT_TRUE(options().kennwort.isEmpty());
    EXPECT_TRUE(filedPassword().isEmpty());
}

TEST_F(NoKeyring, PasswordStaysInTheFileAndTheOptionsSaySo) {
    ToolRegistry::setString(settingsKey(), QStringLiteral("eMail"), kEmail);
    ToolRegistry::setString(settingsKey(), QStringLiteral("Password"), QStringLiteral("alt"));
    restart();
    EXPECT_FALSE(movePasswordToKeychain());
    EXPECT_EQ(filedPassword(), QStringLiteral("alt"));

    ScriptedPrompts prompts;
    frmOptionen dialog;
    dialog.load();
    dialog.show();
    enterThroughOptions(dialog, kEmail, QStringLiteral("neu"));
    ASSERT_FALSE(dialog.applyFailed());
    EXPECT_FALSE(PasswordStore::usable());
    EXPECT_EQ(OptionsRules::passwordStorageNote(),
              QStringLiteral("Kein Schlüsselbund verfügbar: Das Kennwort wird in der Einstellungsdatei gespeichert."));
    dialog.load();
    EXPECT_TRUE(dialog.ui().lblKennwortAblage->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.ui().lblKennwortAblage->text(), OptionsRules::passwordStorageNote());
    EXPECT_EQ(filedPassword(), QStringLiteral("neu"));

    PasswordStore::setEnabled(true);
    restart();
    EXPECT_EQ(options().kennwort, QStringLiteral("neu"));
}

} // namespace

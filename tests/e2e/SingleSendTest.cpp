#include "ScriptedPrompts.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/cOptionen.h"
#include "lists/clsMRU.h"
#include "ui_frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// The whole program path from the start sequence on, driven through its
// widgets as a user would, against the stand-in service.
TEST(EndToEnd, StartSeeTheBalanceSendOneSmsAndSeeItCharged) {
    ServiceProcess service;
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    TempSettings settings;
    settings.writeProfile(service.oemIni());
    settings.reload();
    options().Username = ServiceProcess::demoEmail();
    options().kennwort = ServiceProcess::demoPassword();
    options().FirstStartHasRun = true;
    options().save();
    ScriptedPrompts prompts;
    frmSplash::setStepPauseMs(0);

    ASSERT_FALSE(Startup::isFirstStart());
    frmMain* window = Startup::showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    Ui::frmMain& ui = window->ui();
    EXPECT_EQ(ui.lblCredits->text(), QStringLiteral("5000 Credits"));

    const int index = ui.cmbVorwahl->findText(QStringLiteral("0170"));
    ASSERT_GE(index, 0);
    ui.cmbVorwahl->setFocus();
    ui.cmbVorwahl->setCurrentIndex(index);
    emit ui.cmbVorwahl->activated(index);
    QTest::keyClicks(ui.txtNummer, QStringLiteral("1234567"));
    QTest::keyClicks(ui.cmbName->lineEdit(), QStringLiteral("Anna"));
    QTest::keyClicks(ui.txtSMS, QStringLiteral("Bis gleich & danke!"));
    EXPECT_EQ(ui.txtKostenProSMS->text(), QStringLiteral("10"));

    QTest::mouseClick(ui.tbSend, Qt::LeftButton, {}, ui.tbSend->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.messages().isEmpty(); }, 20000));
    EXPECT_EQ(prompts.messages()[0].title, QStringLiteral("Antwort des SMS Gateways"));
    EXPECT_TRUE(
        prompts.messages()[0].text.contains(QStringLiteral("wurde erfolgreich an das Gateway übermittelt.")));

    const auto rows =
        service.query(QStringLiteral("SELECT empfaenger, empfaengername, text, body, cost FROM messages"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("00491701234567"));
    EXPECT_EQ(rows[0][1].toString(), QStringLiteral("Anna"));
    EXPECT_EQ(rows[0][2].toString(), QStringLiteral("Bis gleich & danke!"));
    EXPECT_EQ(
        rows[0][3].toByteArray(),
        QByteArray("email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491701234567"
                   "&empfaengername=Anna&private=true&public=false&skippush=0&version=3.0.99"
                   "&text=Bis%20gleich%20%26%20danke!&absenderkennung=false&absender=&statusmeldung=false"
                   "&antwort=false&einlieferung=false&referer=Velvox&long=false"));
    const qint64 cost = rows[0][4].toLongLong();
    EXPECT_EQ(cost, 10);
    EXPECT_EQ(ui.lblCredits->text(), QStringLiteral("%1 Credits").arg(ServiceProcess::kDemoCredits - cost));
    EXPECT_TRUE(ui.txtSMS->toPlainText().isEmpty());
    // The recipient is remembered and offered again.
    EXPECT_EQ(window->mru().entries(), QStringList{QStringLiteral("Anna;G170-1234567")});
    ASSERT_EQ(ui.cmbName->count(), 1);
    EXPECT_EQ(ui.cmbName->itemText(0), QStringLiteral("Anna"));

    window->close();
    QApplication::processEvents();
}

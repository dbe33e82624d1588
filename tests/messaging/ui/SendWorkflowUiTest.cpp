#include "MainWindowHarness.h"
#include "ScriptedServer.h"

#include "app/HeaderArea.h"
#include "lists/clsMRU.h"
#include "messaging/SendContext.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/ui/OptionPanels.h"
#include "messaging/ui/SendWorkflow.h"
#include "widgets/FieldMark.h"
#include "widgets/OptionsBar.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kAccepted = QStringLiteral("wurde erfolgreich an das Gateway übermittelt.");

class SendWorkflowUi : public ::testing::Test {
protected:
    void SetUp() override { h.load(); }
    MainWindowHarness h;
};

} // namespace

TEST_F(SendWorkflowUi, EmptyNumberAndTextGiveBothComplaintsAndTwoRedFields) {
    h.enterRecipient(QStringLiteral("G170"), QString());
    h.enterText(QString());
    h.prompts.clear();
    h.clickSend();
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].icon, Prompts::Icon::Warning);
    EXPECT_EQ(h.prompts.messages()[0].text,
              QStringLiteral("Bitte korrigieren Sie die rot markierten Felder.\r\n\r\n"
                             "  - Bitte geben Sie eine Rufnummer an.\r\n"
                             "  - Bitte geben Sie eine Nachricht ein.\r\n"));
    EXPECT_TRUE(isFieldMarked(h.ui().txtNummer));
    EXPECT_TRUE(isFieldMarked(h.ui().txtSMS));
    EXPECT_FALSE(isFieldMarked(h.ui().cmbVorwahl));
    EXPECT_EQ(h.window->header().text(), QStringLiteral("Bitte korrigieren Sie die rot markierten Felder."));
    EXPECT_EQ(h.messagesStored(), 0);
}

TEST_F(SendWorkflowUi, CreditCheckRefusesWhatTheBalanceCannotPay) {
    h.service->setCredits(ServiceProcess::demoEmail(), 25);
    h.window->credits().refreshCredits();
    ASSERT_EQ(h.window->sendContext().creditBalance, 25);
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.enterText(QString(400, QLatin1Char('x'))); // three SMS at ten credits each
    ASSERT_EQ(h.ui().txtAnzahlSMS->text(), QStringLiteral("3"));
    h.clickSend();
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].text,
              QStringLiteral("Sie verfügen nicht mehr über ein ausreichendes Guthaben um diese Nachricht zu verschicken."));
    EXPECT_EQ(h.messagesStored(), 0);
    EXPECT_TRUE(h.window->sendContext().password.isEmpty());

    h.service->setCredits(ServiceProcess::demoEmail(), 30);
    h.window->credits().refreshCredits();
    h.prompts.clear();
    h.clickSend();
    ASSERT_TRUE(h.waitForMessages(3)); // one reply box per part
    EXPECT_EQ(h.messagesStored(), 3);
}

TEST_F(SendWorkflowUi, UnknownBalanceNeverBlocks) {
    h.window->sendContext().creditBalance = -1;
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.enterText(QString(1400, QLatin1Char('y')));
    h.clickSend();
    ASSERT_TRUE(h.waitForMessages(1));
    EXPECT_GE(h.messagesStored(), 1);
}

TEST_F(SendWorkflowUi, AcceptedSendStoresTheExactBodyAndLowersTheBalance) {
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.ui().cmbName->setEditText(QStringLiteral("Team Süd"));
    h.enterText(QStringLiteral("Hallo 50% & mehr"));
    EXPECT_EQ(h.ui().lblCredits->text(), QStringLiteral("5000 Credits"));
    h.clickSend();
    ASSERT_TRUE(h.waitForMessages(1));
    EXPECT_TRUE(h.prompts.messages()[0].text.contains(kAccepted));
    const QByteArray body = h.service->scalar(QStringLiteral("SELECT body FROM messages")).toByteArray();
    EXPECT_EQ(body, QByteArray("email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491701234567"
                               "&empfaengername=Team%20S\xFC" "d&private=true&public=false&skippush=0&version=3.0.99"
                               "&text=Hallo%2050%25%20%26%20mehr&absenderkennung=false&absender=&statusmeldung=false"
                               "&antwort=false&einlieferung=false&referer=Velvox&long=false"));
    EXPECT_EQ(h.ui().lblCredits->text(), QStringLiteral("4990 Credits"));
    EXPECT_EQ(h.window->sendContext().creditBalance, 4990);

    // The recipient is remembered and offered again.
    ASSERT_EQ(h.window->mru().Count(), 1);
    EXPECT_EQ(h.window->mru().Item(1), QStringLiteral("Team Süd;G170-1234567"));
    ASSERT_EQ(h.ui().cmbName->count(), 1);
    EXPECT_EQ(h.ui().cmbName->itemText(0), QStringLiteral("Team Süd"));
}

TEST_F(SendWorkflowUi, CancelledLoginPromptSendsWithEmptyPasswordAndShowsTheRefusal) {
    options().kennwort.clear();
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    h.enterText(QStringLiteral("Hallo"));
    h.prompts.queueDialogResult(QString()); // "Abbrechen"
    h.clickSend();
    ASSERT_EQ(h.prompts.dialogs().size(), 1);
    EXPECT_EQ(h.prompts.dialogs()[0].args.value(QStringLiteral("email")).toString(), ServiceProcess::demoEmail());
    ASSERT_TRUE(h.waitForMessages(1));
    const QString shown = h.prompts.messages()[0].text;
    EXPECT_FALSE(shown.contains(kAccepted));
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_EQ(h.messagesStored(), 0);
    // A refused send keeps the input for another try.
    EXPECT_EQ(h.ui().txtSMS->toPlainText(), QStringLiteral("Hallo"));
    EXPECT_EQ(h.service->credits(ServiceProcess::demoEmail()), ServiceProcess::kDemoCredits);
}

TEST_F(SendWorkflowUi, ReplyPanelSwitchesTheSenderNameOffAndRecosts) {
    options().isAbsenderkennung = true;
    options().Absenderkennung = QStringLiteral("Firma");
    h.window->optionPanels().setOptionsBar();
    h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1"));
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("14"));
    OptionsBar* bar = h.ui().optionsBar;
    ASSERT_TRUE(bar->isInset(QStringLiteral("absender")));
    bar->clickPanel(QStringLiteral("antwort"));
    EXPECT_TRUE(bar->isInset(QStringLiteral("antwort")));
    EXPECT_FALSE(bar->isInset(QStringLiteral("absender")));
    EXPECT_TRUE(options().isAntwortEnabled);
    EXPECT_FALSE(options().isAbsenderkennung);
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("11"));
    h.settings.reload();
    EXPECT_TRUE(options().isAntwortEnabled); // saved at once
}

TEST_F(SendWorkflowUi, SenderPanelWithoutSenderNameWarnsAndOpensTheOptions) {
    options().Absenderkennung.clear();
    h.ui().optionsBar->clickPanel(QStringLiteral("absender"));
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].text, QStringLiteral("Sie haben keine Absenderkennung eingegeben."));
    ASSERT_EQ(h.prompts.dialogs().size(), 1);
    EXPECT_EQ(h.prompts.dialogs()[0].name, QLatin1String(Prompts::Dialog::Options));
    EXPECT_TRUE(options().isAbsenderkennung);
}

namespace {

// The balance comes from a scripted server: the replies here are ones the
// stand-in service does not give on request.
class CreditLabel : public ::testing::Test {
protected:
    void loadWith(const QByteArray& firstReply) {
        const QByteArray profile = "[URLs]\nSmsCount=" + server.url(QStringLiteral("/count?email=")).toLatin1() + "\n";
        harness = std::make_unique<MainWindowHarness>(profile, false);
        server.setReply(QStringLiteral("/count"), {firstReply});
        harness->load();
        afterLoad = server.requestCount(QStringLiteral("/count"));
    }
    ScriptedServer server;
    std::unique_ptr<MainWindowHarness> harness;
    int afterLoad = 0;
};

} // namespace

TEST_F(CreditLabel, RepliesGiveTheLabelsColoursAndBalances) {
    loadWith(" 1234 ");
    MainWindowHarness& h = *harness;
    QLabel* label = h.ui().lblCredits;
    QLabel* buy = h.ui().lblBuyCredits;
    EXPECT_EQ(label->text(), QStringLiteral("1234 Credits"));
    EXPECT_EQ(h.window->sendContext().creditBalance, 1234);
    EXPECT_TRUE(buy->isHidden());
    const QColor normal = label->palette().color(QPalette::WindowText);

    server.setReply(QStringLiteral("/count"), {"500"});
    h.window->credits().refreshCredits();
    EXPECT_EQ(label->text(), QStringLiteral("500 Credits"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_FALSE(buy->isHidden());

    server.setReply(QStringLiteral("/count"), {"501"});
    h.window->credits().refreshCredits();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), normal);
    EXPECT_TRUE(buy->isHidden());

    server.setReply(QStringLiteral("/count"), {"-1"});
    h.window->credits().refreshCredits();
    EXPECT_EQ(label->text(), QStringLiteral("nicht angemeldet"));
    EXPECT_FALSE(label->isEnabled());
    EXPECT_EQ(h.window->sendContext().creditBalance, -1);

    server.setReply(QStringLiteral("/count"), {"Fehler"});
    h.window->credits().refreshCredits();
    EXPECT_EQ(label->text(), QStringLiteral("kein Internet"));
    EXPECT_FALSE(label->isEnabled()); // the enabled state stays as it was
    EXPECT_EQ(h.window->sendContext().creditBalance, -1);

    server.setReply(QStringLiteral("/count"), {"777"});
    h.window->credits().refreshCredits();
    EXPECT_TRUE(label->isEnabled());
    server.setReply(QStringLiteral("/count"), {"", "text/plain", 503});
    h.window->credits().refreshCredits();
    EXPECT_EQ(label->text(), QStringLiteral("kein Internet"));
    EXPECT_TRUE(label->isEnabled());
}

TEST_F(CreditLabel, TenTicksFetchNothingAndTheEleventhFetches) {
    loadWith("100");
    MainWindowHarness& h = *harness;
    for (int i = 0; i < 10; ++i)
        h.window->credits().onTick();
    EXPECT_EQ(server.requestCount(QStringLiteral("/count")), afterLoad);
    h.window->credits().onTick();
    EXPECT_EQ(server.requestCount(QStringLiteral("/count")), afterLoad + 1);
    EXPECT_EQ(h.window->credits().tickCounter(), 0);
}

TEST(CreditLabelOffline, RefusedConnectionReadsNoInternet) {
    MainWindowHarness h("[URLs]\nSmsCount=http://127.0.0.1:1/count?email=\n", false);
    h.load();
    EXPECT_EQ(h.ui().lblCredits->text(), QStringLiteral("kein Internet"));
    EXPECT_EQ(h.window->sendContext().creditBalance, -1);
}

TEST_F(CreditLabel, AFetchAskedForDuringAFetchHasTheLastWord) {
    using namespace std::chrono_literals;
    loadWith("5000");
    MainWindowHarness& h = *harness;

    // The first answer is slow and stale; a send's reply asks again meanwhile.
    server.setReply(QStringLiteral("/count"), {"5000", "text/plain", 200, 400ms});
    QTimer::singleShot(100, [&] {
        server.setReply(QStringLiteral("/count"), {"4990"});
        h.window->credits().refreshCredits();
    });
    h.window->credits().refreshCredits();
    EXPECT_EQ(h.ui().lblCredits->text(), QStringLiteral("4990 Credits"));
    EXPECT_EQ(h.window->sendContext().creditBalance, 4990);
    EXPECT_EQ(server.requestCount(QStringLiteral("/count")), afterLoad + 2);
}

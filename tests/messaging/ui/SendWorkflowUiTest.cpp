#include "MainWindowHarness.h"
#include "ScriptedServer.h"

#include "widgets/HeaderArea.h"
#include "messaging/SendContext.h"
#include "messaging/ui/CreditDisplay.h"
#include "messaging/ui/OptionPanels.h"
#include "messaging/ui/SendWorkflow.h"
#include "widgets/FieldMark.h"
#include "widgets/OptionsBar.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class SendWorkflowUi : public ::testing::Test {
protected:
    void SetUp() override {
        h.load();
        h.enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
    }
    void setCredits(int credits) {
        h.service->setCredits(ServiceProcess::demoEmail(), credits);
        h.window->credits().refreshCredits();
    }
    MainWindowHarness h;
};

} // namespace

TEST_F(SendWorkflowUi, EmptyNumberAndTextGiveBothComplaintsAndTwoRedFields) {
    h.ui().txtNummer->clear();
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
    setCredits(25);
    h.enterText(QString(400, QLatin1Char('x'))); // three SMS at ten credits each
    ASSERT_EQ(h.ui().txtAnzahlSMS->text(), QStringLiteral("3"));
    h.clickSend();
    ASSERT_EQ(h.prompts.messages().size(), 1);
    EXPECT_EQ(h.prompts.messages()[0].text, QStringLiteral("Sie verfügen nicht mehr über ein ausreichendes "
                                                           "Guthaben um diese Nachricht zu verschicken."));
    EXPECT_EQ(h.messagesStored(), 0);
    EXPECT_TRUE(h.window->sendContext().password.isEmpty());

    setCredits(30);
    h.prompts.clear();
    h.clickSend();
    ASSERT_TRUE(h.waitForMessages(3)); // one reply box per part
    EXPECT_EQ(h.messagesStored(), 3);
}

TEST_F(SendWorkflowUi, CancelledLoginPromptSendsWithEmptyPasswordAndShowsTheRefusal) {
    options().kennwort.clear();
    h.enterText(QStringLiteral("Hallo"));
    h.prompts.queueDialogResult(QString()); // "Abbrechen"
    h.clickSend();
    ASSERT_EQ(h.prompts.dialogs().size(), 1);
    EXPECT_EQ(h.prompts.dialogs()[0].args.value(QStringLiteral("email")).toString(),
              ServiceProcess::demoEmail());
    ASSERT_TRUE(h.waitForMessages(1));
    const QString shown = h.prompts.messages()[0].text;
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_FALSE(shown.contains(QStringLiteral("erfolgreich")));
    EXPECT_EQ(h.messagesStored(), 0);
    EXPECT_EQ(h.ui().txtSMS->toPlainText(), QStringLiteral("Hallo"));
    EXPECT_EQ(h.service->credits(ServiceProcess::demoEmail()), ServiceProcess::kDemoCredits);
}

TEST_F(SendWorkflowUi, ReplyPanelSwitchesTheSenderNameOffRecostsAndSaves) {
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
    EXPECT_FALSE(options().isAbsenderkennung);
    EXPECT_EQ(h.ui().txtKostenProSMS->text(), QStringLiteral("11"));
    h.settings.reload();
    EXPECT_TRUE(options().isAntwortEnabled);
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

// The balance comes from a scripted server: these replies the stand-in
// service does not give on request.
class CreditLabel : public ::testing::Test {
protected:
    void SetUp() override {
        h = std::make_unique<MainWindowHarness>(
            "[URLs]\nSmsCount=" + server.url(QStringLiteral("/count?email=")).toLatin1() + "\n", false);
        answer("5000");
        h->load();
        afterLoad = fetches();
    }
    void answer(const QByteArray& body, int status = 200, std::chrono::milliseconds delay = 0ms) {
        server.setReply(QStringLiteral("/count"), {body, "text/plain", status, delay});
    }
    int fetches() const { return server.requestCount(QStringLiteral("/count")); }
    ScriptedServer server;
    std::unique_ptr<MainWindowHarness> h;
    int afterLoad = 0;
};

} // namespace

TEST_F(CreditLabel, RepliesGiveTheLabelsColoursAndBalances) {
    QLabel* label = h->ui().lblCredits;
    const QColor normal = label->palette().color(QPalette::WindowText);
    // In order: "kein Internet" keeps the enabled state of the step before.
    const struct {
        const char* reply;
        int status;
        const char* text;
        int balance;
        bool enabled, low;
    } steps[] = {
        {"500", 200, "500 Credits", 500, true, true},      {"501", 200, "501 Credits", 501, true, false},
        {"-1", 200, "nicht angemeldet", -1, false, false}, {"Fehler", 200, "kein Internet", -1, false, false},
        {"777", 200, "777 Credits", 777, true, false},     {"", 503, "kein Internet", -1, true, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.reply);
        answer(s.reply, s.status);
        h->window->credits().refreshCredits();
        EXPECT_EQ(label->text(), QString::fromLatin1(s.text));
        EXPECT_EQ(h->window->sendContext().creditBalance, s.balance);
        EXPECT_EQ(label->isEnabled(), s.enabled);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), s.low ? QColor(192, 0, 0) : normal);
        EXPECT_EQ(h->ui().lblBuyCredits->isHidden(), !s.low);
    }
}

TEST_F(CreditLabel, TheEleventhTickFetches) {
    for (int i = 0; i < 10; ++i)
        h->window->credits().onTick();
    EXPECT_EQ(fetches(), afterLoad);
    h->window->credits().onTick();
    EXPECT_EQ(fetches(), afterLoad + 1);
}

TEST_F(CreditLabel, AFetchAskedForDuringAFetchHasTheLastWord) {
    // The first answer is slow and stale; a send's reply asks again meanwhile.
    answer("5000", 200, 400ms);
    QTimer::singleShot(100, [&] {
        answer("4990");
        h->window->credits().refreshCredits();
    });
    h->window->credits().refreshCredits();
    EXPECT_EQ(h->ui().lblCredits->text(), QStringLiteral("4990 Credits"));
    EXPECT_EQ(h->window->sendContext().creditBalance, 4990);
    EXPECT_EQ(fetches(), afterLoad + 2);
}

TEST(CreditLabelOffline, RefusedConnectionReadsNoInternet) {
    MainWindowHarness h("[URLs]\nSmsCount=http://127.0.0.1:1/count?email=\n", false);
    h.load();
    EXPECT_EQ(h.ui().lblCredits->text(), QStringLiteral("kein Internet"));
    EXPECT_EQ(h.window->sendContext().creditBalance, -1);
}

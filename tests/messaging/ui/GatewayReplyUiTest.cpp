#include "MainWindowHarness.h"
#include "ScriptedServer.h"

#include "app/HeaderArea.h"
#include "messaging/SendContext.h"
#include "messaging/ui/GatewaySender.h"
#include "messaging/ui/SendWorkflow.h"
#include "widgets/FieldMark.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// The gateway is a scripted server here: these tests are about reply shapes
// and silence, which the stand-in service does not produce on request.
class GatewayReply : public ::testing::Test {
protected:
    void SetUp() override {
        h = loadOnScriptedGateway(gateway);
        h->enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
        h->ui().cmbName->setEditText(QStringLiteral("Team Süd"));
        h->enterText(QStringLiteral("Hallo Welt"));
    }

    ScriptedServer gateway;
    std::unique_ptr<MainWindowHarness> h;
};

} // namespace

TEST_F(GatewayReply, AcceptedReplyShowsEveryPieceAndEmptiesTheFields) {
    gateway.setReply(QStringLiteral("/send"),
                     {"Die SMS an 00491701234567 wurde erfolgreich an das Gateway \xFC"
                      "bermittelt.;Restguthaben: 4990\n"});
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    const Prompts::Message& box = h->prompts.messages().first();
    EXPECT_EQ(box.title, QStringLiteral("Antwort des SMS Gateways"));
    EXPECT_EQ(box.icon, Prompts::Icon::Information);
    EXPECT_EQ(box.text,
              QStringLiteral("Die SMS an 00491701234567 wurde erfolgreich an das Gateway übermittelt.\r\n"
                             "Restguthaben: 4990\r\n"));
    EXPECT_TRUE(h->ui().txtSMS->toPlainText().isEmpty());
    EXPECT_TRUE(h->ui().txtNummer->text().isEmpty());
    EXPECT_TRUE(h->ui().cmbName->currentText().isEmpty());
    EXPECT_FALSE(h->ui().boxReuseLastSMS->isHidden());
    EXPECT_EQ(h->ui().lblReuseText->toolTip(), QStringLiteral("Hallo Welt"));
    EXPECT_FALSE(isFieldMarked(h->ui().txtNummer));
    EXPECT_FALSE(h->window->header().warningShown());
    EXPECT_FALSE(h->window->sender().tm().isActive());

    // The offer brings the text back and goes away.
    h->window->workflow().onReuseClicked();
    EXPECT_EQ(h->ui().txtSMS->toPlainText(), QStringLiteral("Hallo Welt"));
    EXPECT_TRUE(h->ui().boxReuseLastSMS->isHidden());
}

TEST_F(GatewayReply, RefusalIsShownUnchangedAndEveryFieldStays) {
    gateway.setReply(QStringLiteral("/send"), {"Fehler; Kennwort falsch \r\n"});
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(h->prompts.messages().first().text, QStringLiteral("Fehler\r\nKennwort falsch \r\r\n"));
    EXPECT_EQ(h->ui().txtSMS->toPlainText(), QStringLiteral("Hallo Welt"));
    EXPECT_EQ(h->ui().txtNummer->text(), QStringLiteral("1234567"));
    EXPECT_EQ(h->ui().cmbName->currentText(), QStringLiteral("Team Süd"));
    EXPECT_TRUE(h->ui().boxReuseLastSMS->isHidden());
}

TEST_F(GatewayReply, SilentGatewayGivesTheTimeOutAndALateReplyStillItsBox) {
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt.",
                                               "text/plain", 200, 1500ms});
    h->window->workflow().setSendTimeoutMs(200);
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(h->prompts.messages()[0].text, GatewaySender::timeoutText());
    EXPECT_EQ(h->prompts.messages()[0].title, QStringLiteral("Velvox"));
    ASSERT_TRUE(h->waitForMessages(2));
    EXPECT_EQ(h->prompts.messages()[1].title, QStringLiteral("Antwort des SMS Gateways"));
    // Only one time-out message per send.
    QTest::qWait(300);
    EXPECT_EQ(h->prompts.messages().size(), 2);
}

TEST_F(GatewayReply, DecliningTheMissingSenderSendsNothingAndNoTimeOutFollows) {
    options().isAbsenderkennung = true;
    options().Absenderkennung.clear();
    h->window->workflow().setSendTimeoutMs(200);
    gateway.setReply(QStringLiteral("/send"), {"x"});
    h->prompts.queueAnswer(Prompts::Answer::No);
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(h->prompts.messages()[0].title, QStringLiteral("Kein Absendername vorhanden"));
    QTest::qWait(500);
    EXPECT_EQ(h->prompts.messages().size(), 1);
    EXPECT_EQ(gateway.requestCount(QStringLiteral("/send")), 0);
}

TEST_F(GatewayReply, SplitTextGetsOneBoxPerPartInOrder) {
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt."});
    h->enterText(QString(161, QLatin1Char('a')));
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(2));
    const auto sends = gateway.requests();
    QList<QByteArray> bodies;
    for (const auto& r : sends) {
        if (r.path == QLatin1String("/send"))
            bodies.append(r.body);
    }
    ASSERT_EQ(bodies.size(), 2);
    const QByteArray firstPart = QByteArray("&text=") + QByteArray(160, 'a') + QByteArray("&");
    EXPECT_TRUE(bodies[0].contains(firstPart));
    EXPECT_TRUE(bodies[1].contains("&text=a&"));
}

TEST_F(GatewayReply, LateReplyKeepsWhatWasTypedMeanwhileAndOffersTheSentText) {
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt.",
                                               "text/plain", 200, 400ms});
    h->clickSend();
    // The user goes on while the reply is on its way.
    h->enterRecipient(QStringLiteral("G171"), QStringLiteral("7654321"));
    h->enterText(QStringLiteral("Die nächste Nachricht"));
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(h->ui().txtSMS->toPlainText(), QStringLiteral("Die nächste Nachricht"));
    EXPECT_EQ(h->ui().txtNummer->text(), QStringLiteral("7654321"));
    EXPECT_EQ(h->ui().lblReuseText->toolTip(), QStringLiteral("Hallo Welt"));
    h->window->workflow().onReuseClicked();
    EXPECT_EQ(h->ui().txtSMS->toPlainText(), QStringLiteral("Hallo Welt"));
}

TEST_F(GatewayReply, ReuseAfterATwoPartSendGivesBackTheWholeText) {
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt."});
    const QString text = QString(150, QLatin1Char('a')) + QString(30, QLatin1Char('b'));
    h->enterText(text);
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(2));
    EXPECT_TRUE(h->ui().txtSMS->toPlainText().isEmpty());
    EXPECT_EQ(h->ui().lblReuseText->toolTip(), text);
    h->window->workflow().onReuseClicked();
    EXPECT_EQ(h->ui().txtSMS->toPlainText(), text);
}

TEST_F(GatewayReply, ReplyBoxComesBeforeTheBalanceRefresh) {
    // The reply arrives after the send's own balance fetch is done, so the
    // fetch it triggers is a new one; a slow balance must not hold the box.
    gateway.setReply(QStringLiteral("/count"), {"5000", "text/plain", 200, 300ms});
    gateway.setReply(QStringLiteral("/send"), {"wurde erfolgreich an das Gateway \xFC"
                                               "bermittelt.",
                                               "text/plain", 200, 700ms});
    const int before = gateway.requestCount(QStringLiteral("/count"));
    int countAtBox = -1;
    h->prompts.setOnMessage(
        [&](const Prompts::Message&) { countAtBox = gateway.requestCount(QStringLiteral("/count")); });
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(countAtBox, before + 1); // only the fetch right after starting the send
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return gateway.requestCount(QStringLiteral("/count")) == before + 2; }, 5000));
}

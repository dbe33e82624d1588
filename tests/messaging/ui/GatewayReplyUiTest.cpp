#include "MainWindowHarness.h"
#include "ScriptedServer.h"

#include "widgets/HeaderArea.h"
#include "messaging/SendContext.h"
#include "messaging/SendSession.h"
#include "messaging/ui/SendWorkflow.h"
#include "widgets/FieldMark.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QByteArray kAccepted = "wurde erfolgreich an das Gateway \xFC"
                             "bermittelt.";

// Reply shapes and silence come from a scripted server: the stand-in service
// does not produce them on request.
class GatewayReply : public ::testing::Test {
protected:
    void SetUp() override {
        h = loadOnScriptedGateway(gateway);
        h->enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
        h->ui().cmbName->setEditText(QStringLiteral("Team Süd"));
        h->enterText(QStringLiteral("Hallo Welt"));
    }
    void reply(const QByteArray& body, std::chrono::milliseconds delay = 0ms) {
        gateway.setReply(QStringLiteral("/send"), {body, "text/plain", 200, delay});
    }
    QString sms() { return h->ui().txtSMS->toPlainText(); }
    QString reuse() {
        h->window->workflow().onReuseClicked();
        return sms();
    }

    ScriptedServer gateway;
    std::unique_ptr<MainWindowHarness> h;
};

} // namespace

TEST_F(GatewayReply, AcceptedReplyShowsEveryPieceAndEmptiesTheFields) {
    reply("Die SMS an 00491701234567 " + kAccepted + ";Restguthaben: 4990\n");
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    const Prompts::Message& box = h->prompts.messages().first();
    EXPECT_EQ(box.title, QStringLiteral("Antwort des SMS Gateways"));
    EXPECT_EQ(box.icon, Prompts::Icon::Information);
    EXPECT_EQ(box.text,
              QStringLiteral("Die SMS an 00491701234567 wurde erfolgreich an das Gateway übermittelt.\r\n"
                             "Restguthaben: 4990\r\n"));
    EXPECT_TRUE(sms().isEmpty());
    EXPECT_TRUE(h->ui().txtNummer->text().isEmpty());
    EXPECT_TRUE(h->ui().cmbName->currentText().isEmpty());
    EXPECT_FALSE(isFieldMarked(h->ui().txtNummer));
    EXPECT_FALSE(h->window->header().warningShown());
    EXPECT_FALSE(h->window->session().tm().isActive());
    EXPECT_FALSE(h->ui().boxReuseLastSMS->isHidden());
    EXPECT_EQ(reuse(), QStringLiteral("Hallo Welt"));
    EXPECT_TRUE(h->ui().boxReuseLastSMS->isHidden());
}

TEST_F(GatewayReply, RefusalIsShownUnchangedAndEveryFieldStays) {
    reply("Fehler; Kennwort falsch \r\n");
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(h->prompts.messages().first().text, QStringLiteral("Fehler\r\nKennwort falsch \r\r\n"));
    EXPECT_EQ(sms(), QStringLiteral("Hallo Welt"));
    EXPECT_EQ(h->ui().txtNummer->text(), QStringLiteral("1234567"));
    EXPECT_EQ(h->ui().cmbName->currentText(), QStringLiteral("Team Süd"));
    EXPECT_TRUE(h->ui().boxReuseLastSMS->isHidden());
}

TEST_F(GatewayReply, SilentGatewayGivesOneTimeOutAndALateReplyStillItsBox) {
    reply(kAccepted, 1500ms);
    h->window->workflow().setSendTimeoutMs(200);
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(2));
    EXPECT_EQ(h->prompts.messages()[0].text, SendSession::timeoutText());
    EXPECT_EQ(h->prompts.messages()[0].title, QStringLiteral("Velvox"));
    EXPECT_EQ(h->prompts.messages()[1].title, QStringLiteral("Antwort des SMS Gateways"));
    QTest::qWait(300);
    EXPECT_EQ(h->prompts.messages().size(), 2);
}

TEST_F(GatewayReply, DecliningTheMissingSenderSendsNothingAndNoTimeOutFollows) {
    options().isAbsenderkennung = true;
    options().Absenderkennung.clear();
    h->window->workflow().setSendTimeoutMs(200);
    reply("x");
    h->prompts.queueAnswer(Prompts::Answer::No);
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(h->prompts.messages()[0].title, QStringLiteral("Kein Absendername vorhanden"));
    QTest::qWait(500);
    EXPECT_EQ(h->prompts.messages().size(), 1);
    EXPECT_EQ(gateway.requestCount(QStringLiteral("/send")), 0);
}

TEST_F(GatewayReply, TwoPartSendGoesOutInOrderAndReuseGivesBackTheWholeText) {
    reply(kAccepted);
    const QString text = QString(150, QLatin1Char('a')) + QString(30, QLatin1Char('b'));
    h->enterText(text);
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(2));
    QList<QByteArray> bodies;
    for (const auto& r : gateway.requests())
        if (r.path == QLatin1String("/send"))
            bodies.append(r.body);
    ASSERT_EQ(bodies.size(), 2);
    EXPECT_TRUE(bodies[0].contains(QByteArray("&text=" + text.left(160).toLatin1() + "&")));
    EXPECT_TRUE(bodies[1].contains(QByteArray("&text=" + QByteArray(20, 'b') + "&")));
    EXPECT_TRUE(sms().isEmpty());
    EXPECT_EQ(h->ui().lblReuseText->toolTip(), text);
    EXPECT_EQ(reuse(), text);
}

TEST_F(GatewayReply, LateReplyKeepsWhatWasTypedMeanwhileAndOffersTheSentText) {
    reply(kAccepted, 400ms);
    h->clickSend();
    h->enterRecipient(QStringLiteral("G171"), QStringLiteral("7654321"));
    h->enterText(QStringLiteral("Die nächste Nachricht"));
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(sms(), QStringLiteral("Die nächste Nachricht"));
    EXPECT_EQ(h->ui().txtNummer->text(), QStringLiteral("7654321"));
    EXPECT_EQ(reuse(), QStringLiteral("Hallo Welt"));
}

TEST_F(GatewayReply, ReplyBoxComesBeforeTheBalanceRefresh) {
    // The reply arrives after the send's own balance fetch is done, so the
    // fetch it triggers is a new one; a slow balance must not hold the box.
    gateway.setReply(QStringLiteral("/count"), {"5000", "text/plain", 200, 300ms});
    reply(kAccepted, 700ms);
    const auto fetches = [&] { return gateway.requestCount(QStringLiteral("/count")); };
    const int before = fetches();
    int atBox = -1;
    h->prompts.setOnMessage([&](const Prompts::Message&) { atBox = fetches(); });
    h->clickSend();
    ASSERT_TRUE(h->waitForMessages(1));
    EXPECT_EQ(atBox, before + 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fetches() == before + 2; }, 5000));
}

// "OK" in the options dialog while requests are under way: none is dropped,
// with or without a new proxy choice.

#include "LoopbackProxy.h"
#include "MainWindowHarness.h"
#include "ScriptedServer.h"

#include "config/ui/frmOptionen.h"
#include "messaging/ui/CreditDisplay.h"
#include "ui_frmOptionen.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace std::chrono_literals;

namespace {

const QByteArray kAccepted = "wurde erfolgreich an das Gateway \xFC"
                             "bermittelt.";

struct ProxyEdit {
    const char* name;
    std::function<void(Ui::frmOptionen&, quint16 proxyPort)> edit;
    bool proxied; // requests after the apply go through the proxy
};

const std::vector<ProxyEdit>& edits() {
    static const std::vector<ProxyEdit> list{
        {"nothing changed", [](Ui::frmOptionen&, quint16) {}, false},
        {"no proxy chosen", [](Ui::frmOptionen& ui, quint16) { ui.optProxyNone->click(); }, false},
        {"named proxy chosen",
         [](Ui::frmOptionen& ui, quint16 port) {
             ui.optProxyCustom->click();
             ui.txtProxy->setText(QStringLiteral("127.0.0.1"));
             ui.txtPort->setText(QString::number(port));
         },
         true},
    };
    return list;
}

// Opens the options dialog as the user does, makes the edit and presses OK.
void applyOptionsDialog(const ProxyEdit& e, quint16 proxyPort) {
    frmOptionen dialog;
    dialog.load();
    dialog.show();
    e.edit(dialog.ui(), proxyPort);
    QTest::mouseClick(dialog.ui().cmdOK, Qt::LeftButton);
}

} // namespace

TEST(OptionsApplyDuringSend, TheSendUnderWayGetsItsReplyAndGoesOutOnce) {
    for (const ProxyEdit& e : edits()) {
        SCOPED_TRACE(e.name);
        ScriptedServer gateway;
        LoopbackProxy proxy;
        auto h = loadOnScriptedGateway(gateway);
        gateway.setReply(QStringLiteral("/send"), {kAccepted, "text/plain", 200, 1200ms});
        h->enterRecipient(QStringLiteral("G170"), QStringLiteral("1234567"));
        h->enterText(QStringLiteral("Hallo"));
        h->clickSend();
        ASSERT_TRUE(QTest::qWaitFor([&] { return gateway.requestCount(QStringLiteral("/send")) == 1; }, 5000));
        applyOptionsDialog(e, proxy.port());

        ASSERT_TRUE(h->waitForMessages(1, 10000));
        EXPECT_EQ(h->prompts.messages()[0].text, QString::fromLatin1(kAccepted) + QStringLiteral("\r\n"));
        QTest::qWait(300);
        EXPECT_EQ(gateway.requestCount(QStringLiteral("/send")), 1);
        EXPECT_EQ(h->prompts.messages().size(), 1) << h->prompts.messages().last().text.toStdString();
        // The balance fetched after the reply is a new request: it takes the new choice.
        EXPECT_EQ(!proxy.requestLines().isEmpty(), e.proxied);

        // The blocking balance query gets its answer while another apply runs.
        const ProxyEdit& next = edits()[size_t(&e - edits().data() + 2) % edits().size()];
        gateway.setReply(QStringLiteral("/count"), {"4990", "text/plain", 200, 800ms});
        QTimer::singleShot(200, [&] { applyOptionsDialog(next, proxy.port()); });
        h->window->credits().refreshCredits();
        EXPECT_EQ(h->ui().lblCredits->text(), QStringLiteral("4990 Credits"));
    }
}

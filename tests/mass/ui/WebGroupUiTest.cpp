#include "../../messaging/ui/MainWindowHarness.h"
#include "BrowserDriver.h"
#include "ScriptedServer.h"

#include "mass/WebGroup.h"
#include "mass/ui/MassMode.h"
#include "mass/ui/frmMultiSMS.h"
#include "mass/ui/frmOpenWebGroup.h"
#include "platform/Transfer.h"

#include <QAction>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

using namespace BrowserDriver;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The mass-SMS window holding one entry of the user's own, and the group
// window over it, against the running stand-in service.
class WebGroupWindow : public ::testing::Test {
protected:
    void SetUp() override {
        multi.list().add(QStringLiteral("Eigener Eintrag"), QStringLiteral("00491709999999"), {}, {});
        dialog = std::make_unique<frmOpenWebGroup>(multi);
    }
    // Opens the group page and waits for it.
    bool openPage() {
        dialog->start();
        return waitForText(dialog->browser(), s("Team Süd"));
    }
    QStringList names() const {
        QStringList out;
        for (const RecipientEntry& e : multi.list().entries())
            out << e.name;
        return out;
    }
    int failureMessages() const {
        int n = 0;
        for (const Prompts::Message& m : h.prompts.messages())
            n += m.text == WebGroup::loadFailedText() ? 1 : 0;
        return n;
    }
    void expectListUnchanged(const char* what) {
        EXPECT_EQ(names(), QStringList{QStringLiteral("Eigener Eintrag")}) << what;
    }

    MainWindowHarness h;
    frmMultiSMS multi;
    std::unique_ptr<frmOpenWebGroup> dialog;
};

// A server that promises more bytes than it sends, then hangs up.
class CutOffServer {
public:
    CutOffServer() {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            QTcpSocket* c = m_server.nextPendingConnection();
            QObject::connect(c, &QTcpSocket::readyRead, c, [c] {
                c->readAll();
                c->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 5000\r\n\r\n"
                         "Anna;00491701111111;a;b\nBernd;0049170");
                c->flush();
                c->disconnectFromHost();
            });
        });
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/gruppe.txt").arg(m_server.serverPort());
    }

private:
    QTcpServer m_server;
};

} // namespace

TEST_F(WebGroupWindow, ChosenGroupReplacesTheListWhole) {
    ASSERT_TRUE(openPage());
    EXPECT_TRUE(dialog->browser().url().toString().contains(QStringLiteral("passwort=velvox")));
    EXPECT_EQ(dialog->windowTitle(), s("Gruppe öffnen"));
    ASSERT_TRUE(clickLink(dialog->browser(), s("Team Süd")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isHidden(); }, kPageTimeoutMs));

    ASSERT_EQ(multi.list().count(), 3);
    const RecipientEntry& first = multi.list().at(0);
    EXPECT_EQ(first.name, s("Jürgen Müller"));
    EXPECT_EQ(first.number, QStringLiteral("00491701111111"));
    EXPECT_EQ(first.frei1, s("Frühschicht"));
    EXPECT_EQ(first.frei2, QStringLiteral("Montag"));
    EXPECT_EQ(multi.list().at(2).name, s("Björn Öztürk"));
    EXPECT_EQ(multi.fileName(), QString()); // the next save asks for a name
    EXPECT_EQ(multi.getMaxNameSize(), quint16(13));
    EXPECT_EQ(failureMessages(), 0);
}

TEST_F(WebGroupWindow, CloseLinkLeavesTheListAlone) {
    ASSERT_TRUE(openPage());
    ASSERT_TRUE(evaluate(dialog->browser(),
                         QStringLiteral("(function(){var a=document.querySelector('a[href^=\"close://\"]');"
                                        "if(!a)return false;a.click();return true;})()"))
                    .toBool());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isHidden(); }, kPageTimeoutMs));
    expectListUnchanged("close link");
    EXPECT_EQ(failureMessages(), 0);
}

// Whatever goes wrong with the download, the list is the one from before and
// the user is told; the page stays for another choice.
TEST_F(WebGroupWindow, FailedDownloadsKeepTheList) {
    ScriptedServer server;
    QByteArray big;
    for (int i = 0; i < 10000; ++i)
        big += "M " + QByteArray::number(i) + ";0049170" + QByteArray::number(1000000 + i) + ";a;b\n";
    big += "kaputte Zeile ohne Nummer\n"; // the 10,001st line spoils the group
    server.setReply(QStringLiteral("/empty.txt"), {});
    server.setReply(QStringLiteral("/missing.txt"), {"Nicht gefunden", "text/plain", 404});
    server.setReply(QStringLiteral("/html.txt"), {"<html><body>Fehler</body></html>", "text/html"});
    server.setReply(QStringLiteral("/big-broken.txt"), {big});
    server.setReply(QStringLiteral("/stalls.txt"),
                    {"A;0049170;b;c\n", "text/plain", 200, std::chrono::milliseconds(4000)});
    CutOffServer cutOff;
    dialog->iNet().setTimeoutMs(1000);

    const std::pair<const char*, QString> cases[] = {
        {"empty group", server.url(QStringLiteral("/empty.txt"))},
        {"404", server.url(QStringLiteral("/missing.txt"))},
        {"error page", server.url(QStringLiteral("/html.txt"))},
        {"10,000 and one bad line", server.url(QStringLiteral("/big-broken.txt"))},
        {"stalling server", server.url(QStringLiteral("/stalls.txt"))},
        {"cut off mid-download", cutOff.url()},
        {"nobody listening", QStringLiteral("http://127.0.0.1:9/gruppe.txt")},
    };
    int expectedMessages = 0;
    for (const auto& [what, address] : cases) {
        EXPECT_FALSE(dialog->loadGroup(address)) << what;
        expectListUnchanged(what);
        EXPECT_EQ(failureMessages(), ++expectedMessages) << what;
    }

    // The same 10,000 members without the bad line load in one piece.
    big.chop(int(sizeof("kaputte Zeile ohne Nummer\n") - 1));
    server.setReply(QStringLiteral("/big.txt"), {big});
    EXPECT_TRUE(dialog->loadGroup(server.url(QStringLiteral("/big.txt"))));
    EXPECT_EQ(multi.list().count(), 10000);
    EXPECT_EQ(multi.list().at(9999).name, QStringLiteral("M 9999"));
}

// As a user goes: mass mode, key openWeb, a group chosen in the page, a mass
// run to it; the service gets one request per member.
TEST(WebGroupMassRun, ChosenGroupIsSentToEachMember) {
    MainWindowHarness h;
    h.load();
    emit h.ui().tbMultiSMS->Click();
    frmMultiSMS* multi = h.window->massModeControl().listWindow();
    ASSERT_NE(multi, nullptr);
    QAction* openWeb = multi->findChild<QAction*>(QStringLiteral("openWeb"));
    ASSERT_NE(openWeb, nullptr);
    ASSERT_TRUE(openWeb->isEnabled());
    openWeb->trigger();
    auto* dialog = multi->findChild<frmOpenWebGroup*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(waitForText(dialog->browser(), s("Team Süd")));
    ASSERT_TRUE(clickLink(dialog->browser(), s("Team Süd")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return multi->list().count() == 3; }, kPageTimeoutMs));

    h.enterText(QStringLiteral("Hallo %name%"));
    h.prompts.queueAnswer(Prompts::Answer::Yes);
    h.clickSend();
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.messagesStored() == 3; }, 30000));
    QStringList sent;
    for (const QVariantList& row :
         h.service->query(QStringLiteral("SELECT empfaenger, text FROM messages ORDER BY id")))
        sent << row.at(0).toString() + u' ' + row.at(1).toString();
    EXPECT_EQ(sent, (QStringList{s("00491701111111 Hallo Jürgen Müller"), s("00491702222222 Hallo Zoë Weiß"),
                                 s("00436641112222 Hallo Björn Öztürk")}));
}

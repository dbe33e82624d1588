#include "LoopbackProxy.h"
#include "ScriptedServer.h"
#include "TransferWait.h"

#include "platform/Transfer.h"

#include <QByteArray>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <utility>
#include <vector>
#include <thread>

#include <gtest/gtest.h>

namespace {

// A real HTTP server on a loopback ephemeral port, run on its own thread.
class LoopbackServer {
public:
    LoopbackServer() {
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LoopbackServer() {
        m_server.stop();
        m_thread.join();
    }
    httplib::Server& server() { return m_server; }
    QString url(const char* path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QLatin1String(path));
    }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
};

// A port nobody listens on: bound once, then released.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}


} // namespace

TEST(Transfer, BlockingGetReturnsTheBody) {
    LoopbackServer s;
    s.server().Get("/count", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(" 1234 " + req.get_param_value("email"), "text/plain");
    });
    Transfer t;
    t.setAccessType(Transfer::Direct);
    bool ok = false;
    EXPECT_EQ(t.openUrl(s.url("/count?email=a@b"), &ok), QStringLiteral(" 1234 a@b"));
    EXPECT_TRUE(ok);

    // A reply in Windows-1252 is decoded as such.
    s.server().Get("/umlaut", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("\xFC\x80", "text/plain; charset=windows-1252");
    });
    EXPECT_EQ(t.openUrl(s.url("/umlaut"), &ok), QStringLiteral("ü€"));
}

TEST(Transfer, FormPostBodyArrivesByteForByte) {
    LoopbackServer s;
    std::string body;
    std::string contentType;
    s.server().Post("/send", [&](const httplib::Request& req, httplib::Response& res) {
        body = req.body;
        contentType = req.get_header_value("Content-Type");
        res.set_content("erste;zweite\n", "text/plain; charset=windows-1252");
    });
    Transfer t;
    t.setAccessType(Transfer::Direct);
    const QByteArray sent("email=a&text=S\xFC\xDF%20\x80&x=1");
    t.execute(s.url("/send"), QStringLiteral("POST"), sent,
              {QStringLiteral("Content-Type: application/x-www-form-urlencoded")});
    EXPECT_TRUE(t.stillExecuting());
    ASSERT_EQ(waitForState(t), Transfer::StateResponseComplete);
    EXPECT_FALSE(t.stillExecuting());
    EXPECT_EQ(QByteArray::fromStdString(body), sent);
    EXPECT_EQ(contentType, "application/x-www-form-urlencoded");

    QString joined;
    for (QString chunk = t.getChunk(4); !chunk.isEmpty(); chunk = t.getChunk(4)) {
        EXPECT_LE(chunk.size(), 4);
        joined += chunk;
    }
    EXPECT_EQ(joined, QStringLiteral("erste;zweite\n"));
}

// The network stack resends a request by itself when the connection breaks
// before the answer; a body must go out once, and a second request on the
// same component still carries its whole body.
TEST(Transfer, BodyIsNotSentAgainAfterAResetAndTheNextGoesOutWhole) {
    ScriptedServer s;
    ScriptedServer::Reply reset;
    reset.reset = true;
    s.setReply(QStringLiteral("/send"), reset);
    Transfer t;
    t.setAccessType(Transfer::Direct);
    t.execute(s.url(QStringLiteral("/send")), QStringLiteral("POST"), "text=einmal");
    EXPECT_EQ(waitForState(t), Transfer::StateRequestFailed);
    QTest::qWait(200);
    EXPECT_EQ(s.requestCount(QStringLiteral("/send")), 1);

    s.setReply(QStringLiteral("/send"), {"ok"});
    const QByteArray big(200000, 'b');
    t.execute(s.url(QStringLiteral("/send")), QStringLiteral("POST"), big);
    ASSERT_EQ(waitForState(t), Transfer::StateResponseComplete);
    ASSERT_EQ(s.requests().size(), 2);
    EXPECT_EQ(s.requests().last().body, big);
}

TEST(Transfer, ServerThatNeverAnswersEndsInFailure) {
    // Accepts the connection and then says nothing.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    const QString url = QStringLiteral("http://127.0.0.1:%1/send").arg(silent.serverPort());

    Transfer t;
    t.setAccessType(Transfer::Direct);
    t.setTimeoutMs(300);
    t.execute(url, QStringLiteral("POST"), "x=1");
    EXPECT_EQ(waitForState(t), Transfer::StateRequestFailed);
    EXPECT_FALSE(t.stillExecuting());
    EXPECT_TRUE(t.getChunk(1024).isEmpty());

    bool ok = true;
    EXPECT_TRUE(t.openUrl(url, &ok).isEmpty());
    EXPECT_FALSE(ok);
}

TEST(Transfer, RefusedConnectionFails) {
    const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(closedPort());
    Transfer t;
    t.setAccessType(Transfer::Direct);
    bool ok = true;
    EXPECT_TRUE(t.openUrl(url, &ok).isEmpty());
    EXPECT_FALSE(ok);
    t.execute(url, QStringLiteral("GET"), {});
    EXPECT_EQ(waitForState(t), Transfer::StateRequestFailed);
}

TEST(Transfer, ErrorStatusCountsAsFailure) {
    LoopbackServer s;
    s.server().Get("/gone", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("kaputt", "text/plain");
    });
    Transfer t;
    t.setAccessType(Transfer::Direct);
    bool ok = true;
    t.openUrl(s.url("/gone"), &ok);
    EXPECT_FALSE(ok);
}

TEST(Transfer, NamedProxyIsReallyUsed) {
    // A minimal HTTP proxy: records the request line it was asked for and answers itself.
    QTcpServer proxy;
    ASSERT_TRUE(proxy.listen(QHostAddress::LocalHost, 0));
    QByteArray requestLine;
    QObject::connect(&proxy, &QTcpServer::newConnection, &proxy, [&] {
        QTcpSocket* socket = proxy.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [&, socket] {
            const QByteArray data = socket->readAll();
            if (requestLine.isEmpty())
                requestLine = data.left(data.indexOf("\r\n"));
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 9\r\n"
                          "Connection: close\r\n\r\nvia proxy");
            socket->disconnectFromHost();
        });
    });
    // The target itself is closed: only the proxy can answer.
    const QString target = QStringLiteral("http://127.0.0.1:%1/balance").arg(closedPort());

    Transfer t;
    t.setAccessType(Transfer::NamedProxy);
    t.setProxy(QStringLiteral("127.0.0.1:%1").arg(proxy.serverPort()));
    bool ok = false;
    EXPECT_EQ(t.openUrl(target, &ok), QStringLiteral("via proxy"));
    EXPECT_TRUE(ok);
    const QByteArray expected = QByteArray("GET ") + target.toLatin1();
    EXPECT_TRUE(requestLine.startsWith(expected)) << requestLine.toStdString();

    // Switching to direct stops using it.
    t.setAccessType(Transfer::Direct);
    t.openUrl(target, &ok);
    EXPECT_FALSE(ok);
}

TEST(Transfer, DestroyedWhileARequestRunsReportsNothing) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    int reports = 0;
    {
        Transfer t;
        t.setAccessType(Transfer::Direct);
        QObject::connect(&t, &Transfer::stateChanged, &t, [&](int) { ++reports; });
        t.execute(QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort()), QStringLiteral("GET"), {});
        QTest::qWait(50);
    }
    QTest::qWait(50);
    EXPECT_EQ(reports, 0);
}

TEST(Transfer, TricklingReplyEndsAtTheDeadline) {
    ScriptedServer s;
    const QByteArray body(200, 'x');
    s.setReply(QStringLiteral("/slow"), {body, "text/plain", 200, {}, std::chrono::milliseconds(50)});
    Transfer t;
    t.setAccessType(Transfer::Direct);
    t.setTimeoutMs(600);

    bool ok = true;
    EXPECT_TRUE(t.openUrl(s.url(QStringLiteral("/slow")), &ok).isEmpty());
    EXPECT_FALSE(ok);
    const qint64 afterBlocking = s.trickledBytes();
    EXPECT_GT(afterBlocking, 0); // bytes kept coming: an inactivity time-out alone would still wait
    EXPECT_LT(afterBlocking, body.size());

    t.execute(s.url(QStringLiteral("/slow")), QStringLiteral("GET"), {});
    EXPECT_EQ(waitForState(t), Transfer::StateRequestFailed);
    EXPECT_LT(s.trickledBytes() - afterBlocking, body.size());
}

// The owner's deleteLater() arrives while the fetch waits (a window closed by
// the user): the fetch gives up, the owner outlives the call, then goes.
TEST(Transfer, OwnerReleasedDuringABlockingWaitOutlivesTheCall) {
    ScriptedServer s;
    s.setReply(QStringLiteral("/silent"), {{}, "text/plain", 200, {}, {}, true});
    auto* owner = new QObject;
    QPointer<QObject> ownerAlive(owner);
    auto* t = new Transfer(owner);
    t->setAccessType(Transfer::Direct);
    QTimer::singleShot(100, owner, &QObject::deleteLater);

    bool ok = true;
    EXPECT_TRUE(t->openUrl(s.url(QStringLiteral("/silent")), &ok).isEmpty());
    EXPECT_FALSE(ok);
    ASSERT_TRUE(ownerAlive);
    EXPECT_EQ(s.requestCount(QStringLiteral("/silent")), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ownerAlive.isNull(); }, 5000));
}

TEST(Transfer, ComponentDeletedOutrightDuringABlockingWaitReturnsFailure) {
    ScriptedServer s;
    s.setReply(QStringLiteral("/silent"), {{}, "text/plain", 200, {}, {}, true});
    auto* t = new Transfer;
    t->setAccessType(Transfer::Direct);
    QTimer::singleShot(100, [t] { delete t; });
    bool ok = true;
    EXPECT_TRUE(t->openUrl(s.url(QStringLiteral("/silent")), &ok).isEmpty());
    EXPECT_FALSE(ok);
}

TEST(Transfer, WaitForIdleEndsWhenTheRequestEndsOrAtItsDeadline) {
    ScriptedServer s;
    s.setReply(QStringLiteral("/quick"), {"da", "text/plain", 200, std::chrono::milliseconds(100)});
    s.setReply(QStringLiteral("/silent"), {{}, "text/plain", 200, {}, {}, true});
    Transfer t;
    t.setAccessType(Transfer::Direct);
    EXPECT_TRUE(t.waitUntilIdle(10));

    t.execute(s.url(QStringLiteral("/quick")), QStringLiteral("GET"), {});
    EXPECT_TRUE(t.waitUntilIdle(10000));
    EXPECT_EQ(t.getChunk(10), QStringLiteral("da"));

    t.execute(s.url(QStringLiteral("/silent")), QStringLiteral("GET"), {});
    EXPECT_FALSE(t.waitUntilIdle(200));
    EXPECT_TRUE(t.stillExecuting());

    // The owner going meanwhile ends the wait too, and no request may follow.
    auto* owner = new QObject;
    QPointer<QObject> ownerAlive(owner);
    t.setParent(owner);
    QTimer::singleShot(50, owner, &QObject::deleteLater);
    EXPECT_FALSE(t.waitUntilIdle(10000));
    ASSERT_TRUE(ownerAlive);
    t.setParent(nullptr);
    QTest::qWait(20);
}

// A new proxy choice (or the same one handed over again, as every apply of the
// options dialog does) reaches new requests only: a request under way, async
// or blocking, finishes with the server's answer on the connection it started on.
TEST(Transfer, ProxyChangeLeavesRequestsUnderWayAlone) {
    using namespace std::chrono_literals;
    ScriptedServer s;
    s.setReply(QStringLiteral("/send"), {"angenommen", "text/plain", 200, 700ms});
    LoopbackProxy proxy;
    const QString viaProxy = QStringLiteral("127.0.0.1:%1").arg(proxy.port());
    struct Change {
        const char* name;
        int type;
        QString text;
        bool proxied; // the request after the change goes through the proxy
    };
    const std::vector<Change> changes{
        {"same settings again", Transfer::Direct, QString(), false},
        {"system settings", Transfer::SystemProxy, QString(), false},
        {"named proxy", Transfer::NamedProxy, viaProxy, true},
    };
    auto choose = [](Transfer& t, int type, const QString& text) {
        t.setAccessType(type);
        t.setProxy(text);
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        Transfer t;
        t.setTimeoutMs(5000);
        choose(t, Transfer::Direct, QString());
        const qsizetype proxiedBefore = proxy.requestLines().size();

        t.execute(s.url(QStringLiteral("/send")), QStringLiteral("POST"), "text=Hallo");
        QTimer::singleShot(200, &t, [&] { choose(t, c.type, c.text); });
        EXPECT_EQ(waitForState(t), Transfer::StateResponseComplete) << t.lastError().toStdString();
        EXPECT_EQ(t.getChunk(100), QStringLiteral("angenommen"));

        // Back to direct while a blocking fetch waits, then the new choice once more.
        QTimer::singleShot(200, &t, [&] { choose(t, Transfer::Direct, QString()); });
        bool ok = false;
        EXPECT_EQ(t.openUrl(s.url(QStringLiteral("/send")), &ok), QStringLiteral("angenommen"));
        EXPECT_TRUE(ok) << t.lastError().toStdString();
        choose(t, c.type, c.text);
        EXPECT_EQ(t.openUrl(s.url(QStringLiteral("/send")), &ok), QStringLiteral("angenommen"));
        EXPECT_TRUE(ok);
        // The blocking fetch started under the new choice, as did the last one.
        EXPECT_EQ(proxy.requestLines().size() - proxiedBefore, c.proxied ? 2 : 0);
    }
    EXPECT_EQ(s.requestCount(QStringLiteral("/send")), 9);
}

// A follow-on goes on the worker the moment the request before it has its
// answer: its gate sees that answer and runs before its own bytes; a gate
// that says no keeps every byte back; one taken back never reaches the
// server; a deadline ends only its own request; and each request's outcome
// is told once, in order.
TEST(Transfer, FollowOnGoesAfterTheAnswerItsGateFirstAndIsToldInOrder) {
    LoopbackServer s;
    std::mutex mutex;
    std::vector<std::string> events; // what the server and the gates saw, in order
    const auto note = [&](std::string what) {
        std::lock_guard lock(mutex);
        events.push_back(std::move(what));
    };
    std::atomic<int> slowMs{0};
    std::atomic<bool> slowG{false};
    s.server().Post("/send", [&](const httplib::Request& req, httplib::Response& res) {
        note("server " + req.body);
        std::this_thread::sleep_for(std::chrono::milliseconds(slowG && req.body == "g" ? 1500 : slowMs.load()));
        res.set_content("ok " + req.body, "text/plain; charset=utf-8");
    });
    Transfer t;
    t.setAccessType(Transfer::Direct);
    std::vector<std::pair<int, QString>> told;
    QObject::connect(&t, &Transfer::stateChanged, &t, [&](int state) {
        told.emplace_back(state, t.lastHeldBack() ? QStringLiteral("held") : t.getChunk(100));
    });
    const auto send = [&](const char* body) { t.execute(s.url("/send"), QStringLiteral("POST"), body); };
    const auto follow = [&](const char* body, bool pass) {
        return t.executeNext(s.url("/send"), QStringLiteral("POST"), body, {},
                             [&, body, pass](const Transfer::Answer& before) {
                                 note(std::string("gate ") + body + " after " +
                                      (before.complete ? before.text.toStdString() : std::string("failure")));
                                 return pass;
                             });
    };

    EXPECT_FALSE(follow("b", true)) << "nothing under way to follow";
    slowMs = 200;
    send("a");
    ASSERT_TRUE(follow("b", true));
    EXPECT_FALSE(follow("c", true)) << "one follow-on at a time";
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.size() == 2; }, 10000));
    EXPECT_FALSE(t.stillExecuting());
    EXPECT_EQ(events, (std::vector<std::string>{"server a", "gate b after ok a", "server b"}));
    EXPECT_EQ(told, (std::vector<std::pair<int, QString>>{{Transfer::StateResponseComplete, QStringLiteral("ok a")},
                                                           {Transfer::StateResponseComplete, QStringLiteral("ok b")}}));

    // A gate that says no: told as a failure before sending, nothing sent.
    events.clear();
    told.clear();
    send("c");
    ASSERT_TRUE(follow("d", false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.size() == 2; }, 10000));
    EXPECT_EQ(events, (std::vector<std::string>{"server c", "gate d after ok c"}));
    EXPECT_EQ(told.back(), std::make_pair(int(Transfer::StateRequestFailed), QStringLiteral("held")));
    EXPECT_TRUE(t.lastFailedBeforeSending());

    // Taken back while the first is out: its gate never runs, nothing of it is told.
    events.clear();
    told.clear();
    send("e");
    ASSERT_TRUE(follow("f", true));
    EXPECT_TRUE(t.withdrawNext());
    EXPECT_FALSE(t.withdrawNext());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.stillExecuting(); }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(events, (std::vector<std::string>{"server e"}));
    EXPECT_EQ(told.size(), 1u);

    // The first runs into its deadline: it fails, and the follow-on goes
    // after it as it would after any failure, with a deadline of its own.
    events.clear();
    told.clear();
    slowG = true;
    t.setTimeoutMs(300);
    send("g");
    ASSERT_TRUE(follow("h", true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.size() == 2; }, 10000));
    EXPECT_EQ(told[0].first, int(Transfer::StateRequestFailed));
    EXPECT_EQ(told[1], std::make_pair(int(Transfer::StateResponseComplete), QStringLiteral("ok h")));
    QTest::qWait(1500); // the late answer to the first is dropped, not told
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(events, (std::vector<std::string>{"server g", "gate h after failure", "server h"}));
}

// Input the client never sends: the service answers with a plain-text error
// and keeps serving. And many clients at once lose nothing.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include <QSet>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

class ServiceRobustness : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString(); }

    // Still up, on a fresh connection, and its data intact.
    void expectStillServing() {
        const HttpReply r = ServiceHttp(service).get("/sms/count.php?email=demo@velvox.example");
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.text().trimmed().toLongLong(), service.credits(ServiceProcess::demoEmail()));
    }
    static void expectPlainError(const HttpReply& r) {
        EXPECT_GE(r.status, 400);
        EXPECT_LT(r.status, 500);
        EXPECT_EQ(r.contentType, "text/plain; charset=windows-1252");
        EXPECT_FALSE(r.body.trimmed().isEmpty());
    }
    int messages() { return service.scalar(QStringLiteral("SELECT count(*) FROM messages")).toInt(); }

    ServiceProcess service;
    ServiceHttp http{service};
};

// The seventeen fields of a send request.
constexpr const char* kFieldNames[] = {
    "email",        "kennwort", "firma", "empfaenger",      "empfaengername", "private",       "public",
    "skippush",     "version",  "text",  "absenderkennung", "absender",       "statusmeldung", "antwort",
    "einlieferung", "referer",  "long"};

// The body with the raw "name=value" piece of one field replaced (or dropped).
QByteArray withField(const QByteArray& body, const char* name, const QByteArray& piece) {
    QList<QByteArray> pieces = body.split('&');
    for (QByteArray& p : pieces) {
        if (p.startsWith(QByteArray(QByteArray(name) + '=')))
            p = piece;
    }
    pieces.removeAll(QByteArray());
    return pieces.join('&');
}

TEST_F(ServiceRobustness, MalformedInputGetsAPlainTextError) {
    const QByteArray good = SendForm{}.body();
    const QByteArray twoMegabytes(2 * 1024 * 1024, 'a');
    std::vector<std::pair<std::string, QByteArray>> cases = {
        {"empty body", ""},
        {"a piece without =", "email"},
        {"a field twice", good + "&text=nochmal"},
        {"flag not true/false", withField(good, "private", "private=ja")},
        {"broken escape", withField(good, "text", "text=50%zz")},
        {"escape cut short", withField(good, "text", "text=abc%4")},
        {"escaped byte that is no Windows-1252 text", withField(good, "text", "text=%81")},
        {"raw byte that is no Windows-1252 text", withField(good, "empfaengername", "empfaengername=\x8D")},
        {"NUL byte", withField(good, "text", "text=a%00b")},
        {"2 MB text", withField(good, "text", "text=" + twoMegabytes)},
        {"2 MB of anything", twoMegabytes},
    };
    for (const char* name : kFieldNames)
        cases.emplace_back(std::string("missing ") + name, withField(good, name, QByteArray()));
    for (const auto& [what, body] : cases) {
        SCOPED_TRACE(what);
        expectPlainError(http.post(kSendPath, body));
    }
    expectPlainError(http.post(kCronPath, good)); // a scheduled send without its schedule
    for (const char* target : {"/sms/count.php?email=%zz", "/sms/count.php?email=a%9D",
                               "/sms/checkUser.php?email=demo@velvox.example", "/gibt/es/nicht"}) {
        SCOPED_TRACE(target);
        expectPlainError(http.get(target));
    }

    // Random bytes of random lengths, fixed seed: each is refused.
    std::mt19937 random(20151201);
    for (int i = 0; i < 100; ++i) {
        QByteArray junk(int(random() % 3000), Qt::Uninitialized);
        for (char& c : junk)
            c = char(random() % 256);
        const HttpReply r = http.post(i % 2 ? kSendPath : kCronPath, junk);
        ASSERT_TRUE(r.status >= 400 && r.status < 500) << "junk " << i << ": " << r.status;
    }
    EXPECT_EQ(messages(), 0);
    expectStillServing();
}

TEST_F(ServiceRobustness, SqlMetacharactersInEveryFieldAreJustText) {
    const QString injection =
        QStringLiteral("x'); DROP TABLE accounts; -- \" ; DELETE FROM messages WHERE '1'='1");
    const qint64 before = service.credits(ServiceProcess::demoEmail());
    QStringList accepted;
    for (const char* field : kFieldNames) {
        const HttpReply r =
            http.post(kSendPath, withField(SendForm{}.body(), field,
                                           QByteArray(field) + '=' + percentEncode(injection)));
        EXPECT_TRUE(r.status > 0 && r.status < 500) << field;
        if (r.text().contains(QString::fromUtf8(kAcceptedPhrase))) {
            accepted << QString::fromLatin1(field);
            EXPECT_EQ(service.scalar(
                          QStringLiteral("SELECT %1 FROM messages ORDER BY id DESC").arg(accepted.last())),
                      injection); // stored exactly as sent
        }
    }
    // Free texts are accepted; credentials, number and flags are not.
    EXPECT_EQ(accepted.join(u' '), QStringLiteral("firma empfaengername version text absender referer"));
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), before - 60);
    EXPECT_EQ(http.get("/sms/checkUser.php?email=demo@velvox.example&password=" +
                       percentEncode(QStringLiteral("' OR '1'='1")))
                  .text()
                  .trimmed(),
              QStringLiteral("1"));
    EXPECT_EQ(messages(), 6);
    expectStillServing();
}

// 50 clients for 10 seconds, each on its own keep-alive connection: every send
// the service confirmed is stored exactly once and charged exactly once.
TEST_F(ServiceRobustness, FiftyConcurrentClientsLoseNothing) {
    constexpr int kClients = 50;
    const qint64 start = 1000000000;
    service.setCredits(ServiceProcess::demoEmail(), start);
    std::atomic<int> failures{0};
    std::vector<QStringList> confirmed(kClients);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            ServiceHttp client(service);
            for (int n = 0; std::chrono::steady_clock::now() < deadline; ++n) {
                SendForm f;
                f.text = QStringLiteral("Client %1 Nachricht %2").arg(c).arg(n);
                const HttpReply r = client.post(kSendPath, f.body());
                if (r.text().contains(QString::fromUtf8(kAcceptedPhrase)))
                    confirmed[std::size_t(c)] << f.text;
                else
                    ++failures;
            }
        });
    }
    for (std::thread& t : clients)
        t.join();

    QStringList sent;
    for (const QStringList& texts : confirmed)
        sent += texts;
    QStringList stored;
    for (const QVariantList& row : service.query(QStringLiteral("SELECT text FROM messages")))
        stored << row.first().toString();
    EXPECT_EQ(failures.load(), 0);
    ASSERT_GT(sent.size(), 0);
    EXPECT_EQ(QSet<QString>(stored.begin(), stored.end()), QSet<QString>(sent.begin(), sent.end()));
    EXPECT_EQ(stored.size(), sent.size()); // none twice
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), start - 10 * qint64(sent.size()));
    expectStillServing();
}

// Clients that send their request headers a byte at a time, for ever.
class SlowClients {
public:
    SlowClients(quint16 port, int count) {
        for (int i = 0; i < count; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in addr{};
            addr.sin_family = AF_INET;
            addr.sin_port = htons(port);
            addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
                m_sockets.push_back(fd);
            else if (fd >= 0)
                ::close(fd);
        }
        m_dribbler = std::thread([this] {
            static const char request[] = "GET /sms/count.php?email=demo@velvox.example HTTP/1.1\r\nX-Slow: ";
            for (std::size_t sent = 0; !m_stop; ++sent) {
                const char c = sent < sizeof request - 1 ? request[sent] : 'a';
                for (const int fd : m_sockets)
                    ::send(fd, &c, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
            }
        });
    }
    ~SlowClients() {
        m_stop = true;
        m_dribbler.join();
        for (const int fd : m_sockets)
            ::close(fd);
    }
    int connected() const { return int(m_sockets.size()); }
    // Connections the service has closed (end of stream or reset).
    int dropped() const {
        int n = 0;
        for (const int fd : m_sockets) {
            pollfd p{fd, POLLIN, 0};
            char byte;
            if (::poll(&p, 1, 0) > 0 && ::recv(fd, &byte, 1, MSG_DONTWAIT | MSG_PEEK) <= 0)
                ++n;
        }
        return n;
    }

private:
    std::vector<int> m_sockets;
    std::atomic<bool> m_stop{false};
    std::thread m_dribbler;
};

// A hundred clients trickling in their headers hold connections, but neither
// the workers nor the others' answers: a normal request is answered while
// they still hang, and the request deadline drops them.
TEST_F(ServiceRobustness, SlowHeaderClientsNeitherBlockOthersNorStayForEver) {
    SlowClients slow(service.port(), 100);
    ASSERT_EQ(slow.connected(), 100);
    std::this_thread::sleep_for(std::chrono::milliseconds(600)); // all of them inside their headers

    const HttpReply r = ServiceHttp(service).get("/sms/count.php?email=demo@velvox.example");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.text().trimmed().toLongLong(), service.credits(ServiceProcess::demoEmail()));
    EXPECT_EQ(slow.dropped(), 0); // answered while they all still hang

    EXPECT_TRUE(QTest::qWaitFor([&] { return slow.dropped() == 100; }, 30000)) << slow.dropped();
    expectStillServing();
}

} // namespace

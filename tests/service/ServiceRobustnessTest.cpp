// Input the client never sends: the service answers with a plain-text error
// and keeps serving. And many clients at once lose nothing.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include <QSet>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

class ServiceRobustness : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString(); }

    // Still up, data intact: the balance query answers and the tables are there.
    void expectStillServing() {
        ServiceHttp fresh(service);
        const HttpReply r = fresh.get("/sms/count.php?email=demo@velvox.example");
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.text().trimmed().toLongLong(), service.credits(ServiceProcess::demoEmail()));
        EXPECT_TRUE(service.isRunning());
        EXPECT_EQ(
            service.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'")).toInt(),
            9);
    }

    static void expectPlainError(const HttpReply& r) {
        EXPECT_GE(r.status, 400);
        EXPECT_LT(r.status, 500);
        EXPECT_EQ(r.contentType, "text/plain; charset=windows-1252");
        EXPECT_FALSE(r.body.trimmed().isEmpty());
    }

    ServiceProcess service;
    ServiceHttp http{service};
};

// The seventeen fields of a send request.
constexpr const char* kFieldNames[] = {
    "email",        "kennwort", "firma", "empfaenger",      "empfaengername", "private",       "public",
    "skippush",     "version",  "text",  "absenderkennung", "absender",       "statusmeldung", "antwort",
    "einlieferung", "referer",  "long"};

// Replaces the raw "name=value" piece of one field.
QByteArray withField(const QByteArray& body, const QByteArray& name, const QByteArray& piece) {
    QList<QByteArray> pieces = body.split('&');
    for (QByteArray& p : pieces) {
        if (p.startsWith(QByteArray(name + '=')))
            p = piece;
    }
    pieces.removeAll(QByteArray());
    return pieces.join('&');
}

TEST_F(ServiceRobustness, MalformedSendBodiesGetAPlainTextError) {
    const QByteArray good = SendForm{}.body();
    struct Case {
        const char* what;
        QByteArray body;
    };
    std::vector<Case> cases = {
        {"empty body", ""},
        {"no fields at all", "&&&"},
        {"a piece without =", "email"},
        {"a piece without a name", "=x&" + good},
        {"a field twice", good + "&text=nochmal"},
        {"flag not true/false", withField(good, "private", "private=ja")},
        {"skippush not 0/1", withField(good, "skippush", "skippush=2")},
        {"broken escape", withField(good, "text", "text=50%zz")},
        {"escape cut short", withField(good, "text", "text=abc%4")},
        {"lone percent at the end", withField(good, "text", "text=%")},
        {"escaped byte that is no Windows-1252 text", withField(good, "text", "text=%81")},
        {"raw byte that is no Windows-1252 text", withField(good, "empfaengername", "empfaengername=\x8D")},
        {"NUL byte", withField(good, "text", "text=a%00b")},
        {"scheduled send without its schedule", good}, // posted to CronSMS below
    };
    for (const char* name : kFieldNames)
        cases.push_back({name, withField(good, name, QByteArray())}); // field missing

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const bool cron = std::string_view(c.what) == "scheduled send without its schedule";
        const HttpReply r = http.post(cron ? kCronPath : kSendPath, c.body);
        expectPlainError(r);
    }
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM messages")).toInt(), 0);
    expectStillServing();

    // The same faults in a query.
    for (const QByteArray& target :
         {QByteArray("/sms/count.php?email=%zz"), QByteArray("/sms/count.php"),
          QByteArray("/sms/checkUser.php?email=demo@velvox.example"), QByteArray("/sms/count.php?email=a%9D"),
          QByteArray("/telefonbuch/telefonbuch.php?email=demo@velvox.example"),
          QByteArray("/sms/createUser.php?name=x")}) {
        SCOPED_TRACE(target.toStdString());
        expectPlainError(http.get(target));
    }
    expectPlainError(http.get("/gibt/es/nicht"));
    expectPlainError(http.get(kSendPath)); // GET where the client posts
    expectStillServing();
}

TEST_F(ServiceRobustness, HugeAndGarbageBodies) {
    QByteArray huge = SendForm{}.body();
    huge.replace("text=Hallo", QByteArray("text=" + QByteArray(2 * 1024 * 1024, 'a')));
    expectPlainError(http.post(kSendPath, huge));
    expectPlainError(http.post(kSendPath, QByteArray(2 * 1024 * 1024, 'x'), "text/plain"));
    expectStillServing();

    // Random bytes of random lengths, fixed seed: each is refused.
    std::mt19937 random(20151201);
    for (int i = 0; i < 200; ++i) {
        QByteArray junk(int(random() % 3000), Qt::Uninitialized);
        for (char& c : junk)
            c = char(random() % 256);
        const HttpReply r = http.post(i % 2 ? kSendPath : kCronPath, junk);
        ASSERT_NE(r.status, 0) << "no reply to junk " << i;
        ASSERT_NE(r.status, 200) << "junk " << i << " accepted";
        ASSERT_LT(r.status, 500) << "junk " << i;
    }
    expectStillServing();
}

TEST_F(ServiceRobustness, SqlMetacharactersInEveryFieldAreJustText) {
    const QString injection =
        QStringLiteral("x'); DROP TABLE accounts; -- \" ; DELETE FROM messages WHERE '1'='1");
    const qint64 before = service.credits(ServiceProcess::demoEmail());
    int accepted = 0;
    for (const char* field : kFieldNames) {
        SCOPED_TRACE(field);
        const QByteArray body =
            withField(SendForm{}.body(), field, QByteArray(field) + '=' + percentEncode(injection));
        const HttpReply r = http.post(kSendPath, body);
        ASSERT_NE(r.status, 0);
        EXPECT_LT(r.status, 500);
        if (r.status == 200 && r.text().contains(u8(kAcceptedPhrase))) {
            ++accepted;
            // Stored exactly as sent.
            EXPECT_EQ(service
                          .scalar(QStringLiteral("SELECT count(*) FROM messages WHERE ") +
                                      QString::fromLatin1(field) + QStringLiteral(" = ?"),
                                  {injection})
                          .toInt(),
                      1);
        }
    }
    // Free texts are accepted; credentials, number and flags are not.
    EXPECT_EQ(accepted, 6); // firma, empfaengername, version, text, absender, referer
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), before - 60);

    // A password that would match everything in concatenated SQL.
    SendForm f;
    f.password = QStringLiteral("' OR '1'='1");
    EXPECT_FALSE(http.post(kSendPath, f.body()).text().contains(u8(kAcceptedPhrase)));
    EXPECT_EQ(http.get("/sms/checkUser.php?email=demo@velvox.example&password=" + percentEncode(f.password))
                  .text()
                  .trimmed(),
              QStringLiteral("1"));
    EXPECT_EQ(
        http.get("/sms/count.php?email=" + percentEncode(QStringLiteral("x' OR '1'='1"))).text().trimmed(),
        QStringLiteral("-1"));
    expectStillServing();
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM messages")).toInt(), 6);
}

// 50 clients for 10 seconds, each on its own keep-alive connection: every send
// the service confirmed is stored exactly once and charged exactly once.
TEST_F(ServiceRobustness, FiftyConcurrentClientsLoseNothing) {
    constexpr int kClients = 50;
    constexpr auto kDuration = std::chrono::seconds(10);
    constexpr int kMaxPerClient = 100000; // a bound even on a very fast machine
    const qint64 start = 1000000000;
    service.setCredits(ServiceProcess::demoEmail(), start);

    std::atomic<int> accepted{0};
    std::atomic<int> failures{0};
    std::vector<QStringList> confirmed(kClients);
    const auto deadline = std::chrono::steady_clock::now() + kDuration;
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            ServiceHttp client(service);
            for (int n = 0; n < kMaxPerClient && std::chrono::steady_clock::now() < deadline; ++n) {
                if (n % 5 == 4) { // a balance query now and then, as the client does
                    if (client.get("/sms/count.php?email=demo@velvox.example").status != 200)
                        ++failures;
                    continue;
                }
                SendForm f;
                f.text = QStringLiteral("Client %1 Nachricht %2").arg(c).arg(n);
                const HttpReply r = client.post(kSendPath, f.body());
                if (r.status == 200 && r.text().contains(u8(kAcceptedPhrase))) {
                    ++accepted;
                    confirmed[std::size_t(c)] << f.text;
                } else {
                    ++failures;
                }
            }
        });
    }
    for (std::thread& t : clients)
        t.join();

    EXPECT_EQ(failures.load(), 0);
    ASSERT_GT(accepted.load(), 0);
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM messages")).toInt(), accepted.load());
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(DISTINCT text) FROM messages")).toInt(),
              accepted.load());
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), start - 10 * qint64(accepted.load()));

    QSet<QString> stored;
    for (const QVariantList& row : service.query(QStringLiteral("SELECT text FROM messages")))
        stored.insert(row.first().toString());
    for (const QStringList& texts : confirmed) {
        for (const QString& t : texts)
            EXPECT_TRUE(stored.contains(t)) << t.toStdString();
    }
    expectStillServing();
}

} // namespace

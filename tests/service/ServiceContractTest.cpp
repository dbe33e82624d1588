// The service contract over real HTTP: sends and their charges, scheduled
// sends, refusals, new accounts, the command line.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

SendForm form(void (*change)(SendForm&)) {
    SendForm f;
    change(f);
    return f;
}

class ServiceContract : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString(); }

    // The reply text of a send; every reply is Windows-1252 plain text.
    QString send(const SendForm& f) {
        const HttpReply r = http.post(f.scheduled ? kCronPath : kSendPath, f.body());
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.contentType, "text/plain; charset=windows-1252");
        return r.text();
    }
    QString get(const QByteArray& target) { return http.get(target).text().trimmed(); }
    qint64 balance() { return get("/sms/count.php?email=demo@velvox.example").toLongLong(); }
    int count(const char* table) {
        return service.scalar(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)).toInt();
    }

    ServiceProcess service;
    ServiceHttp http{service};
};

TEST_F(ServiceContract, WorkedExampleIsStoredFieldByField) {
    // The body as the client writes it for "50% & more + less" to "Team Süd".
    const QByteArray body = "email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491701234567"
                            "&empfaengername=Team%20S\xFC"
                            "d&private=false&public=false&skippush=1&version=3.0.99"
                            "&text=50%25%20%26%20more%20%2B%20less&absenderkennung=false&absender="
                            "&statusmeldung=false&antwort=false&einlieferung=false&referer=Velvox&long=false";
    SendForm f;
    f.name = u8("Team Süd");
    f.text = QStringLiteral("50% & more + less");
    ASSERT_EQ(f.body(), body); // the helper writes what the client writes
    EXPECT_TRUE(send(f).contains(u8(kAcceptedPhrase)));

    const auto rows =
        service.query(QStringLiteral("SELECT email, kennwort, firma, empfaenger, empfaengername, private, "
                                     "public, skippush, version, text, "
                                     "absenderkennung, absender, statusmeldung, antwort, einlieferung, "
                                     "referer, long, term, cronjobstring, "
                                     "enddate, endpoint, status, parts, cost, body FROM messages"));
    ASSERT_EQ(rows.size(), 1);
    QStringList stored;
    for (const QVariant& v : rows[0].first(24))
        stored << (v.isValid() ? v.toString() : QStringLiteral("NULL"));
    EXPECT_EQ(stored, u8("demo@velvox.example|velvox| |00491701234567|Team Süd|false|false|1|3.0.99|"
                         "50% & more + less|false||false|false|false|Velvox|false|NULL|NULL|NULL|"
                         "SendSMS|sms|1|10")
                          .split(u'|'));
    EXPECT_EQ(rows[0][24].toByteArray(), body); // the raw bytes, "ü" as one byte
}

TEST_F(ServiceContract, TextSplitIntoTwoRequestsIsStoredAsTwoMessagesInOrder) {
    const QString text = QString(160, QLatin1Char('a')) + QLatin1Char('b');
    const qint64 before = balance();
    for (const QString& part : {text.left(160), text.mid(160)}) {
        SendForm f;
        f.text = part;
        EXPECT_TRUE(send(f).contains(u8(kAcceptedPhrase)));
    }
    const auto rows = service.query(QStringLiteral("SELECT text FROM messages ORDER BY id"));
    EXPECT_EQ(rows, (QList<QVariantList>{{text.left(160)}, {QStringLiteral("b")}}));
    EXPECT_EQ(balance(), before - 20);
}

TEST_F(ServiceContract, ScheduledSendsStoreTheirSchedule) {
    // A daily series ending after three sends, one by end date, and a single
    // delayed send (its start keeps the trailing blank).
    const QStringList cases[] = {{u8("2015-12-01 08:30:00"), u8("30 08 * * *"), u8("3")},
                                 {u8("2015-12-01 18:00:00"), u8("00 18 24 12 *"), u8("2016-12-24 18:00:00")},
                                 {u8("2015-12-01 14:05:00 "), u8("0"), u8("0")}};
    const qint64 before = balance();
    for (const QStringList& c : cases) {
        SendForm f;
        f.scheduled = true;
        f.term = c[0], f.cron = c[1], f.end = c[2];
        EXPECT_TRUE(send(f).contains(u8(kCreatedPhrase))) << c.join(u'|').toStdString();
    }
    const auto rows = service.query(QStringLiteral(
        "SELECT m.term, m.cronjobstring, m.enddate, j.start_time, j.cron_string, j.end_time, "
        "m.endpoint FROM messages m JOIN scheduled_jobs j ON j.message_id = m.id ORDER BY m.id"));
    ASSERT_EQ(rows.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rows[i], (QVariantList{cases[i][0], cases[i][1], cases[i][2], cases[i][0], cases[i][1],
                                         cases[i][2], QStringLiteral("CronSMS")}));
    EXPECT_EQ(balance(), before - 30);
}

TEST_F(ServiceContract, BalanceFallsByTheChargeInTheReply) {
    const std::pair<SendForm, int> cases[] = {
        {SendForm{}, 10},
        {form([](SendForm& f) { f.senderId = true, f.sender = QStringLiteral("Praxis"); }), 14},
        {form([](SendForm& f) { f.senderId = f.reply = true; }), 15},
        {form([](SendForm& f) { f.text = QString(80, QLatin1Char('"')); }), 10}, // 160 counted
        {form([](SendForm& f) { f.text = QString(400, QLatin1Char('x')), f.longSms = f.senderId = true; }),
         42}, // 3 parts of 153
        {form([](SendForm& f) { f.text = QString(100, QChar(0x20AC)), f.longSms = true; }), 20},
        {form([](SendForm& f) { f.push = true, f.recipient = ServiceProcess::demoPushNumber(); }), 5},
        {form([](SendForm& f) { f.recipient = ServiceProcess::demoPushNumber(); }), 10}, // push off
        {form([](SendForm& f) { f.push = true; }), 10}, // a number without the app
    };
    for (const auto& [f, cost] : cases) {
        SCOPED_TRACE(f.body().toStdString().substr(0, 200));
        const qint64 before = balance();
        const QString reply = send(f);
        ASSERT_TRUE(reply.contains(u8(kAcceptedPhrase))) << reply.toStdString();
        EXPECT_TRUE(reply.contains(QStringLiteral("Abgebuchte Credits: %1").arg(cost)))
            << reply.toStdString();
        EXPECT_EQ(balance(), before - cost);
    }
}

TEST_F(ServiceContract, RefusalsAreShownAndChargeNothing) {
    const SendForm cases[] = {
        form([](SendForm& f) { f.password = QStringLiteral("falsch"); }),
        form([](SendForm& f) { f.password = QStringLiteral("VELVOX"); }),
        form([](SendForm& f) { f.email = QStringLiteral("niemand@velvox.example"); }),
        form([](SendForm& f) { f.recipient = QStringLiteral("01701234567"); }), // not international
        form([](SendForm& f) { f.text.clear(); }),
        form([](SendForm& f) { f.text = QString(161, QLatin1Char('x')); }), // not long
        form([](SendForm& f) { f.text = QString(1501, QLatin1Char('x')), f.longSms = true; }),
        form([](SendForm& f) {
            f.scheduled = true, f.term = QStringLiteral("2015-12-01 09:00:00");
            f.cron = QStringLiteral("00 09  * 2"), f.end = QStringLiteral("3"); // an empty cron field
        }),
        form([](SendForm& f) {
            f.scheduled = true, f.term = QStringLiteral("morgen"), f.cron = f.end = QStringLiteral("0");
        }),
    };
    const qint64 before = balance();
    for (const SendForm& f : cases) {
        const QString reply = send(f);
        EXPECT_FALSE(reply.contains(u8(kAcceptedPhrase)) || reply.contains(u8(kCreatedPhrase)) ||
                     reply.trimmed().isEmpty())
            << f.body().toStdString().substr(0, 200) << "\n"
            << reply.toStdString();
    }
    EXPECT_EQ(balance(), before);
    EXPECT_EQ(get("/sms/count.php?email=niemand@velvox.example"), u8("-1"));

    // Too few credits: 13 pay a plain SMS but not one with sender name.
    service.setCredits(ServiceProcess::demoEmail(), 13);
    SendForm withSender;
    withSender.senderId = true;
    EXPECT_TRUE(send(withSender).contains(u8("Guthaben")));
    EXPECT_EQ(balance(), 13);
    EXPECT_EQ(count("messages") + count("scheduled_jobs"), 0);
    EXPECT_TRUE(send(SendForm{}).contains(u8(kAcceptedPhrase)));
    EXPECT_EQ(balance(), 3);
}

TEST_F(ServiceContract, NewAccountIsCheckedWithTheMailedPassword) {
    // The wizard's request: every key present, values URL-encoded, optional ones empty.
    const QString email = QStringLiteral("neu+test@velvox.example");
    const QByteArray create = "/sms/createUser.php?name=" + percentEncode(u8("Müller")) +
                              "&vorname=Anna&firma=&email=" + percentEncode(email) +
                              "&telefon=&fax=&strasse=" + percentEncode(u8("Hauptstraße 5")) +
                              "&plz=10115&ort=Berlin&land=&gutschein=&referer=Velvox";
    EXPECT_EQ(get(create), u8("0"));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT strasse FROM accounts WHERE email = ?"), {email}),
              u8("Hauptstraße 5"));
    const QString password = service.outboxPassword(email);
    ASSERT_GE(password.size(), 8);

    SendForm f;
    f.email = email;
    f.password = password;
    EXPECT_FALSE(send(f).contains(u8(kAcceptedPhrase))); // not yet confirmed
    const QByteArray check = "/sms/checkUser.php?email=" + percentEncode(email) + "&password=";
    EXPECT_NE(get(check + "falsch"), u8("0"));
    EXPECT_EQ(get(check + percentEncode(password)), u8("0"));
    EXPECT_TRUE(send(f).contains(u8(kAcceptedPhrase)));
    EXPECT_NE(get(create), u8("0")); // the same address again
}

TEST(ServiceLifecycle, CommandLineOptionsAndStoredData) {
    QTemporaryDir dir;
    ServiceProcess::Options o;
    o.databasePath = dir.filePath(QStringLiteral("kept.db"));
    o.extraArgs = QStringList{QStringLiteral("--latest-version"), QStringLiteral("3.1.0"),
                              QStringLiteral("--info-version=-1"), QStringLiteral("--set-credits"),
                              QStringLiteral("demo@velvox.example=7")};
    {
        ServiceProcess first(o);
        ASSERT_TRUE(first.isRunning()) << first.errorString().toStdString();
        ServiceHttp http(first);
        EXPECT_EQ(http.get("/update/version").text().trimmed(), u8("3.1.0"));
        EXPECT_EQ(http.get("/update/infoVersion2").text().trimmed(), u8("-1"));
        EXPECT_EQ(http.get("/sms/count.php?email=demo@velvox.example").text().trimmed(), u8("7"));
        EXPECT_EQ(first.stop(), 0); // SIGTERM ends it cleanly
    }
    // A database written by a newer service is left alone.
    {
        o.extraArgs.clear();
        ServiceProcess second(o);
        ASSERT_TRUE(second.isRunning());
        EXPECT_EQ(second.credits(ServiceProcess::demoEmail()), 7); // seeding leaves existing data alone
        second.execute(QStringLiteral("PRAGMA user_version = 99"));
    }
    ServiceProcess newer(o);
    EXPECT_EQ(newer.stop(), 1);
    for (const QStringList& args :
         {QStringList{QStringLiteral("--tls-cert"), dir.filePath(QStringLiteral("x"))},
          QStringList{QStringLiteral("--info-version"), QStringLiteral("viele")},
          QStringList{QStringLiteral("--bogus")}}) {
        ServiceProcess::Options bad;
        bad.extraArgs = args;
        EXPECT_EQ(ServiceProcess(bad).stop(), 2) << args.join(u' ').toStdString();
    }
}

} // namespace

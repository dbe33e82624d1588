// The service contract over real HTTP: sends and their charges, scheduled
// sends, balance, accounts, version and news numbers.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include "platform/CodePage.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

class ServiceContract : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString(); }

    HttpReply send(const SendForm& f) { return http.post(f.scheduled ? kCronPath : kSendPath, f.body()); }
    qint64 balance() {
        return http.get("/sms/count.php?email=demo@velvox.example").text().trimmed().toLongLong();
    }
    qint64 messageCount() {
        return service.scalar(QStringLiteral("SELECT count(*) FROM messages")).toLongLong();
    }

    // A reply the client reads: status 200 and Windows-1252 plain text.
    static void expectClientReply(const HttpReply& r) {
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.contentType, "text/plain; charset=windows-1252");
    }

    ServiceProcess service;
    ServiceHttp http{service};
};

TEST_F(ServiceContract, WorkedExampleArrivesFieldByField) {
    // The body as the client writes it for "50% & more + less" to "Team Süd".
    const QByteArray body = "email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491701234567"
                            "&empfaengername=Team%20S\xFC"
                            "d&private=false&public=false&skippush=1&version=3.0.99"
                            "&text=50%25%20%26%20more%20%2B%20less&absenderkennung=false&absender="
                            "&statusmeldung=false&antwort=false&einlieferung=false&referer=Velvox&long=false";
    SendForm f;
    f.name = u8("Team Süd");
    f.text = QStringLiteral("50% & more + less");
    ASSERT_EQ(f.body(), body); // our builder follows the client's rules

    const HttpReply r = http.post(kSendPath, body);
    expectClientReply(r);
    EXPECT_TRUE(r.text().contains(u8(kAcceptedPhrase))) << r.text().toStdString();

    const auto rows =
        service.query(QStringLiteral("SELECT email, kennwort, firma, empfaenger, empfaengername, private, "
                                     "public, skippush, version, text, "
                                     "absenderkennung, absender, statusmeldung, antwort, einlieferung, "
                                     "referer, term, cronjobstring, enddate, "
                                     "long, body, endpoint, status, parts, cost FROM messages"));
    ASSERT_EQ(rows.size(), 1);
    const QVariantList& m = rows.first();
    const QStringList expected = {QStringLiteral("demo@velvox.example"),
                                  QStringLiteral("velvox"),
                                  QStringLiteral(" "),
                                  QStringLiteral("00491701234567"),
                                  u8("Team Süd"),
                                  QStringLiteral("false"),
                                  QStringLiteral("false"),
                                  QStringLiteral("1"),
                                  QStringLiteral("3.0.99"),
                                  QStringLiteral("50% & more + less"),
                                  QStringLiteral("false"),
                                  QString(),
                                  QStringLiteral("false"),
                                  QStringLiteral("false"),
                                  QStringLiteral("false"),
                                  QStringLiteral("Velvox")};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(m[i].toString(), expected[i]) << "column " << i;
    EXPECT_FALSE(m[16].isValid()); // no schedule: term, cronjobstring, enddate stay NULL
    EXPECT_FALSE(m[17].isValid());
    EXPECT_FALSE(m[18].isValid());
    EXPECT_EQ(m[19].toString(), QStringLiteral("false"));
    EXPECT_EQ(m[20].toByteArray(), body); // the raw bytes, "ü" as one byte
    EXPECT_EQ(m[21].toString(), QStringLiteral("SendSMS"));
    EXPECT_EQ(m[22].toString(), QStringLiteral("sms"));
    EXPECT_EQ(m[23].toInt(), 1);
    EXPECT_EQ(m[24].toInt(), 10);
}

TEST_F(ServiceContract, TextSplitIntoTwoRequestsIsStoredAsTwoMessagesInOrder) {
    const QString text = QString(160, QLatin1Char('a')) + QLatin1Char('b');
    const qint64 before = balance();
    for (const QString& part : {text.left(160), text.mid(160)}) {
        SendForm f;
        f.text = part;
        EXPECT_TRUE(send(f).text().contains(u8(kAcceptedPhrase)));
    }
    const auto rows = service.query(QStringLiteral("SELECT text, parts, cost FROM messages ORDER BY id"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][0].toString(), text.left(160));
    EXPECT_EQ(rows[1][0].toString(), QStringLiteral("b"));
    EXPECT_EQ(rows[0][1].toInt(), 1);
    EXPECT_EQ(balance(), before - 20);
}

TEST_F(ServiceContract, ScheduledSendsStoreTheirScheduleAndChargeLikeASend) {
    struct Case {
        const char* term;
        const char* cron;
        const char* end;
    };
    // A daily series ending after three sends, one by end date, and a single
    // delayed send (its start keeps the trailing blank).
    const Case cases[] = {{"2015-12-01 08:30:00", "30 08 * * *", "3"},
                          {"2015-12-01 18:00:00", "00 18 24 12 *", "2016-12-24 18:00:00"},
                          {"2015-12-01 14:05:00 ", "0", "0"}};
    qint64 expectedBalance = balance();
    for (const Case& c : cases) {
        SendForm f;
        f.scheduled = true;
        f.term = QString::fromLatin1(c.term);
        f.cron = QString::fromLatin1(c.cron);
        f.end = QString::fromLatin1(c.end);
        const HttpReply r = send(f);
        expectClientReply(r);
        EXPECT_TRUE(r.text().contains(u8(kCreatedPhrase))) << r.text().toStdString();
        expectedBalance -= 10;
    }
    // The body carried the schedule with its blanks as "%20".
    EXPECT_TRUE(
        service.scalar(QStringLiteral("SELECT body FROM messages ORDER BY id LIMIT 1"))
            .toByteArray()
            .contains("&term=2015-12-01%2008:30:00&cronjobstring=30%2008%20*%20*%20*&enddate=3&long="));

    const auto rows = service.query(QStringLiteral("SELECT m.term, m.cronjobstring, m.enddate, m.endpoint, "
                                                   "m.status, j.start_time, j.cron_string, j.end_time, "
                                                   "j.text, j.recipient, j.deleted FROM messages m JOIN "
                                                   "scheduled_jobs j ON j.message_id = m.id ORDER BY m.id"));
    ASSERT_EQ(rows.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QVariantList& row = rows[i];
        EXPECT_EQ(row[0].toString(), QString::fromLatin1(cases[i].term));
        EXPECT_EQ(row[1].toString(), QString::fromLatin1(cases[i].cron));
        EXPECT_EQ(row[2].toString(), QString::fromLatin1(cases[i].end));
        EXPECT_EQ(row[3].toString(), QStringLiteral("CronSMS"));
        EXPECT_EQ(row[4].toString(), QStringLiteral("scheduled"));
        EXPECT_EQ(row[5], row[0]);
        EXPECT_EQ(row[6], row[1]);
        EXPECT_EQ(row[7], row[2]);
        EXPECT_EQ(row[8].toString(), QStringLiteral("Hallo"));
        EXPECT_EQ(row[9].toString(), QStringLiteral("00491701234567"));
        EXPECT_EQ(row[10].toInt(), 0);
    }
    EXPECT_EQ(balance(), expectedBalance);
}

TEST_F(ServiceContract, BalanceFallsByWhatTheClientReckons) {
    struct Case {
        const char* what;
        SendForm form;
        int cost;
    };
    const auto form = [](auto&& change) {
        SendForm f;
        change(f);
        return f;
    };
    const QString euros(100, QChar(0x20AC)); // counted 200
    const Case cases[] = {
        {"plain", SendForm{}, 10},
        {"sender id", form([](SendForm& f) { f.senderId = true, f.sender = QStringLiteral("Praxis"); }), 14},
        {"replies", form([](SendForm& f) { f.reply = true; }), 11},
        {"sender id and replies", form([](SendForm& f) { f.senderId = true, f.reply = true; }), 15},
        {"160 counted, one SMS", form([](SendForm& f) { f.text = QString(80, QLatin1Char('"')); }), 10},
        {"long, 400 counted = 3 parts with sender id",
         form([](SendForm& f) { f.text = QString(400, QLatin1Char('x')), f.longSms = f.senderId = true; }),
         42},
        {"long, 100 euro signs = 200 counted = 2 parts",
         form([&](SendForm& f) { f.text = euros, f.longSms = true; }), 20},
        {"push to a registered number", form([](SendForm& f) {
             f.push = true, f.recipient = ServiceProcess::demoPushNumber(), f.senderId = true;
         }),
         5},
        {"push switched off", form([](SendForm& f) { f.recipient = ServiceProcess::demoPushNumber(); }), 10},
        {"push to a number without the app", form([](SendForm& f) { f.push = true; }), 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qint64 before = balance();
        const HttpReply r = send(c.form);
        expectClientReply(r);
        ASSERT_TRUE(r.text().contains(u8(kAcceptedPhrase))) << r.text().toStdString();
        EXPECT_EQ(chargedCredits(r.text()), c.cost);
        EXPECT_EQ(balance(), before - c.cost);
        EXPECT_EQ(
            service.scalar(QStringLiteral("SELECT cost FROM messages ORDER BY id DESC LIMIT 1")).toInt(),
            c.cost);
    }
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM messages WHERE status = 'push'")).toInt(),
              1);
}

TEST_F(ServiceContract, RefusalsAreShownToTheUserAndChargeNothing) {
    struct Case {
        const char* what;
        SendForm form;
    };
    const auto form = [](auto&& change) {
        SendForm f;
        change(f);
        return f;
    };
    const Case cases[] = {
        {"wrong password", form([](SendForm& f) { f.password = QStringLiteral("falsch"); })},
        {"password in other letter case", form([](SendForm& f) { f.password = QStringLiteral("VELVOX"); })},
        {"unknown account", form([](SendForm& f) { f.email = QStringLiteral("niemand@velvox.example"); })},
        {"recipient not international",
         form([](SendForm& f) { f.recipient = QStringLiteral("01701234567"); })},
        {"empty text", form([](SendForm& f) { f.text.clear(); })},
        {"161 counted without long", form([](SendForm& f) { f.text = QString(161, QLatin1Char('x')); })},
        {"over 1500 counted",
         form([](SendForm& f) { f.text = QString(1501, QLatin1Char('x')), f.longSms = true; })},
        {"schedule with an empty cron field", form([](SendForm& f) {
             f.scheduled = true, f.term = QStringLiteral("2015-12-01 09:00:00"),
             f.cron = QStringLiteral("00 09  * 2"), f.end = QStringLiteral("3");
         })},
        {"schedule start not a time", form([](SendForm& f) {
             f.scheduled = true, f.term = QStringLiteral("morgen"), f.cron = QStringLiteral("0"),
             f.end = QStringLiteral("0");
         })},
    };
    const qint64 before = balance();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const HttpReply r = send(c.form);
        expectClientReply(r);
        EXPECT_FALSE(r.text().contains(u8(kAcceptedPhrase), Qt::CaseInsensitive));
        EXPECT_FALSE(r.text().contains(u8(kCreatedPhrase), Qt::CaseInsensitive));
        EXPECT_FALSE(r.text().trimmed().isEmpty());
    }
    EXPECT_EQ(balance(), before);
    EXPECT_EQ(messageCount(), 0);
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM scheduled_jobs")).toInt(), 0);
}

TEST_F(ServiceContract, TooFewCreditsAreRefusedUntilTheBalanceCovers) {
    service.setCredits(ServiceProcess::demoEmail(), 13);
    SendForm withSender;
    withSender.senderId = true; // 14 credits
    HttpReply r = send(withSender);
    expectClientReply(r);
    EXPECT_FALSE(r.text().contains(u8(kAcceptedPhrase)));
    EXPECT_TRUE(r.text().contains(QStringLiteral("Guthaben"))) << r.text().toStdString();
    EXPECT_EQ(balance(), 13);
    EXPECT_EQ(messageCount(), 0);

    // The same balance pays a plain SMS; afterwards 3 credits pay nothing.
    EXPECT_TRUE(send(SendForm{}).text().contains(u8(kAcceptedPhrase)));
    EXPECT_EQ(balance(), 3);
    EXPECT_FALSE(send(SendForm{}).text().contains(u8(kAcceptedPhrase)));
    EXPECT_EQ(balance(), 3);
    EXPECT_EQ(messageCount(), 1);
}

TEST_F(ServiceContract, SendFillsThePhoneBooksAndConfirmsByMail) {
    SendForm f;
    f.recipient = QStringLiteral("00491709876543");
    f.name = u8("Jörg Groß");
    f.privateBook = f.publicBook = true;
    f.confirmByMail = true;
    ASSERT_TRUE(send(f).text().contains(u8(kAcceptedPhrase)));
    const auto rows = service.query(
        QStringLiteral("SELECT book, name FROM phonebook WHERE number = '00491709876543' ORDER BY book"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("private"));
    EXPECT_EQ(rows[1][0].toString(), QStringLiteral("public"));
    EXPECT_EQ(rows[0][1].toString(), u8("Jörg Groß"));
    EXPECT_EQ(service
                  .scalar(QStringLiteral("SELECT count(*) FROM outbox WHERE recipient = ?"),
                          {ServiceProcess::demoEmail()})
                  .toInt(),
              1);
}

TEST_F(ServiceContract, BalanceQuery) {
    HttpReply r = http.get("/sms/count.php?email=demo@velvox.example");
    expectClientReply(r);
    EXPECT_EQ(r.text().trimmed(), QStringLiteral("5000"));
    EXPECT_EQ(http.get("/sms/count.php?email=DEMO@velvox.example").text().trimmed(), QStringLiteral("5000"));
    EXPECT_EQ(http.get("/sms/count.php?email=niemand@velvox.example").text().trimmed(), QStringLiteral("-1"));
    EXPECT_EQ(http.get("/sms/count.php?email=").text().trimmed(), QStringLiteral("-1"));
    service.setCredits(ServiceProcess::demoEmail(), 123);
    EXPECT_EQ(http.get("/sms/count.php?email=demo@velvox.example").text().trimmed(), QStringLiteral("123"));
}

TEST_F(ServiceContract, NewAccountIsCheckedWithTheMailedPassword) {
    // The wizard's request: every key present, values URL-encoded
    // (Windows-1252 "%XX"), optional ones empty.
    const QString email = QStringLiteral("neu+test@velvox.example");
    const QByteArray create = "/sms/createUser.php?name=" + percentEncode(u8("Müller")) +
                              "&vorname=Anna&firma=" + "&email=" + percentEncode(email) +
                              "&telefon=&fax=&strasse=" + percentEncode(u8("Hauptstraße 5")) +
                              "&plz=10115&ort=Berlin&land=&gutschein=" + "&referer=Velvox";
    HttpReply r = http.get(create);
    expectClientReply(r);
    EXPECT_EQ(r.text().trimmed(), QStringLiteral("0"));

    const auto account = service.query(
        QStringLiteral("SELECT name, strasse, credits, activated FROM accounts WHERE email = ?"), {email});
    ASSERT_EQ(account.size(), 1);
    EXPECT_EQ(account[0][0].toString(), u8("Müller"));
    EXPECT_EQ(account[0][1].toString(), u8("Hauptstraße 5"));
    EXPECT_EQ(account[0][3].toInt(), 0);

    const QString password = service.outboxPassword(email);
    ASSERT_GE(password.size(), 8);
    EXPECT_TRUE(service.log().contains(password)); // the "mail" is in the log as well

    // Not yet confirmed: the account cannot send.
    SendForm f;
    f.email = email;
    f.password = password;
    EXPECT_FALSE(http.post(kSendPath, f.body()).text().contains(u8(kAcceptedPhrase)));

    const QByteArray check = "/sms/checkUser.php?email=" + percentEncode(email) + "&password=";
    EXPECT_NE(http.get(check + "falsch").text().trimmed(), QStringLiteral("0"));
    r = http.get(check + percentEncode(password));
    expectClientReply(r);
    EXPECT_EQ(r.text().trimmed(), QStringLiteral("0"));
    EXPECT_EQ(
        service.scalar(QStringLiteral("SELECT activated FROM accounts WHERE email = ?"), {email}).toInt(), 1);
    EXPECT_TRUE(http.post(kSendPath, f.body()).text().contains(u8(kAcceptedPhrase)));

    // The same address again, and a registration without a street.
    EXPECT_NE(http.get(create).text().trimmed(), QStringLiteral("0"));
    QByteArray noStreet = create;
    const QByteArray street = "&strasse=" + percentEncode(u8("Hauptstraße 5"));
    noStreet.replace(street, "&strasse=");
    noStreet.replace(percentEncode(email), "other@velvox.example");
    r = http.get(noStreet);
    expectClientReply(r);
    EXPECT_NE(r.text().trimmed(), QStringLiteral("0"));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM accounts")).toInt(), 2);
}

TEST_F(ServiceContract, CheckUserOfTheDemoAccount) {
    EXPECT_EQ(http.get("/sms/checkUser.php?email=demo@velvox.example&password=velvox").text().trimmed(),
              QStringLiteral("0"));
    EXPECT_EQ(http.get("/sms/checkUser.php?email=demo@velvox.example&password=").text().trimmed(),
              QStringLiteral("1"));
    EXPECT_EQ(http.get("/sms/checkUser.php?email=x@velvox.example&password=velvox").text().trimmed(),
              QStringLiteral("1"));
}

TEST(ServiceAnswers, VersionAndNewsNumbersComeFromTheCommandLine) {
    {
        ServiceProcess service;
        ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
        ServiceHttp http(service);
        const HttpReply version = http.get("/update/version");
        EXPECT_EQ(version.status, 200);
        EXPECT_EQ(version.contentType, "text/plain; charset=windows-1252");
        EXPECT_EQ(version.text().trimmed(), QStringLiteral("3.0.99"));
        EXPECT_EQ(http.get("/update/infoVersion2").text().trimmed(), QStringLiteral("1"));
    }
    ServiceProcess::Options o;
    o.extraArgs = QStringList{QStringLiteral("--latest-version"), QStringLiteral("3.1.0"),
                              QStringLiteral("--info-version=-1")};
    ServiceProcess service(o);
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    ServiceHttp http(service);
    EXPECT_EQ(http.get("/update/version").text().trimmed(), QStringLiteral("3.1.0"));
    EXPECT_EQ(http.get("/update/infoVersion2").text().trimmed(), QStringLiteral("-1"));
}

TEST(ServiceLifecycle, OemProfileNamesEveryEndpointOfThisInstance) {
    ServiceProcess service;
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    const QString oem = QString::fromLatin1(service.oemIni());
    const QStringList lines = oem.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("[URLs]"));
    const QString base = service.baseUrl();
    const QStringList expected = {
        QStringLiteral("Homepage=") + base + QStringLiteral("/"),
        QStringLiteral("Helppage=") + base + QStringLiteral("/hilfe/"),
        QStringLiteral("SendSMS=") + base + QStringLiteral("/smsv3/smsv3.php"),
        QStringLiteral("CronSMS=") + base + QStringLiteral("/cronjob/send_repeat.php"),
        QStringLiteral("EditCronSMS=") + base + QStringLiteral("/terminversand/deleteSMS.php"),
        QStringLiteral("Phonebook=") + base + QStringLiteral("/telefonbuch/telefonbuch.php"),
        QStringLiteral("WebGroup=") + base + QStringLiteral("/sms/gruppenv2/gruppenv2.php"),
        QStringLiteral("BuyCredits=") + base + QStringLiteral("/sms/buyCredits.php"),
        QStringLiteral("CheckUser=") + base + QStringLiteral("/sms/checkUser.php"),
        QStringLiteral("CreateUser=") + base + QStringLiteral("/sms/createUser.php"),
        QStringLiteral("SmsCount=") + base + QStringLiteral("/sms/count.php?email="),
        QStringLiteral("CheckVersion=") + base + QStringLiteral("/update/version"),
        QStringLiteral("CheckInfo=") + base + QStringLiteral("/update/infoVersion2"),
        QStringLiteral("AGB=") + base + QStringLiteral("/sms_agb/sms_agb.htm"),
        QStringLiteral("WebGroupDir=") + base + QStringLiteral("/sms/gruppenv2/"),
        QStringLiteral("News=") + base + QStringLiteral("/news2.htm"),
        QStringLiteral("Update=") + base + QStringLiteral("/update/velvox.exe"),
    };
    EXPECT_EQ(lines.mid(1), expected);

    // Every address of the profile is answered by this instance (Update is
    // only held by the client, never fetched; group files are tested with the
    // group pages).
    ServiceHttp http(service);
    for (const QString& line : expected.mid(0, 16)) {
        const QString path = line.mid(line.indexOf(QLatin1Char('=')) + 1 + base.size());
        if (path.contains(QStringLiteral("smsv3")) || path.contains(QStringLiteral("cronjob")) ||
            line.startsWith(QStringLiteral("WebGroupDir=")))
            continue; // POST only; a folder the client only fetches files from
        EXPECT_NE(http.get(path.toLatin1()).status, 404) << path.toStdString();
    }
}

TEST(ServiceLifecycle, StopsCleanlyOnSigtermAndKeepsItsDataForTheNextStart) {
    QTemporaryDir dir;
    ServiceProcess::Options o;
    o.databasePath = dir.filePath(QStringLiteral("kept.db"));
    {
        ServiceProcess first(o);
        ASSERT_TRUE(first.isRunning()) << first.errorString().toStdString();
        ServiceHttp http(first);
        ASSERT_TRUE(http.post(kSendPath, SendForm{}.body()).text().contains(u8(kAcceptedPhrase)));
        EXPECT_EQ(first.stop(), 0);
        EXPECT_FALSE(first.isRunning());
    }
    // Seeding again does not touch a database that has an account.
    ServiceProcess second(o);
    ASSERT_TRUE(second.isRunning()) << second.errorString().toStdString();
    ServiceHttp http(second);
    EXPECT_EQ(http.get("/sms/count.php?email=demo@velvox.example").text().trimmed(), QStringLiteral("4990"));
    EXPECT_EQ(second.scalar(QStringLiteral("SELECT count(*) FROM accounts")).toInt(), 1);
    EXPECT_EQ(second.scalar(QStringLiteral("SELECT count(*) FROM web_groups")).toInt(), 2);
    EXPECT_EQ(second.scalar(QStringLiteral("SELECT count(*) FROM messages")).toInt(), 1);
    EXPECT_EQ(second.scalar(QStringLiteral("PRAGMA user_version")).toInt(), 1);
}

TEST(ServiceLifecycle, SigintStopsItToo) {
    ServiceProcess service;
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    ASSERT_EQ(::kill(pid_t(service.processId()), SIGINT), 0);
    EXPECT_TRUE(service.waitForExit(10000));
    EXPECT_EQ(service.stop(), 0);
}

TEST(ServiceLifecycle, RefusesBadCommandLinesAndForeignDatabases) {
    QTemporaryDir dir;
    // A database written by a newer service is left alone.
    const QString newer = dir.filePath(QStringLiteral("newer.db"));
    {
        ServiceProcess::Options o;
        o.databasePath = newer;
        ServiceProcess s(o);
        ASSERT_TRUE(s.isRunning());
        s.execute(QStringLiteral("PRAGMA user_version = 99"));
    }
    ServiceProcess::Options o;
    o.databasePath = newer;
    ServiceProcess refused(o);
    EXPECT_FALSE(refused.isRunning());
    EXPECT_EQ(refused.stop(), 1);
    EXPECT_TRUE(refused.log().contains(QStringLiteral("newer"))) << refused.log().toStdString();

    // Options that make no sense end the program before it listens.
    for (const QStringList& args :
         {QStringList{QStringLiteral("--tls-cert"), dir.filePath(QStringLiteral("x"))},
          QStringList{QStringLiteral("--info-version"), QStringLiteral("viele")},
          QStringList{QStringLiteral("--set-credits"), QStringLiteral("nobody")},
          QStringList{QStringLiteral("--bogus")}}) {
        ServiceProcess::Options bad;
        bad.extraArgs = args;
        ServiceProcess s(bad);
        EXPECT_FALSE(s.isRunning()) << args.join(u' ').toStdString();
        EXPECT_EQ(s.stop(), 2) << args.join(u' ').toStdString();
    }
}

TEST(ServiceLifecycle, SetCreditsOptionAppliesAtStart) {
    ServiceProcess::Options o;
    o.extraArgs = QStringList{QStringLiteral("--set-credits"), QStringLiteral("demo@velvox.example=7")};
    ServiceProcess service(o);
    ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString();
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), 7);
}

} // namespace

// The pages the client shows in its embedded browsers, with the link forms it
// reacts to, and the group file that travels in the ".msms" line format.

#include "ServiceHttp.h"
#include "ServiceProcess.h"

#include "platform/CodePage.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

class ServicePages : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.isRunning()) << service.errorString().toStdString(); }

    // A page the client shows: status 200, HTML in Windows-1252.
    static QString page(const HttpReply& r) {
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.contentType, "text/html; charset=windows-1252");
        EXPECT_TRUE(r.body.contains("charset=\"windows-1252\"") || r.body.contains("charset=windows-1252"));
        return r.text();
    }

    static QStringList hrefs(const QString& html) {
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        QStringList out;
        for (const auto& m : href.globalMatch(html))
            out << m.captured(1);
        return out;
    }

    ServiceProcess service;
    ServiceHttp http{service};
};

TEST_F(ServicePages, PhonebookListsContactLinksAndACloseLink) {
    const QString html =
        page(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=velvox"));
    const QStringList links = hrefs(html);
    EXPECT_TRUE(links.contains(QStringLiteral("telefon://Praxis%20Nord@00491701234567")));
    EXPECT_TRUE(links.contains(QStringLiteral("telefon://Anna%20Huber@0043664/123456")));
    EXPECT_TRUE(links.contains(QStringLiteral("telefon://Luca%20Meier@0041791234567")));
    EXPECT_TRUE(links.contains(u8("telefon://Büro%20Berlin@0049301234567")));
    EXPECT_TRUE(links.contains(QStringLiteral("close://")));
    EXPECT_TRUE(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=velvox")
                    .body.contains("telefon://B\xFCro%20Berlin@")); // "ü" as one Windows-1252 byte

    // A contact added by a send with "private" shows up; another password sees nothing.
    SendForm f;
    f.recipient = QStringLiteral("00491761112223");
    f.name = QStringLiteral("Neue Kundin");
    f.privateBook = true;
    ASSERT_TRUE(http.post(kSendPath, f.body()).text().contains(u8(kAcceptedPhrase)));
    EXPECT_TRUE(
        hrefs(page(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=velvox")))
            .contains(QStringLiteral("telefon://Neue%20Kundin@00491761112223")));

    const QString refused =
        page(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=x"));
    EXPECT_FALSE(refused.contains(QStringLiteral("telefon://")));
    EXPECT_TRUE(refused.contains(QStringLiteral("close://")));
}

TEST_F(ServicePages, PasswordsArriveUrlEncoded) {
    // The client URL-encodes the password of a page address: "a&b c+d#" reaches us intact.
    const QString password = u8("a&b c+d#ü");
    service.execute(QStringLiteral("UPDATE accounts SET password = ? WHERE email = ?"),
                    {password, ServiceProcess::demoEmail()});
    const QString html = page(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=" +
                                       percentEncode(password)));
    EXPECT_TRUE(html.contains(QStringLiteral("telefon://Praxis%20Nord@")));
}

TEST_F(ServicePages, GroupPageLinksEveryGroupAndTheFilesHoldMsmsLines) {
    const QString html =
        page(http.get("/sms/gruppenv2/gruppenv2.php?email=demo@velvox.example&passwort=velvox"));
    const QStringList links = hrefs(html);
    EXPECT_TRUE(links.contains(QStringLiteral("http://gruppe//team-sued.txt")));
    EXPECT_TRUE(links.contains(QStringLiteral("http://gruppe//kunden.txt")));
    EXPECT_TRUE(links.contains(QStringLiteral("close://")));

    // The client replaces "http://gruppe//" with the WebGroupDir address.
    const HttpReply file = http.get("/sms/gruppenv2/team-sued.txt");
    EXPECT_EQ(file.status, 200);
    EXPECT_EQ(file.contentType, "text/plain; charset=windows-1252");
    EXPECT_EQ(file.body, QByteArray("J\xFCrgen M\xFCller;00491701111111;Fr\xFChschicht;Montag;\n"
                                    "Zo\xEB Wei\xDF;00491702222222;Sp\xE4tschicht;Dienstag;\n"
                                    "Bj\xF6rn \xD6zt\xFCrk;00436641112222;Nachtschicht;Mittwoch;\n"));
    EXPECT_EQ(http.get("/sms/gruppenv2/fehlt.txt").status, 404);
    EXPECT_EQ(http.get("/sms/gruppenv2/../kunden.txt").status, 404);
}

TEST_F(ServicePages, GroupRoundTripsThroughTheMsmsLineFormat) {
    // Lines as a ".msms" file holds them (CR LF), umlauts and "€" included;
    // a line with fewer than four fields reads with empty free texts, one of
    // three characters is no entry.
    const QString lines = u8("Jürgen;00491701234567;Frühdienst;5 €;\r\n"
                             "abc\r\n"
                             "C;0049170000;z\r\n"
                             "Zoë Weiß;0043660000;x;y;\r\n");
    const QByteArray body =
        "email=demo@velvox.example&passwort=velvox&name=" + percentEncode(u8("Läufer <A>")) +
        "&eintraege=" + percentEncode(lines);
    const QString html = page(http.post("/sms/gruppenv2/gruppenv2.php", body));
    EXPECT_TRUE(html.contains(u8("Läufer &lt;A&gt;")));
    EXPECT_FALSE(html.contains(QStringLiteral("<A>")));

    QString file;
    for (const QString& link : hrefs(html)) {
        const QString prefix = QStringLiteral("http://gruppe//");
        if (link.startsWith(prefix) && !link.contains(QStringLiteral("team-sued")) &&
            !link.contains(QStringLiteral("kunden")))
            file = link.mid(prefix.size());
    }
    ASSERT_FALSE(file.isEmpty()) << html.toStdString();
    const HttpReply r = http.get("/sms/gruppenv2/" + file.toLatin1());
    ASSERT_EQ(r.status, 200);
    EXPECT_EQ(r.body, CodePage::toWindows1252(u8("Jürgen;00491701234567;Frühdienst;5 €;\n"
                                                 "C;0049170000;;;\n"
                                                 "Zoë Weiß;0043660000;x;y;\n")));

    // A line that cannot be read creates no group.
    const qint64 groups = service.scalar(QStringLiteral("SELECT count(*) FROM web_groups")).toLongLong();
    const QString refused = page(http.post("/sms/gruppenv2/gruppenv2.php",
                                           "email=demo@velvox.example&passwort=velvox&name=X&eintraege=" +
                                               percentEncode(u8("abcd\n"))));
    EXPECT_TRUE(refused.contains(QStringLiteral("class=\"error\"")));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM web_groups")).toLongLong(), groups);
}

TEST_F(ServicePages, LargeGroupsFitButHugeBodiesAreRefused) {
    QString lines;
    for (int i = 0; i < 600; ++i)
        lines += QStringLiteral("Mitglied %1;0049170%2;Freitext eins;Freitext zwei;\r\n")
                     .arg(i)
                     .arg(i, 7, 10, QLatin1Char('0'));
    const QByteArray body =
        "email=demo@velvox.example&passwort=velvox&name=Gross&eintraege=" + percentEncode(lines);
    ASSERT_GT(body.size(), 8192); // over the HTTP library's own limit for form bodies
    const QString html = page(http.post("/sms/gruppenv2/gruppenv2.php", body));
    EXPECT_TRUE(html.contains(QStringLiteral("<td>600</td>"))) << html.toStdString();
    const QString file =
        service.scalar(QStringLiteral("SELECT file_name FROM web_groups WHERE name = 'Gross'")).toString();
    const HttpReply r = http.get("/sms/gruppenv2/" + file.toLatin1());
    EXPECT_EQ(r.body, CodePage::toWindows1252(QString(lines).remove(QLatin1Char('\r'))));

    const HttpReply huge = http.post("/sms/gruppenv2/gruppenv2.php", body + QByteArray(2 * 1024 * 1024, 'x'));
    EXPECT_EQ(huge.status, 413);
    EXPECT_EQ(huge.contentType, "text/plain; charset=windows-1252");
}

TEST_F(ServicePages, CreditShopSellsPackagesThatGrowTheBalance) {
    const QByteArray query = "/sms/buyCredits.php?email=demo@velvox.example&passwort=velvox&backcolor=D4D0C8";
    const QString html = page(http.get(query));
    EXPECT_TRUE(html.contains(QStringLiteral("background-color: #D4D0C8")));
    EXPECT_TRUE(html.contains(QStringLiteral("5000")));
    EXPECT_TRUE(hrefs(html).contains(QStringLiteral("close://")));
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"paket\" value=\"2\"")));

    // Submitting the form (as a browser does: form-encoded, "+" for blanks).
    const QString bought = page(http.post(
        "/sms/buyCredits.php", "email=demo%40velvox.example&passwort=velvox&backcolor=D4D0C8&paket=2"));
    EXPECT_TRUE(bought.contains(QStringLiteral("1000 Credits gutgeschrieben")));
    EXPECT_TRUE(hrefs(bought).contains(QStringLiteral("close://")));
    EXPECT_EQ(http.get("/sms/count.php?email=demo@velvox.example").text().trimmed(), QStringLiteral("6000"));

    // An unknown package or a wrong password buys nothing.
    page(http.post("/sms/buyCredits.php", "email=demo@velvox.example&passwort=velvox&paket=9"));
    page(http.post("/sms/buyCredits.php", "email=demo@velvox.example&passwort=falsch&paket=1"));
    EXPECT_EQ(service.credits(ServiceProcess::demoEmail()), 6000);
}

TEST_F(ServicePages, ScheduledSendsAreListedAndDeletedOnRequest) {
    for (const QString& text : {QStringLiteral("Erster Auftrag"), QStringLiteral("Zweiter <Auftrag>")}) {
        SendForm f;
        f.scheduled = true;
        f.term = QStringLiteral("2015-12-01 08:30:00");
        f.cron = QStringLiteral("30 08 * * *");
        f.end = QStringLiteral("3");
        f.text = text;
        ASSERT_TRUE(http.post(kCronPath, f.body()).text().contains(u8(kCreatedPhrase)));
    }
    const auto ids = service.query(QStringLiteral("SELECT id FROM scheduled_jobs ORDER BY id"));
    ASSERT_EQ(ids.size(), 2);
    const QVariant firstId = ids[0][0];
    const QByteArray first = firstId.toString().toLatin1();

    const QByteArray query =
        "/terminversand/deleteSMS.php?email=demo@velvox.example&kennwort=velvox&backcolor=ECE9D8";
    QString html = page(http.get(query));
    EXPECT_TRUE(html.contains(QStringLiteral("Erster Auftrag")));
    EXPECT_TRUE(html.contains(QStringLiteral("Zweiter &lt;Auftrag&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("30 08 * * *")));
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"loeschen\" value=\"") + QString::fromLatin1(first) +
                              QLatin1Char('"')));

    // Someone else's account cannot delete it; the owner can, once.
    ASSERT_EQ(
        http.get("/sms/createUser.php?name=A&vorname=B&firma=&email=c%40d.example&telefon=&fax=&strasse=S"
                 "&plz=1&ort=O&land=&gutschein=&referer=Velvox")
            .text(),
        QStringLiteral("0"));
    const QString other = service.outboxPassword(QStringLiteral("c@d.example"));
    page(http.post("/terminversand/deleteSMS.php",
                   "email=c@d.example&kennwort=" + other.toLatin1() + "&loeschen=" + first));
    EXPECT_EQ(
        service.scalar(QStringLiteral("SELECT deleted FROM scheduled_jobs WHERE id = ?"), {firstId}).toInt(),
        0);

    html = page(http.post("/terminversand/deleteSMS.php",
                          "email=demo@velvox.example&kennwort=velvox&backcolor=ECE9D8&loeschen=" + first));
    EXPECT_TRUE(html.contains(u8("wurde gelöscht")));
    EXPECT_FALSE(html.contains(QStringLiteral("Erster Auftrag")));
    EXPECT_TRUE(html.contains(QStringLiteral("Zweiter &lt;Auftrag&gt;")));
    EXPECT_EQ(
        service.scalar(QStringLiteral("SELECT deleted FROM scheduled_jobs WHERE id = ?"), {firstId}).toInt(),
        1);
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM scheduled_jobs WHERE deleted = 0")).toInt(),
              1);
}

TEST_F(ServicePages, PagesWithoutLogin) {
    const QString news = page(http.get("/news2.htm"));
    EXPECT_TRUE(news.contains(QStringLiteral("Willkommen bei Velvox")));
    EXPECT_TRUE(hrefs(news).contains(QStringLiteral("close://")));
    EXPECT_TRUE(page(http.get("/hilfe/")).contains(QStringLiteral("Hilfe")));
    EXPECT_TRUE(page(http.get("/sms_agb/sms_agb.htm")).contains(u8("Allgemeine Geschäftsbedingungen")));
    EXPECT_TRUE(page(http.get("/")).contains(QStringLiteral("/hilfe/")));
}

TEST_F(ServicePages, UserValuesAreEscapedOnEveryPage) {
    const QString evil = QStringLiteral("<script>alert('x')</script> & \"Co\"");
    const QString escaped =
        QStringLiteral("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;Co&quot;");
    SendForm f;
    f.recipient = QStringLiteral("00491709990001");
    f.name = evil;
    f.text = evil;
    f.privateBook = true;
    ASSERT_TRUE(http.post(kSendPath, f.body()).text().contains(u8(kAcceptedPhrase)));
    f.scheduled = true;
    f.term = QStringLiteral("2015-12-01 08:30:00");
    f.cron = QStringLiteral("0");
    f.end = QStringLiteral("0");
    ASSERT_TRUE(http.post(kCronPath, f.body()).text().contains(u8(kCreatedPhrase)));
    http.post("/sms/gruppenv2/gruppenv2.php",
              "email=demo@velvox.example&passwort=velvox&name=" + percentEncode(evil) +
                  "&eintraege=" + percentEncode(QStringLiteral("a;0049170;b;c;")));
    service.execute(QStringLiteral("INSERT INTO news (number, title, body) VALUES (2, ?, ?)"), {evil, evil});

    const QByteArray pages[] = {
        "/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=velvox",
        "/terminversand/deleteSMS.php?email=demo@velvox.example&kennwort=velvox",
        "/sms/gruppenv2/gruppenv2.php?email=demo@velvox.example&passwort=velvox",
        "/news2.htm",
    };
    for (const QByteArray& target : pages) {
        SCOPED_TRACE(target.toStdString());
        const QString html = page(http.get(target));
        EXPECT_FALSE(html.contains(QStringLiteral("<script>")));
        EXPECT_TRUE(html.contains(escaped.mid(0, 30))) << html.toStdString();
    }
    // In the contact link the name is escaped for the attribute, blanks as "%20".
    EXPECT_TRUE(page(http.get(pages[0]))
                    .contains(QStringLiteral("href=\"telefon://&lt;script&gt;alert(&#39;x&#39;)&lt;/"
                                             "script&gt;%20&amp;%20&quot;Co&quot;@")));

    // A "backcolor" that is not a colour does not reach the style.
    const QString shop = page(
        http.get("/sms/buyCredits.php?email=demo@velvox.example&passwort=velvox&backcolor=red%22%3E%3Cb"));
    EXPECT_FALSE(shop.contains(QStringLiteral("background-color")));
    EXPECT_FALSE(shop.contains(QStringLiteral("\"><b")));
}

} // namespace

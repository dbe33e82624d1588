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
    QString page(const HttpReply& r) {
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.contentType, "text/html; charset=windows-1252");
        return r.text();
    }
    QString phonebook() {
        return page(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=velvox"));
    }
    QString groupPage(const QString& name, const QString& lines) {
        return page(http.post("/sms/gruppenv2/gruppenv2.php",
                              "email=demo@velvox.example&passwort=velvox&name=" + percentEncode(name) +
                                  "&eintraege=" + percentEncode(lines)));
    }
    static QStringList links(const QString& html) {
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
    const QStringList found = links(phonebook());
    for (const char* link :
         {"telefon://Praxis%20Nord@00491701234567", "telefon://Anna%20Huber@0043664/123456",
          "telefon://Büro%20Berlin@0049301234567", "close://"})
        EXPECT_TRUE(found.contains(u8(link))) << link;
    EXPECT_TRUE(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=velvox")
                    .body.contains("telefon://B\xFCro%20Berlin@")); // "ü" as one Windows-1252 byte

    const QString refused =
        page(http.get("/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=x"));
    EXPECT_FALSE(refused.contains(QStringLiteral("telefon://")));
    EXPECT_TRUE(links(refused).contains(QStringLiteral("close://")));
}

TEST_F(ServicePages, GroupsRoundTripThroughTheMsmsLineFormat) {
    const QStringList seeded =
        links(page(http.get("/sms/gruppenv2/gruppenv2.php?email=demo@velvox.example&passwort=velvox")));
    EXPECT_TRUE(seeded.contains(QStringLiteral("http://gruppe//team-sued.txt")));
    EXPECT_TRUE(seeded.contains(QStringLiteral("close://")));
    // The client replaces "http://gruppe//" with the WebGroupDir address.
    const HttpReply seededFile = http.get("/sms/gruppenv2/team-sued.txt");
    EXPECT_EQ(seededFile.contentType, "text/plain; charset=windows-1252");
    EXPECT_TRUE(seededFile.body.startsWith("J\xFCrgen M\xFCller;00491701111111;Fr\xFChschicht;Montag;\n"));
    EXPECT_EQ(http.get("/sms/gruppenv2/../kunden.txt").status, 404);

    // Lines as a ".msms" file holds them (CR LF): a line with fewer than four
    // fields reads with empty free texts, one of three characters is no entry.
    const QString html = groupPage(u8("Läufer"), u8("Jürgen;00491701234567;Frühdienst;5 €;\r\n"
                                                    "abc\r\n"
                                                    "C;0049170000;z\r\n"));
    QStringList files = links(html).filter(QStringLiteral("http://gruppe//"));
    files.removeAll(QStringLiteral("http://gruppe//team-sued.txt"));
    files.removeAll(QStringLiteral("http://gruppe//kunden.txt"));
    ASSERT_EQ(files.size(), 1) << html.toStdString();
    EXPECT_EQ(http.get("/sms/gruppenv2/" + files[0].mid(15).toLatin1()).body,
              CodePage::toWindows1252(u8("Jürgen;00491701234567;Frühdienst;5 €;\nC;0049170000;;;\n")));

    // A line that cannot be read creates no group.
    EXPECT_TRUE(
        groupPage(QStringLiteral("X"), QStringLiteral("abcd\n")).contains(QStringLiteral("class=\"error\"")));
    EXPECT_EQ(service.scalar(QStringLiteral("SELECT count(*) FROM web_groups")).toInt(), 3);
}

TEST_F(ServicePages, NamesAreEscapedOnThePages) {
    const QString evil = QStringLiteral("<script>alert('x')</script> & \"Co\"");
    const QString escaped =
        QStringLiteral("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;Co&quot;");
    SendForm f; // a send that enters the name into the private phone book
    f.name = evil;
    f.recipient = QStringLiteral("00491709990001");
    ASSERT_TRUE(http.post(kSendPath, f.body().replace("&private=false", "&private=true"))
                    .text()
                    .contains(u8(kAcceptedPhrase)));
    const QString groups = groupPage(evil, QStringLiteral("a;0049170;b;c;"));
    for (const QString& html : {phonebook(), groups}) {
        EXPECT_FALSE(html.contains(QStringLiteral("<script>")));
        EXPECT_TRUE(html.contains(escaped)) << html.toStdString();
    }
    // In the contact link the name is escaped for the attribute, blanks as "%20".
    EXPECT_TRUE(phonebook().contains(QStringLiteral(
        "href=\"telefon://&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;%20&amp;%20&quot;Co&quot;@")));
}

// The client splits a contact link at "@": a name holding one must not move
// the split into the name.
TEST_F(ServicePages, ContactLinksSplitAtTheirOnlyAt) {
    const std::pair<const char*, const char*> names[] = {
        {"info@firma.de", "telefon://info(at)firma.de@00491709990002"},
        {"@ @@", "telefon://(at)%20(at)(at)@00491709990003"},
    };
    for (const auto& [name, link] : names) {
        SendForm f;
        f.name = u8(name);
        f.recipient = QString::fromLatin1(link).section(u'@', -1);
        ASSERT_TRUE(http.post(kSendPath, f.body().replace("&private=false", "&private=true"))
                        .text()
                        .contains(u8(kAcceptedPhrase)));
    }
    const QString html = phonebook();
    const QStringList contacts = links(html).filter(QStringLiteral("telefon://"));
    for (const auto& [name, link] : names) {
        EXPECT_TRUE(contacts.contains(QString::fromLatin1(link))) << html.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral(">") + u8(name) + QStringLiteral("<"))); // shown as stored
    }
    for (const QString& c : contacts)
        EXPECT_EQ(c.count(u'@'), 1) << c.toStdString();
}

} // namespace

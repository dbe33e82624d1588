#include "messaging/GatewayReply.h"
#include "messaging/ServiceContract.h"

#include <gtest/gtest.h>

using namespace ServiceContract;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(GatewayReplyRules, SplitPiecesAndTheSuccessTest) {
    EXPECT_EQ(splitGatewayReply(s(" OK ;\n Die SMS \n; x \r\n;;tail\n")),
              (QStringList{s("OK"), s(" Die SMS "), s("x \r"), QString(), s("tail")}));
    EXPECT_EQ(splitGatewayReply(QString()), QStringList{QString()});

    const std::pair<const char*, bool> replies[] = {
        {"OK;Die SMS wurde erfolgreich an das Gateway\n übermittelt.;Rest", true},
        {"DIE SMS WURDE ERFOLGREICH AN DAS GATEWAY ÜBERMITTELT.", true},
        {"Der Terminauftrag Nr. 3 wurde angelegt.", true},
        {"wurde erfolgreich an das Gateway übermittelt", false}, // no full stop
        {"Fehler;Die Anmeldung ist fehlgeschlagen.", false},
    };
    for (const auto& [reply, accepted] : replies)
        EXPECT_EQ(isAcceptedReply(s(reply)), accepted) << reply;

    const GatewayReply::SingleOutcome o = GatewayReply::interpretSingleReply(
        s("OK;Die SMS wurde erfolgreich an das Gateway übermittelt.;;Rest: 90"));
    EXPECT_EQ(o.boxText,
              s("OK\r\nDie SMS wurde erfolgreich an das Gateway übermittelt.\r\n\r\nRest: 90\r\n"));
    EXPECT_EQ(o.acceptedPieces, 1);
    // The mass log gets one line per piece, in reply order; each goes on top.
    EXPECT_EQ(GatewayReply::massLogLines(s("OK;Teile: 2"), s("01.02.30 10:00")),
              QStringList({s("01.02.30 10:00 - OK\r\n"), s("01.02.30 10:00 - Teile: 2\r\n")}));
}

TEST(ServiceReplies, LogStampsCarrySeconds) {
    const QDateTime at(QDate(2026, 12, 8), QTime(9, 5, 7));
    EXPECT_EQ(GatewayReply::logStamp(at, QLocale(QLocale::German, QLocale::Germany)), s("08.12.26 09:05:07"));
    // Short time forms without seconds get them after the minutes, the rest stays.
    const QString us = GatewayReply::logStamp(at, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(us.startsWith(s("12/8/26 9:05:07"))) << us.toStdString();
    EXPECT_TRUE(us.endsWith(s("AM"))) << us.toStdString();
}

TEST(ServiceReplies, AccountVersionAndNewsNumbers) {
    const std::pair<const char*, bool> accounts[] = {
        {"0", true}, {" 0 ", true}, {"1", false}, {"0abc", false}};
    for (const auto& [reply, ok] : accounts)
        EXPECT_EQ(isAccountAccepted(s(reply)), ok) << reply;

    const std::pair<const char*, int> versions[] = {
        {"3.0.99", 3000099}, {"3.1.0", 3001000}, {"3.0.100.7", 3000100}, {"3.0.1000", 3001000}};
    for (const auto& [text, number] : versions) {
        const auto v = parseVersionReply(s(text));
        ASSERT_TRUE(v) << text;
        EXPECT_EQ(v->number(), number) << text;
    }
    for (const char* broken : {"4.0", "3.x.1", "3..1", "", "3.0.99999"})
        EXPECT_FALSE(parseVersionReply(s(broken))) << broken;

    EXPECT_EQ(parseNewsNumber(s(" -1 ")), qint16(-1));
    for (const char* broken : {"abc", "", "70000"})
        EXPECT_FALSE(parseNewsNumber(s(broken))) << broken;
    EXPECT_EQ(balanceUrl(s("x?email="), s("a+b#c@x.de")), s("x?email=a%2Bb%23c@x.de"));
}

TEST(ServiceLinks, TelefonGroupAndCloseLinks) {
    auto link = parseTelefonLink(s("telefon://Praxis%20Nord@00491701234567"));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->name, s("Praxis Nord"));
    EXPECT_EQ(link->number, s("00491701234567"));
    // Only "%20" is decoded; "/" separators are for the caller to remove.
    link = parseTelefonLink(s("telefon://Anna%2FHuber@0043664/123456"));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->name, s("Anna%2FHuber"));
    EXPECT_EQ(link->number, s("0043664/123456"));
    EXPECT_FALSE(parseTelefonLink(s("telefon://Praxis00491701234567")));

    const QString dir = s("https://h/sms/gruppenv2/");
    for (const char* group : {"http://gruppe://team.txt", "http://gruppe//team.txt"})
        EXPECT_EQ(groupFileFromLink(s(group), dir), dir + s("team.txt")) << group;
    EXPECT_FALSE(groupFileFromLink(s("gruppe://team.txt"), dir));
    EXPECT_FALSE(isGroupLink(s("http://Gruppe//team.txt")));
    EXPECT_TRUE(isCloseLink(s("http://close://")));
    EXPECT_FALSE(isCloseLink(s("http://example.de/close")));
}

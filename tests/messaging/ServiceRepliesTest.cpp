#include "messaging/GatewayReply.h"
#include "messaging/ServiceContract.h"

#include <gtest/gtest.h>

using namespace ServiceContract;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(GatewayReplyRules, SplitTrimsBlanksThenDropsLineFeeds) {
    const QStringList pieces = splitGatewayReply(s(" OK ;\n Die SMS \n; x \r\n;;tail\n"));
    const QStringList expected = {s("OK"), s(" Die SMS "), s("x \r"), QString(), s("tail")};
    EXPECT_EQ(pieces, expected);
    EXPECT_EQ(splitGatewayReply(QString()), QStringList{QString()});
}

TEST(GatewayReplyRules, EitherPhraseIgnoringCaseMeansAccepted) {
    EXPECT_TRUE(
        isAcceptedPiece(s("Die SMS an 00491701234567 wurde erfolgreich an das Gateway übermittelt.")));
    EXPECT_TRUE(isAcceptedPiece(s("DIE SMS WURDE ERFOLGREICH AN DAS GATEWAY ÜBERMITTELT.")));
    EXPECT_TRUE(isAcceptedPiece(s("Der Terminauftrag Nr. 3 wurde angelegt.")));
    EXPECT_FALSE(isAcceptedPiece(s("wurde erfolgreich an das Gateway übermittelt"))); // no full stop
    EXPECT_FALSE(isAcceptedPiece(s("Fehler")));
    EXPECT_TRUE(isAcceptedReply(s("OK;Die SMS wurde erfolgreich an das Gateway\n übermittelt.;Rest")));
    EXPECT_FALSE(isAcceptedReply(s("Fehler;Die Anmeldung ist fehlgeschlagen.")));
}

TEST(GatewayReplyRules, SingleReplyBoxAndMassLog) {
    const QString reply =
        s("OK;Die SMS wurde erfolgreich an das Gateway übermittelt.;;Restguthaben: 90 Credits");
    const GatewayReply::SingleOutcome o = GatewayReply::interpretSingleReply(reply);
    EXPECT_EQ(o.boxText,
              s("OK\r\nDie SMS wurde erfolgreich an das Gateway übermittelt.\r\n\r\nRestguthaben: 90 "
                "Credits\r\n"));
    EXPECT_EQ(o.acceptedPieces, 1);
    EXPECT_EQ(GatewayReply::interpretSingleReply(s("Fehler;Kennwort falsch")).acceptedPieces, 0);

    const QStringList lines = GatewayReply::massLogLines(s("OK;Teile: 2"), s("01.02.30 10:00"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(0), s("01.02.30 10:00 - OK\r\n"));
    // Newest first: the later piece of a reply ends up on top.
    EXPECT_EQ(GatewayReply::prependToLog(s("old\r\n"), lines),
              s("01.02.30 10:00 - Teile: 2\r\n01.02.30 10:00 - OK\r\nold\r\n"));
}

TEST(ServiceReplies, Balance) {
    BalanceReply r = parseBalanceReply(s(" 1234 "));
    EXPECT_EQ(r.kind, BalanceReply::Kind::Balance);
    EXPECT_EQ(r.balance, 1234);
    EXPECT_EQ(parseBalanceReply(s("500\r\n")).balance, 500);
    EXPECT_EQ(parseBalanceReply(s(" -1 ")).kind, BalanceReply::Kind::NotLoggedIn);
    for (const char* bad : {"", "Fehler", "12.5", "1 234", "99999999999"}) {
        r = parseBalanceReply(s(bad));
        EXPECT_EQ(r.kind, BalanceReply::Kind::Invalid) << bad;
        EXPECT_EQ(r.balance, -1) << bad;
    }
    EXPECT_EQ(balanceUrl(s("https://h/sms/count.php?email="), s("demo@velvox.example")),
              s("https://h/sms/count.php?email=demo@velvox.example"));
    EXPECT_EQ(balanceUrl(s("x?email="), s("a+b#c@x.de")), s("x?email=a%2Bb%23c@x.de"));
}

TEST(ServiceReplies, AccountReplyZeroIsSuccess) {
    EXPECT_TRUE(isAccountAccepted(s("0")));
    EXPECT_TRUE(isAccountAccepted(s(" 0 ")));
    for (const char* refusal : {"1", "-1", "", "abc", "0abc"})
        EXPECT_FALSE(isAccountAccepted(s(refusal))) << refusal;
}

TEST(ServiceReplies, Version) {
    auto v = parseVersionReply(s("3.0.99"));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->number(), 3000099);
    EXPECT_EQ(parseVersionReply(s("3.1.0"))->number(), 3001000);
    EXPECT_EQ(parseVersionReply(s("3.0.100.7"))->number(), 3000100);
    // A revision of 1000 reaches into the minor number's range.
    EXPECT_EQ(parseVersionReply(s("3.0.1000"))->number(), parseVersionReply(s("3.1.0"))->number());
    for (const char* broken : {"4.0", "3.x.1", "3..1", "", "3.0.99999"})
        EXPECT_FALSE(parseVersionReply(s(broken))) << broken;
    EXPECT_TRUE(isNoConnectionReply(QString()));
    EXPECT_FALSE(isNoConnectionReply(s("4.0")));
}

TEST(ServiceReplies, NewsNumber) {
    EXPECT_EQ(parseNewsNumber(s("5")), qint16(5));
    EXPECT_EQ(parseNewsNumber(s(" -1 ")), qint16(-1));
    EXPECT_FALSE(parseNewsNumber(s("abc")));
    EXPECT_FALSE(parseNewsNumber(QString()));
    EXPECT_FALSE(parseNewsNumber(s("70000")));
}

TEST(ServiceLinks, TelefonLink) {
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
    EXPECT_FALSE(parseTelefonLink(s("http://example.de/a@b")));
    EXPECT_TRUE(isTelefonLink(s("x telefon://")));
}

TEST(ServiceLinks, GroupAndCloseLinks) {
    const QString dir = s("https://h/sms/gruppenv2/");
    for (const char* link : {"http://gruppe://team.txt", "http://gruppe//team.txt"}) {
        EXPECT_TRUE(isGroupLink(s(link)));
        EXPECT_EQ(groupFileFromLink(s(link), dir), dir + s("team.txt"));
    }
    EXPECT_TRUE(isGroupLink(s("gruppe://team.txt")));
    EXPECT_FALSE(groupFileFromLink(s("gruppe://team.txt"), dir));
    EXPECT_FALSE(isGroupLink(s("http://Gruppe//team.txt")));
    EXPECT_TRUE(isCloseLink(s("http://close://")));
    EXPECT_FALSE(isCloseLink(s("http://example.de/close")));
}

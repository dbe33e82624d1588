#include "messaging/CreditBalance.h"

#include <gtest/gtest.h>

#include <limits>

using namespace CreditBalance;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(CreditBalance, BalanceReplies) {
    Display d = interpretBalanceReply(s(" 1234 "), true);
    EXPECT_EQ(d.labelText, s("1234 Credits"));
    EXPECT_EQ(d.balance, 1234);
    EXPECT_EQ(d.enabled, Enabled::On);
    EXPECT_FALSE(d.low);

    d = interpretBalanceReply(s("500"), true);
    EXPECT_EQ(d.labelText, s("500 Credits"));
    EXPECT_TRUE(d.low);
    EXPECT_FALSE(interpretBalanceReply(s("501"), true).low);
    EXPECT_TRUE(interpretBalanceReply(s("0"), true).low);

    d = interpretBalanceReply(s("-1"), true);
    EXPECT_EQ(d.labelText, s("nicht angemeldet"));
    EXPECT_EQ(d.balance, -1);
    EXPECT_EQ(d.enabled, Enabled::Off);
    EXPECT_FALSE(d.low);
}

TEST(CreditBalance, FailuresReadAsNoInternetAndKeepTheLabelState) {
    for (const Display& d : {interpretBalanceReply(s("Fehler"), true), interpretBalanceReply(QString(), true),
                             interpretBalanceReply(s("1234"), false)}) {
        EXPECT_EQ(d.labelText, s("kein Internet"));
        EXPECT_EQ(d.balance, -1);
        EXPECT_EQ(d.enabled, Enabled::Keep);
        EXPECT_FALSE(d.low);
    }
}

TEST(CreditBalance, CreditCheck) {
    EXPECT_EQ(creditsPerSms(false, false), 10);
    EXPECT_EQ(creditsPerSms(true, false), 14);
    EXPECT_EQ(creditsPerSms(false, true), 11);
    EXPECT_EQ(creditsPerSms(true, true), 15);

    EXPECT_FALSE(creditsSuffice(25, 3, 10));
    EXPECT_TRUE(creditsSuffice(30, 3, 10));
    EXPECT_FALSE(creditsSuffice(0, 1, 10));
    // Unknown never blocks.
    EXPECT_TRUE(creditsSuffice(-1, 1000, 15));
    // Large mass sends do not wrap around.
    EXPECT_FALSE(creditsSuffice(std::numeric_limits<qint32>::max(), 300000000, 10));

    EXPECT_EQ(
        notEnoughForMessageText(),
        s("Sie verfügen nicht mehr über ein ausreichendes Guthaben um diese Nachricht zu verschicken."));
    EXPECT_EQ(
        notEnoughForAllText(),
        s("Sie verfügen nicht mehr über ein ausreichendes Guthaben um alle Nachrichten zu verschicken."));
}

TEST(CreditBalance, EveryEleventhTickFetches) {
    qint16 counter = 0;
    for (int tick = 1; tick <= 10; ++tick)
        EXPECT_FALSE(tickFetches(counter)) << tick;
    EXPECT_TRUE(tickFetches(counter));
    EXPECT_EQ(counter, 0);
    int fetches = 0;
    for (int tick = 12; tick <= 33; ++tick)
        fetches += tickFetches(counter) ? 1 : 0;
    EXPECT_EQ(fetches, 2); // ticks 22 and 33
}

#include "messaging/CreditBalance.h"

#include <QList>

#include <gtest/gtest.h>

#include <limits>

using namespace CreditBalance;

TEST(CreditBalance, BalanceReplies) {
    struct Case {
        const char* reply;
        bool transferOk;
        const char* label;
        qint32 balance;
        Enabled enabled;
        bool low;
    };
    const Case cases[] = {
        {" 1234 ", true, "1234 Credits", 1234, Enabled::On, false},
        {"500", true, "500 Credits", 500, Enabled::On, true},
        {"501", true, "501 Credits", 501, Enabled::On, false},
        {"-1", true, "nicht angemeldet", -1, Enabled::Off, false},
        {"Fehler", true, "kein Internet", -1, Enabled::Keep, false},
        {"", true, "kein Internet", -1, Enabled::Keep, false},
        {"1234", false, "kein Internet", -1, Enabled::Keep, false}, // the transfer failed
    };
    for (const Case& c : cases) {
        const Display d = interpretBalanceReply(QString::fromLatin1(c.reply), c.transferOk);
        EXPECT_EQ(d.labelText, QString::fromLatin1(c.label)) << c.reply;
        EXPECT_EQ(d.balance, c.balance) << c.reply;
        EXPECT_EQ(d.enabled, c.enabled) << c.reply;
        EXPECT_EQ(d.low, c.low) << c.reply;
    }
}

TEST(CreditBalance, CreditCheck) {
    EXPECT_EQ(creditsPerSms(true, true), 15);
    EXPECT_FALSE(creditsSuffice(25, 3, 10));
    EXPECT_TRUE(creditsSuffice(30, 3, 10));
    EXPECT_TRUE(creditsSuffice(-1, 1000, 15)); // unknown never blocks
    // Large mass sends do not wrap around.
    EXPECT_FALSE(creditsSuffice(std::numeric_limits<qint32>::max(), 300000000, 10));
}

TEST(CreditBalance, MassShareAndShortfall) {
    // The list's total shared out over the entries that are sent.
    EXPECT_EQ(massSmsFor(30, 3, 3), 30);
    EXPECT_EQ(massSmsFor(30, 2, 3), 20);
    EXPECT_EQ(massSmsFor(7, 1, 2), 3); // whole SMS, rounded down as the window does
    EXPECT_EQ(massSmsFor(30, 0, 3), 0);
    EXPECT_EQ(massSmsFor(30, 0, 0), 0); // an empty list costs nothing and divides by nothing
    EXPECT_EQ(massSmsFor(2000000000, 200000, 200000), 2000000000);
    EXPECT_EQ(shortfallText(30, 25), QStringLiteral("Guthaben reicht nicht: 30 Credits nötig, 25 vorhanden"));
    EXPECT_EQ(shortfallText(3000000000LL, 0), QStringLiteral("Guthaben reicht nicht: 3000000000 Credits nötig, 0 vorhanden"));
}

TEST(CreditBalance, EveryEleventhTickFetches) {
    qint16 counter = 0;
    QList<int> fetching;
    for (int tick = 1; tick <= 33; ++tick)
        if (tickFetches(counter))
            fetching << tick;
    EXPECT_EQ(fetching, (QList<int>{11, 22, 33}));
    EXPECT_EQ(counter, 0);
}

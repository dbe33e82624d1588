#include "messaging/MessageText.h"

#include <gtest/gtest.h>

using namespace MessageText;

namespace {

const QChar kEuro(0x20AC);

QString rep(QChar c, int n) {
    return QString(n, c);
}

SizeResult single(const QString& text, bool longSms = false) {
    SizeInput in;
    in.text = text;
    in.longSms = longSms;
    return recalcSmsSize(in);
}

SizeResult mass(const QString& text, int maxName, int maxFrei1, int maxFrei2, int entries,
                bool longSms = false) {
    SizeInput in;
    in.text = text;
    in.longSms = longSms;
    in.massMode = true;
    in.maxName = maxName;
    in.maxFrei1 = maxFrei1;
    in.maxFrei2 = maxFrei2;
    in.entries = entries;
    return recalcSmsSize(in);
}

} // namespace

TEST(MessageText, EuroAndDoubleQuoteCountTwice) {
    EXPECT_EQ(calcSmsSize(QString()), 0);
    EXPECT_EQ(calcSmsSize(QStringLiteral("abc")), 3);
    EXPECT_EQ(countDoubleChars(QStringLiteral("5 \u20AC \"x\" 'y'")), 3);
    EXPECT_EQ(calcSmsSize(QStringLiteral("5 \u20AC \"x\" 'y'")), 14);
    // Other doubled-looking characters count once.
    EXPECT_EQ(calcSmsSize(QStringLiteral("\u201E\u201C\u00A3")), 3);
}

TEST(MessageText, SingleSmsCounts) {
    struct Case {
        int chars;
        bool longSms;
        int sms;
    };
    for (const Case c : {Case{0, false, 1}, Case{160, false, 1}, Case{161, false, 2}, Case{320, false, 2},
                         Case{321, false, 3}, Case{160, true, 1}, Case{161, true, 2}, Case{306, true, 2},
                         Case{307, true, 3}, Case{1500, false, 10}, Case{1500, true, 10}}) {
        const SizeResult r = single(rep(QLatin1Char('a'), c.chars), c.longSms);
        EXPECT_EQ(r.size, c.chars);
        EXPECT_EQ(r.smsCount, c.sms) << c.chars << (c.longSms ? " long" : "");
    }
    SizeResult r = single(rep(kEuro, 80));
    EXPECT_EQ(r.size, 160);
    EXPECT_EQ(r.smsCount, 1);
    r = single(rep(kEuro, 81));
    EXPECT_EQ(r.size, 162);
    EXPECT_EQ(r.smsCount, 2);
}

TEST(MessageText, LimitOf1500CountedCharacters) {
    SizeResult r = single(QString());
    EXPECT_FALSE(r.overLimit);
    EXPECT_TRUE(r.sendEnabled);

    r = single(rep(QLatin1Char('a'), 1500));
    EXPECT_FALSE(r.overLimit);
    EXPECT_TRUE(r.sendEnabled);
    r = single(rep(QLatin1Char('a'), 1501));
    EXPECT_TRUE(r.overLimit);
    EXPECT_FALSE(r.sendEnabled);
    // 751 "€" are within the field's 1500 characters but count 1502.
    r = single(rep(kEuro, 751));
    EXPECT_EQ(r.size, 1502);
    EXPECT_TRUE(r.overLimit);
    EXPECT_EQ(overLimitWarning(), QStringLiteral("Eine SMS darf maximal 1500 Zeichen groß sein!"));
}

TEST(MessageText, MassEstimateExpandsPlaceholdersToLongestValues) {
    SizeResult r = mass(QStringLiteral("Hallo %name%"), 20, 0, 0, 5);
    EXPECT_EQ(r.estimate, 26);
    EXPECT_EQ(r.perMessage, 1);
    EXPECT_EQ(r.massTotal, 5);

    // Each occurrence counts; matching is exact and case-sensitive.
    r = mass(QStringLiteral("%name% %name% %frei1% %frei2% %Name%"), 10, 3, 0, 2);
    EXPECT_EQ(r.estimate, 36 - 12 + 20 - 7 + 3 - 7 + 0);
    EXPECT_EQ(r.massTotal, 2);

    // An empty text still makes one SMS per recipient.
    r = mass(QString(), 0, 0, 0, 7);
    EXPECT_EQ(r.estimate, 0);
    EXPECT_EQ(r.perMessage, 1);
    EXPECT_EQ(r.massTotal, 7);

    // 150 characters + a 40-character name: 190 counted, 2 per recipient
    // (2 also with long SMS: 153 per part).
    const QString text = rep(QLatin1Char('a'), 150) + QStringLiteral("%name%");
    r = mass(text, 40, 0, 0, 3);
    EXPECT_EQ(r.estimate, 190);
    EXPECT_EQ(r.perMessage, 2);
    EXPECT_EQ(r.massTotal, 6);
    EXPECT_EQ(mass(rep(QLatin1Char('a'), 307), 0, 0, 0, 1, true).perMessage, 3);
    EXPECT_EQ(mass(rep(QLatin1Char('a'), 307), 0, 0, 0, 1, false).perMessage, 2);
}

TEST(MessageText, LimitIsJudgedBeforePlaceholdersExpand) {
    const QString text = rep(QLatin1Char('a'), 1490) + QStringLiteral("%name%");
    const SizeResult r = mass(text, 100, 0, 0, 1);
    EXPECT_EQ(r.size, 1496);
    EXPECT_EQ(r.estimate, 1590);
    EXPECT_FALSE(r.overLimit);
}

TEST(MessageText, PlaceholdersFilledInOrderAndExactly) {
    EXPECT_EQ(fillPlaceholders(QStringLiteral("Hallo %name%, %frei1%/%frei2% %Name% %name%"),
                               QStringLiteral("Anna"), QStringLiteral("1"), QStringLiteral("2")),
              QStringLiteral("Hallo Anna, 1/2 %Name% Anna"));
    // Values go in as they are, quotes included.
    EXPECT_EQ(fillPlaceholders(QStringLiteral("%name%"), QStringLiteral("O'Neil \"Jo\""), {}, {}),
              QStringLiteral("O'Neil \"Jo\""));
    EXPECT_EQ(nameInsert(), QStringLiteral("%name% "));
    EXPECT_EQ(frei1Insert(), QStringLiteral("%frei1% "));
    EXPECT_EQ(frei2Insert(), QStringLiteral("%frei2% "));
}

TEST(MessageText, FiveCharactersAreDiscardedWhenTyped) {
    for (const char16_t c : {u'\'', u'"', u'`', u'\u00B4', u'\\'})
        EXPECT_TRUE(isDiscardedTypedChar(QChar(c))) << int(c);
    for (const char16_t c : {u'a', u'1', u' ', u'\u20AC', u'\u00E4', u'\u2019', u'\u201E', u'%', u'/'})
        EXPECT_FALSE(isDiscardedTypedChar(QChar(c))) << int(c);
}

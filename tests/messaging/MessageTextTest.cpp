#include "messaging/MessageText.h"

#include <gtest/gtest.h>

using namespace MessageText;

namespace {

const QChar kEuro(0x20AC);

SizeResult measure(const QString& text, bool longSms, bool mass = false, int maxName = 0, int entries = 0) {
    return recalcSmsSize({text, longSms, mass, maxName, 0, 0, entries});
}

} // namespace

TEST(MessageText, CountsSmsAndJudgesTheLimitOf1500) {
    const QChar a = QLatin1Char('a'), q = QLatin1Char('"');
    // {characters, of which, long SMS, counted, SMS, over the limit}; the last:
    // 751 "€" fit the field's 1500 characters but count 1502.
    const std::tuple<int, QChar, bool, int, int, bool> cases[] = {
        {0, a, false, 0, 1, false},        {160, a, false, 160, 1, false},
        {161, a, false, 161, 2, false},    {321, a, false, 321, 3, false},
        {306, a, true, 306, 2, false},     {307, a, true, 307, 3, false},
        {80, kEuro, false, 160, 1, false}, {81, kEuro, false, 162, 2, false},
        {80, q, false, 160, 1, false},     {1500, a, false, 1500, 10, false},
        {1501, a, false, 1501, 10, true},  {751, kEuro, false, 1502, 10, true}};
    for (const auto& [n, c, longSms, size, sms, over] : cases) {
        SCOPED_TRACE(testing::Message() << n << " x U+" << int(c.unicode()) << (longSms ? " long" : ""));
        const SizeResult r = measure(QString(n, c), longSms);
        EXPECT_EQ(r.size, size);
        EXPECT_EQ(r.smsCount, sms);
        EXPECT_EQ(r.overLimit, over);
        EXPECT_EQ(r.sendEnabled, !over);
    }
}

TEST(MessageText, MassEstimateExpandsPlaceholdersToLongestValues) {
    SizeResult r = measure(QStringLiteral("Hallo %name%"), false, true, 20, 5);
    EXPECT_EQ(r.estimate, 26);
    EXPECT_EQ(r.perMessage, 1);
    EXPECT_EQ(r.massTotal, 5);

    // 150 characters + a 40-character name: 190 counted, 2 per recipient.
    r = measure(QString(150, QLatin1Char('a')) + QStringLiteral("%name% %Name%"), false, true, 40, 3);
    EXPECT_EQ(r.estimate, 197); // matching is case-sensitive
    EXPECT_EQ(r.massTotal, 6);

    // The limit is judged before the placeholders expand.
    r = measure(QString(1490, QLatin1Char('a')) + QStringLiteral("%name%"), false, true, 100, 1);
    EXPECT_EQ(r.estimate, 1590);
    EXPECT_FALSE(r.overLimit);

    EXPECT_EQ(fillPlaceholders(QStringLiteral("Hallo %name%, %frei1%/%frei2% %Name% %name%"),
                               QStringLiteral("O'Neil"), QStringLiteral("1"), QStringLiteral("2")),
              QStringLiteral("Hallo O'Neil, 1/2 %Name% O'Neil"));
}

TEST(MessageText, FiveCharactersAreDiscardedWhenTyped) {
    const QString discarded = QStringLiteral("'\"`\u00B4\\");
    for (const QChar c : QString(discarded + QStringLiteral("a\u20AC\u00E4\u2019%")))
        EXPECT_EQ(isDiscardedTypedChar(c), discarded.contains(c)) << int(c.unicode());
}

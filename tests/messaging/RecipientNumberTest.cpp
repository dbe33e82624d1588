#include "Utf8.h"

#include "messaging/RecipientNumber.h"

#include <gtest/gtest.h>

using namespace RecipientNumber;

TEST(RecipientNumber, ResolvesPrefixAndTypedNumberToInternationalForm) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"G170", "1234567", "00491701234567"},
        {"G1520", "1234567", "004915201234567"},
        {"S79", "1234567", "0041791234567"},
        {"G170", "01234567", "004917001234567"},   // a typed leading zero stays
        {"W", "0044 7911-0000", "0044 7911-0000"}, // worldwide: as typed
    };
    for (const auto& [key, typed, number] : cases)
        EXPECT_EQ(resolveRecipient(s(key), s(typed)), s(number)) << key;
    EXPECT_FALSE(resolveRecipient(s("V170"), s("1234567")));
    EXPECT_FALSE(resolveRecipient(QString(), s("1234567")));
}

TEST(RecipientNumber, NumberFieldCheck) {
    const QString digits = s("Die Rufnummer darf nur aus Ziffern bestehen.");
    const QString zeros = s("Die Nummer muss mit der internationalen Vorwahl '00' beginnen.");
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"W", "0044-7911", digits}, {"W", "004479110000", QString()},
        {"W", "4", QString()},                           // one character is not yet judged for "00"
        {"W", "44", zeros},         {"W", "4a", digits}, // both rules: the digits text wins
        {"G170", "44", QString()},  {"", "44", QString()},
        {"G170", "", digits},
    };
    for (const auto& [key, text, warning] : cases) {
        const Check c = checkNumberField(s(key), s(text));
        EXPECT_EQ(c.warning, warning) << key << " " << text;
        EXPECT_EQ(c.marked, !warning.isEmpty()) << key << " " << text;
    }
}

TEST(RecipientNumber, CostPerSms) {
    const std::tuple<const char*, const char*, bool, bool, bool, int> cases[] = {
        {"W", "00491701234567", false, false, false, 19}, {"W", "00491701234567", true, true, true, 19},
        {"G170", "1234567", false, false, false, 10},     {"G170", "1234567", true, true, true, 16},
        {"G170", "1234567", true, false, false, 14},      {"W", "00447911", false, false, false, 10},
        {"G170", "0049", false, false, false, 10}};
    for (const auto& [key, number, sender, reply, status, cost] : cases)
        EXPECT_EQ(costPerSms(s(key), s(number), sender, reply, status), cost)
            << key << " " << number << " " << sender << reply << status;
}

TEST(RecipientNumber, RecentTagSelectsPrefixAndNumber) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"G170-1234567", "G170", "1234567"},
        {"V170-1234567", "G170", "1234567"}, // the old letter "V" is German
        {"W-00447911", "W", "00447911"},
    };
    for (const auto& [tag, key, number] : cases) {
        const auto t = splitRecentTag(s(tag));
        ASSERT_TRUE(t) << tag;
        EXPECT_EQ(t->key, s(key));
        EXPECT_EQ(t->number, s(number));
    }
    for (const char* nothing : {"G1701234567", "G999-1234567", ""})
        EXPECT_FALSE(splitRecentTag(s(nothing))) << nothing;
}

TEST(RecipientNumber, NumberForSendTreatsNumbersWithoutZeroZeroAsGerman) {
    const std::pair<const char*, const char*> cases[] = {
        {"01701234567", "00491701234567"},   {"00436641234567", "00436641234567"},
        {"1700000001", "0049700000001"},     {"0", "0049"},
        {"+491701234567", "00491701234567"}, {"", "0049"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(RecipientNumber::numberForSend(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

#include "messaging/RecipientNumber.h"
#include "messaging/PrefixCatalogue.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace RecipientNumber;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(PrefixCatalogue, EntriesInSelectorOrderWithMatchingTextsAndFlags) {
    const auto& list = PrefixCatalogue::entries();
    ASSERT_EQ(list.size(), 32);
    EXPECT_EQ(list.first().key, s("G150"));
    EXPECT_EQ(list.at(3).key, s("G1520"));
    EXPECT_EQ(list.at(3).text, s("01520"));
    // "0177" stands before "0176".
    EXPECT_EQ(list.at(15).text, s("0175"));
    EXPECT_EQ(list.at(16).text, s("0177"));
    EXPECT_EQ(list.at(17).text, s("0176"));
    EXPECT_EQ(list.at(20).key, s("A650"));
    EXPECT_EQ(list.at(28).key, s("S76"));
    EXPECT_EQ(list.last().key, s("W"));
    EXPECT_EQ(list.last().text, s("Weltweit"));
    EXPECT_EQ(list.last().picture, s("world"));

    QSet<QString> keys;
    for (const auto& e : list) {
        keys.insert(e.key);
        if (e.key == QLatin1String("W"))
            continue;
        // The shown prefix is the key's digits with the leading zero.
        EXPECT_EQ(e.text, QLatin1Char('0') + e.key.mid(1)) << e.key.toStdString();
        const QChar letter = e.key.front();
        const QString flag = letter == QLatin1Char('G')   ? s("germany")
                             : letter == QLatin1Char('A') ? s("austria")
                                                          : s("switzerland");
        EXPECT_EQ(e.picture, flag) << e.key.toStdString();
    }
    EXPECT_EQ(keys.size(), 32);
    EXPECT_TRUE(PrefixCatalogue::contains(s("G177")));
    EXPECT_FALSE(PrefixCatalogue::contains(s("g177")));
    EXPECT_FALSE(PrefixCatalogue::find(s("G999")).has_value());
}

TEST(RecipientNumber, ResolvesPrefixAndTypedNumberToInternationalForm) {
    EXPECT_EQ(resolveRecipient(s("G170"), s("1234567")), s("00491701234567"));
    EXPECT_EQ(resolveRecipient(s("G1520"), s("1234567")), s("004915201234567"));
    EXPECT_EQ(resolveRecipient(s("A664"), s("1234567")), s("00436641234567"));
    EXPECT_EQ(resolveRecipient(s("S79"), s("1234567")), s("0041791234567"));
    // Worldwide: typed in full and used unchanged, separators included.
    EXPECT_EQ(resolveRecipient(s("W"), s("0044 7911-0000")), s("0044 7911-0000"));
    // A typed leading zero stays in the number.
    EXPECT_EQ(resolveRecipient(s("G170"), s("01234567")), s("004917001234567"));
}

TEST(RecipientNumber, UnknownKeyLetterSendsNothing) {
    EXPECT_FALSE(resolveRecipient(s("V170"), s("1234567")).has_value());
    EXPECT_FALSE(resolveRecipient(QString(), s("1234567")).has_value());
    EXPECT_EQ(unknownPrefixText(), s("Unbekannte Vorwahl. Die SMS kann nicht gesendet werden."));
}

TEST(RecipientNumber, NumericTest) {
    for (const char* yes : {"1234567", " 1234567 ", "+49170", "004479110000", "1e5"})
        EXPECT_TRUE(isNumeric(s(yes))) << yes;
    for (const char* no : {"", "   ", "0170-123", "0044-7911", "abc", "12a", "12 34", "inf", "nan", "0x10"})
        EXPECT_FALSE(isNumeric(s(no))) << no;
}

TEST(RecipientNumber, NumberFieldCheck) {
    const QString w = s("W");
    // Worldwide with a separator: the digits rule.
    Check c = checkNumberField(w, s("0044-7911"));
    EXPECT_TRUE(c.marked);
    EXPECT_EQ(c.warning, s("Die Rufnummer darf nur aus Ziffern bestehen."));
    c = checkNumberField(w, s("004479110000"));
    EXPECT_FALSE(c.marked);
    EXPECT_TRUE(c.warning.isEmpty());
    // One character is not yet judged for "00"; two are.
    EXPECT_FALSE(checkNumberField(w, s("4")).marked);
    c = checkNumberField(w, s("44"));
    EXPECT_TRUE(c.marked);
    EXPECT_EQ(c.warning, s("Die Nummer muss mit der internationalen Vorwahl '00' beginnen."));
    // Both rules: the digits text replaces the "00" text.
    EXPECT_EQ(checkNumberField(w, s("4a")).warning, digitsOnlyText());
    // The "00" rule belongs to the worldwide entry only.
    EXPECT_FALSE(checkNumberField(s("G170"), s("44")).marked);
    EXPECT_FALSE(checkNumberField(QString(), s("44")).marked);
    // An emptied field is marked.
    c = checkNumberField(s("G170"), QString());
    EXPECT_TRUE(c.marked);
    EXPECT_EQ(c.warning, digitsOnlyText());
}

TEST(RecipientNumber, CostPerSms) {
    EXPECT_EQ(costPerSms(s("W"), s("00491701234567"), false, false, false), 19);
    EXPECT_EQ(costPerSms(s("G170"), s("1234567"), false, false, false), 10);
    EXPECT_EQ(costPerSms(s("G170"), s("1234567"), true, true, true), 16);
    EXPECT_EQ(costPerSms(s("G170"), s("1234567"), true, false, false), 14);
    EXPECT_EQ(costPerSms(s("G170"), s("1234567"), false, true, true), 12);
    // The worldwide "0049" rule overrides every option.
    EXPECT_EQ(costPerSms(s("W"), s("00491701234567"), true, true, true), 19);
    EXPECT_EQ(costPerSms(s("W"), s("00447911"), false, false, false), 10);
    // Not worldwide: a typed "0049" costs as usual.
    EXPECT_EQ(costPerSms(s("G170"), s("0049"), false, false, false), 10);
    EXPECT_EQ(costPerSms(QString(), s("0049"), false, false, false), 10);
}

TEST(RecipientNumber, RecentTagSelectsPrefixAndNumber) {
    auto t = splitRecentTag(s("G170-1234567"));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->key, s("G170"));
    EXPECT_EQ(t->number, s("1234567"));
    // The old letter "V" selects the German entry.
    t = splitRecentTag(s("V170-1234567"));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->key, s("G170"));
    EXPECT_EQ(t->number, s("1234567"));
    t = splitRecentTag(s("W-00447911"));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->key, s("W"));
    EXPECT_EQ(t->number, s("00447911"));
    // No "-", or a key not in the catalogue: nothing to select.
    EXPECT_FALSE(splitRecentTag(s("G1701234567")));
    EXPECT_FALSE(splitRecentTag(s("G999-1234567")));
    EXPECT_FALSE(splitRecentTag(QString()));
}

TEST(RecipientNumber, PublicBoxCouplesPrivateBox) {
    const PrivateBox checked = privateBoxFor(true);
    EXPECT_TRUE(checked.greyed);
    EXPECT_FALSE(checked.enabled);
    const PrivateBox unchecked = privateBoxFor(false);
    EXPECT_FALSE(unchecked.greyed);
    EXPECT_TRUE(unchecked.enabled);
}

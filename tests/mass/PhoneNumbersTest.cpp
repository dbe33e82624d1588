#include "mass/PhoneNumbers.h"

#include <gtest/gtest.h>

using Kind = PhoneNumbers::Kind;

namespace {

struct NumberCase {
    const char* written;
    const char* number;
    Kind kind;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.written;
}

class Normalise : public ::testing::TestWithParam<NumberCase> {};

} // namespace

TEST_P(Normalise, GivesTheGatewayFormAndTheKind) {
    const NumberCase& c = GetParam();
    const PhoneNumbers::Result r = PhoneNumbers::normalize(QString::fromUtf8(c.written));
    EXPECT_EQ(r.number, QString::fromUtf8(c.number));
    EXPECT_EQ(r.kind, c.kind);
    // A stored number is classified as what it was written as.
    if (!r.number.isEmpty()) {
        EXPECT_EQ(PhoneNumbers::classify(r.number), c.kind);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Normalise,
                         ::testing::Values(
                             // German mobile numbers however they are written.
                             NumberCase{"+49 170 1234567", "00491701234567", Kind::Mobile},
                             NumberCase{"0170/1234567", "00491701234567", Kind::Mobile},
                             NumberCase{"(0170) 123 45 67", "00491701234567", Kind::Mobile},
                             NumberCase{"0049-170-1234567", "00491701234567", Kind::Mobile},
                             NumberCase{"0049 (0)170 1234567", "00491701234567", Kind::Mobile},
                             NumberCase{"00491701234567", "00491701234567", Kind::Mobile},
                             NumberCase{" 0176 12345678 ", "004917612345678", Kind::Mobile},
                             // Foreign mobile numbers.
                             NumberCase{"+43 664 123456", "0043664123456", Kind::Mobile},
                             NumberCase{"+41 79 123 45 67", "0041791234567", Kind::Mobile},
                             NumberCase{"+44 7911 123456", "00447911123456", Kind::Mobile},
                             NumberCase{"+48 512 345 678", "0048512345678", Kind::Mobile},
                             // Italy keeps the leading zero of its landlines after the country code.
                             NumberCase{"+39 06 1234 5678", "00390612345678", Kind::NotMobile},
                             // The US does not tell mobile from landline: it may take SMS.
                             NumberCase{"+1 650 253 0000", "0016502530000", Kind::Mobile},
                             // Landlines and service numbers are valid but take no SMS.
                             NumberCase{"030 1234567", "0049301234567", Kind::NotMobile},
                             NumberCase{"+44 20 7946 0958", "00442079460958", Kind::NotMobile},
                             NumberCase{"0800 1234567", "00498001234567", Kind::NotMobile},
                             NumberCase{"0180 5123456", "00491805123456", Kind::NotMobile},
                             // Short numbers and cut numbers keep their digits and are invalid.
                             NumberCase{"112", "112", Kind::Invalid},
                             NumberCase{"0151 1234567", "00491511234567", Kind::Invalid},
                             NumberCase{"+49 170", "0049170", Kind::Invalid},
                             NumberCase{"0049700000001", "0049700000001", Kind::Invalid},
                             // Nothing to dial.
                             NumberCase{"unbekannt", "", Kind::Invalid}, NumberCase{"", "", Kind::Invalid}));

TEST(PhoneNumbersRules, MarksSayWhatIsWrong) {
    EXPECT_TRUE(PhoneNumbers::problemText(Kind::Mobile).isEmpty());
    EXPECT_EQ(PhoneNumbers::problemText(Kind::Invalid), QStringLiteral("Keine gültige Rufnummer"));
    EXPECT_EQ(PhoneNumbers::problemText(Kind::NotMobile),
              QStringLiteral("Keine Mobilfunknummer (Festnetz- oder Sondernummer)"));
}

TEST(PhoneNumbersRules, SpellingsOfOneNumberShareTheirDuplicateKey) {
    const QString key = PhoneNumbers::duplicateKey(QStringLiteral("00491701234567"));
    for (const char* written : {"+49 170 1234567", "0170/1234567", "0049 170 1234567"})
        EXPECT_EQ(PhoneNumbers::duplicateKey(QString::fromLatin1(written)), key) << written;
    EXPECT_NE(PhoneNumbers::duplicateKey(QStringLiteral("0170 1234568")), key);
}

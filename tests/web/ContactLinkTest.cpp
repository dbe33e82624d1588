#include "web/ContactLink.h"
#include "web/ServicePages.h"

#include <gtest/gtest.h>

using namespace ContactLink;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(ContactLink, SplitsTheNumberByItsCountryPrefix) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"00491701234567", "G170", "1234567", "Deutschland"},
        {"0049152012/34567", "G1520", "1234567", "Deutschland"}, // before the general 0049 row
        {"004915212345678", "G152", "12345678", "Deutschland"},  // 0152 but not 01520
        {"0043664/123456", "A664", "123456", "Österreich"},
        {"0041791234567", "S79", "1234567", "die Schweiz"},
        {"0033612345678", "W", "0033612345678", ""},
        {"0033/6123/45678", "W", "0033612345678", ""},
        {"0049", "G", "", "Deutschland"}, // too short for a prefix
        {"", "W", "", ""},
    };
    for (const auto& [number, key, national, country] : cases) {
        const PrefixSplit p = splitNumber(s(number));
        EXPECT_EQ(p.key, s(key)) << number;
        EXPECT_EQ(p.national, s(national)) << number;
        EXPECT_EQ(p.countryWord, s(country)) << number;
    }
}

TEST(ContactLink, ResolvesALinkIntoTheRecipientFields) {
    struct Case {
        const char* target;
        Resolution::Outcome outcome;
        const char* name;
        const char* key;
        const char* number;
        const char* message;
    };
    const Case cases[] = {
        {"telefon://Praxis%20Nord@00491701234567", Resolution::Filled, "Praxis Nord", "G170", "1234567", ""},
        {"telefon://Anna%20Huber@0043664/123456", Resolution::Filled, "Anna Huber", "A664", "123456", ""},
        {"telefon://Jürgen%20Groß@0049152012/34567", Resolution::Filled, "Jürgen Groß", "G1520", "1234567",
         ""},
        {"telefon://Luca%20Meier@0041791234567", Resolution::Filled, "Luca Meier", "S79", "1234567", ""},
        {"telefon://Paris@0033612345678", Resolution::Filled, "Paris", "W", "0033612345678", ""},
        {"telefon://Anna@00491701234567@x", Resolution::Filled, "Anna", "G170", "1234567",
         ""}, // "@" ends the number
        // Only "%20" is decoded in the name.
        {"telefon://A%2BB%20C@00491701234567", Resolution::Filled, "A%2BB C", "G170", "1234567", ""},
        {"telefon://Büro%20Berlin@0049301/234567", Resolution::NotMobile, "Büro Berlin", "W", "0049301234567",
         "Dies ist keine Mobilfunkvorwahl für Deutschland."},
        {"telefon://Wien@0043101234567", Resolution::NotMobile, "Wien", "W", "0043101234567",
         "Dies ist keine Mobilfunkvorwahl für Österreich."},
        {"telefon://Bern@0041311234567", Resolution::NotMobile, "Bern", "W", "0041311234567",
         "Dies ist keine Mobilfunkvorwahl für die Schweiz."},
        {"telefon://Praxis%20Nord00491701234567", Resolution::Broken, "", "", "",
         "Es trat ein Fehler beim Auswerten der Telefonnummer auf."},
        {"telefon://", Resolution::Broken, "", "", "",
         "Es trat ein Fehler beim Auswerten der Telefonnummer auf."},
    };
    for (const Case& c : cases) {
        const Resolution r = resolve(s(c.target));
        EXPECT_EQ(r.outcome, c.outcome) << c.target;
        EXPECT_EQ(r.name, s(c.name)) << c.target;
        EXPECT_EQ(r.prefixKey, s(c.key)) << c.target;
        EXPECT_EQ(r.number, s(c.number)) << c.target;
        EXPECT_EQ(r.message, s(c.message)) << c.target;
    }
}

TEST(ServicePages, PhonebookAddressEscapesWhatCouldChangeItsQuery) {
    const QString base = s("https://h/telefonbuch/telefonbuch.php");
    EXPECT_EQ(ServicePages::phonebookAddress(base, s("demo@velvox.example"), s("velvox")),
              s("https://h/telefonbuch/telefonbuch.php?email=demo@velvox.example&passwort=velvox"));
    const QString tricky = ServicePages::phonebookAddress(base, s("a+b&c=d#e@x.de"), s("p&w+ d#ä"));
    EXPECT_EQ(
        tricky,
        s("https://h/telefonbuch/telefonbuch.php?email=a%2Bb%26c=d%23e@x.de&passwort=p%26w%2B%20d%23%E4"));
}

} // namespace

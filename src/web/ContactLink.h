#pragma once

#include <QString>

// Contact links of the phonebook page: "telefon://" + name + "@" + number,
// the name with "%20" for each blank, the number international and perhaps
// with "/" as a visual separator.
namespace ContactLink {

// A contact number split into the prefix entry it belongs to and the rest.
struct PrefixSplit {
    QString key;         // prefix key of the catalogue: "G170", "A664", "S79", "W"
    QString national;    // the number after the prefix (all of it for "W"), without "/"
    QString countryWord; // "Deutschland", "Österreich", "die Schweiz"; empty for "W"
};
PrefixSplit splitNumber(const QString& number);

bool isContactLink(const QString& target);
bool isCloseLink(const QString& target);

// What a clicked contact link does to the main window's recipient.
struct Resolution {
    enum Outcome {
        Filled,    // name, prefix and number taken; the phonebook closes
        NotMobile, // warning; worldwide entry with the whole number; the phonebook closes
        Broken,    // error; first prefix entry, empty number; the phonebook stays open
    };
    Outcome outcome = Broken;
    QString name;      // with blanks (Filled, NotMobile)
    QString prefixKey; // Filled, NotMobile ("W")
    QString number;    // number box text (empty for Broken)
    QString message;   // what the user is told (NotMobile, Broken)
};
Resolution resolve(const QString& target);

} // namespace ContactLink

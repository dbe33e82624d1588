#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Address-book cards (vCard 2.1, 3.0 and 4.0): the name and every phone
// number with its types. Folded lines, quoted-printable values (2.1) and
// escaped characters (3.0, 4.0) are undone.
namespace VcardImport {

struct Phone {
    QString number;
    QStringList types; // lower case: "cell", "work", "voice", …
};

struct Card {
    QString name;
    QList<Phone> phones;
};

// True when the text is a card file: it begins with "BEGIN:VCARD".
bool looksLikeVcard(QStringView text);

// Every card between "BEGIN:VCARD" and "END:VCARD". The name is FN, or
// given and family name from N when FN is missing or empty.
QList<Card> parse(const QString& text);

// The number a mass send should take: the first cell number, else the first
// that is not a fax or pager, else none (empty).
QString preferredNumber(const Card& card);

} // namespace VcardImport

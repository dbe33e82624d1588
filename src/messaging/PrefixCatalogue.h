#pragma once

#include <QList>
#include <QString>

#include <optional>

// The fixed catalogue of mobile network prefixes offered in cmbVorwahl. The
// key's first letter gives the country ("G" Germany, "A" Austria, "S"
// Switzerland, "W" worldwide); the rest is the prefix without its leading zero.
namespace PrefixCatalogue {

struct Entry {
    QString key;     // "G170"
    QString text;    // "0170", shown in the selector
    QString picture; // flag picture name: "germany", "austria", "switzerland", "world"
};

// The 32 entries in the order the selector lists them ("0177" stands before "0176").
const QList<Entry>& entries();

// The entry with that key (exact, case-sensitive), if any.
std::optional<Entry> find(const QString& key);
bool contains(const QString& key);

// "0049", "0043" or "0041" for the country letters "G", "A", "S"; empty for
// "W" and for anything else.
QString countryCode(QChar letter);

// The worldwide entry "W": the user types the complete international number.
bool isWorldwide(const QString& key);

} // namespace PrefixCatalogue

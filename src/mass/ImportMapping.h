#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Which column of an imported table fills which field of an entry. Columns
// count from 0; -1 means none. First and last name may both be set: they are
// joined with a blank into the name.
struct ImportMapping {
    int name = -1;
    int lastName = -1;
    int number = -1;
    int frei1 = -1;
    int frei2 = -1;
    // The first row holds column names, not a recipient.
    bool header = false;

    bool operator==(const ImportMapping&) const = default;

    QVariantMap toVariant() const;
    static ImportMapping fromVariant(const QVariantMap& map);
    // "name=0;last=1;number=3;frei1=-1;frei2=-1;header=1"
    QString toText() const;
    static ImportMapping fromText(const QString& text, bool* ok = nullptr);
    // Every column it names lies below the column count, and a number column is set.
    bool fits(int columns) const;
};

namespace ImportMappingRules {

// A guess from the first rows: column names such as "Name", "Vorname",
// "Nachname", "Mobil", "Handy", "Mobiltelefon", "Telefon", "Phone"; without
// them, the column whose values look like phone numbers. A mobile column
// wins over other phone columns; fax columns are never the number.
ImportMapping guess(const QList<QStringList>& firstRows);

// True when the text could be a phone number (enough digits, few letters).
bool looksLikeNumber(const QString& cell);

// The choice made for a header line before, if any; kept in the value store.
bool remembered(const QStringList& headerRow, ImportMapping* mapping);
void remember(const QStringList& headerRow, const ImportMapping& mapping);

} // namespace ImportMappingRules

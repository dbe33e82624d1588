#pragma once

#include "mass/CsvImport.h"
#include "mass/ImportMapping.h"
#include "mass/RecipientEntry.h"

#include <QList>
#include <QString>

// Recipients from a CSV or vCard file: reading and recognising the file,
// then turning its rows into entries with numbers normalised. Both steps
// take plain values and may run on a worker thread.
namespace RecipientImport {

// Limits that keep a huge or hostile file from taking the program down.
inline constexpr qint64 kMaxFileSize = qint64(64) * 1024 * 1024;
inline constexpr qsizetype kMaxEntries = 200'000;
// Longer than a whole message: a field like that cannot be meant.
inline constexpr qsizetype kMaxFieldLength = 1500;

// Why rows of a file were left out.
struct LeftOut {
    qsizetype withoutNumber = 0;
    qsizetype fieldTooLong = 0;
    qsizetype overLimit = 0;
    bool unclosedQuote = false;

    qsizetype total() const { return withoutNumber + fieldTooLong + overLimit + (unclosedQuote ? 1 : 0); }
};

struct Source {
    enum class Kind { Csv, Vcard };
    Kind kind = Kind::Csv;
    // CSV: the rows; vCard: one row per card (name, preferred number).
    CsvImport::Table table;
    // Set when nothing can be imported; a German sentence for the user.
    QString error;
};

// Reads the file and splits it into rows; the error names what is wrong
// (missing, empty, too large, not a text file, no number column).
Source read(const QString& path);
// The same for bytes already read.
Source readBytes(const QByteArray& bytes);

struct Result {
    QList<RecipientEntry> entries;
    LeftOut leftOut;
};

// The rows through the mapping: name (first and last name joined), number
// normalised, free texts. Rows without a number or with a field longer than
// kMaxFieldLength are left out and counted.
Result apply(const CsvImport::Table& table, const ImportMapping& mapping);

// A vCard source's rows hold the name, then the preferred number.
ImportMapping vcardMapping();

// "Die Datei enthält keinen Empfänger mit Rufnummer.": nothing to import.
QString noRecipientText();

// The remembered or else the guessed mapping for a source. Reads the value
// store: call it on the main thread.
ImportMapping initialMapping(const CsvImport::Table& table);

// "3 Zeilen der Datei wurden nicht übernommen:" and one line per reason;
// empty when nothing was left out.
QString leftOutText(const LeftOut& leftOut);

} // namespace RecipientImport

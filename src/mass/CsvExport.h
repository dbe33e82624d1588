#pragma once

#include "mass/RecipientEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The recipient list as a CSV file for spreadsheets: UTF-8 with a byte-order
// mark, ";" between fields, CR LF after each row, a header row "Name;Nummer;
// Freitext 1;Freitext 2", fields quoted (quotes doubled) where they hold ";",
// a quote or a line break. The import reads it back to the same entries.
namespace CsvExport {

QByteArray encode(const QList<RecipientEntry>& entries);

// Written through a temp file: a failed export leaves an old file as it was.
// False when the file could not be written.
bool save(const QString& path, const QList<RecipientEntry>& entries);

} // namespace CsvExport

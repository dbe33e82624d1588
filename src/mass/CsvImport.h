#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reading the rows of a CSV, TSV or semicolon file: quoting as spreadsheets
// write it (quotes doubled, line breaks inside quoted fields), blanks around
// unquoted fields dropped, empty lines skipped.
namespace CsvImport {

struct Table {
    QList<QStringList> rows;
    // Rows after the first maxRows, counted but not kept.
    qsizetype rowsOverLimit = 0;
    // The text ended inside a quoted field: the row that field began in was
    // not kept (it would hold the rest of the file).
    bool unclosedQuote = false;
    QChar delimiter;
};

// ";", "," or Tab: the one that splits the first lines most evenly into the
// most fields; ";" when none occurs (a file of one column).
QChar detectDelimiter(QStringView text);

// Splits the text into rows of fields; keeps at most maxRows rows.
Table parse(const QString& text, qsizetype maxRows, QChar delimiter);

} // namespace CsvImport

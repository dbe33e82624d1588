#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The history as a CSV file the way a spreadsheet on a German desktop opens
// it with a double click: UTF-8 with a byte-order mark, ";" between fields,
// CR LF after each row, a field quoted (quotes doubled) where it holds ";",
// a quote, a line break or a blank at either end. A field that a spreadsheet
// would take for a formula (starting with "=", "+", "-", "@", a tab or a CR)
// gets a leading "'"; other control characters become blanks.
namespace HistoryCsv {

QByteArray field(const QString& value);
QByteArray row(const QStringList& fields);
// The byte-order mark and the header row.
QByteArray begin(const QStringList& headers);

struct SaveResult {
    bool ok = true;
    QString error; // in German, for the user
};

// Written through a temp file beside the target, put in place only when
// complete: a failed export leaves no half file and an old one as it was.
SaveResult save(const QString& path, const QByteArray& bytes);

// "Der Verlauf konnte nicht exportiert werden." and why.
QString failureText(const SaveResult& result);

} // namespace HistoryCsv

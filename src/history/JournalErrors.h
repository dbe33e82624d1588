#pragma once

#include <QString>

// Why the journal could not be written, said to the user in German.
namespace JournalErrors {

// From SQLite's result code (the primary code in the low byte counts).
QString text(const QString& operation, int nativeCode, const QString& driverText);
QString folderText(const QString& folder);
QString corruptText();
QString newerText();
QString notOpenText();
QString noDriverText();
// Said once, at the start after a broken file was moved aside.
QString movedAsideText(const QString& movedTo);
// True for the texts that mean the file is not a sound journal.
bool isCorrupt(const QString& text);

} // namespace JournalErrors

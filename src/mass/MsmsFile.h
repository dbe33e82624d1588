#pragma once

#include "mass/RecipientList.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

// The ".msms" data file: one entry per line, each field followed by ";",
// lines ended by CR LF, Windows-1252 bytes, no header and no quoting. On
// reading, a line ends at CR or CR LF; a lone LF is part of the line.
namespace MsmsFile {

// Larger files are refused rather than read into memory.
inline constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

// The bytes of one entry: "Kunde A;00491700000001;Praxis;Montag;" + CR LF.
QByteArray encodeLine(const RecipientEntry& entry);

// Parses the whole content into a new list; nullopt as soon as one line
// cannot be read or the content holds a NUL byte, so a caller never sees half
// a file.
std::optional<RecipientList> parse(const QByteArray& bytes);
// Reads and parses the file; nullopt when it cannot be opened, is too large,
// cannot be read or holds a line that cannot be read.
std::optional<RecipientList> load(const QString& path);

struct SaveResult {
    bool ok = true;
    int errorNumber = 0;
    QString description;
};
// Called after each entry written with the number written so far.
using Progress = std::function<void(int written)>;
// Writes every entry in list order to the device.
SaveResult write(QIODevice& out, const QList<RecipientEntry>& entries, const Progress& progress = {});
// Writes into a temp file beside the target and puts it in place only when
// everything was written: a failed save leaves the old file as it was.
SaveResult save(const QString& path, const QList<RecipientEntry>& entries, const Progress& progress = {});

// The name a chosen save name is written to: ".msms" appended unless it
// already ends in exactly that ("liste.MSMS" becomes "liste.MSMS.msms").
QString withExtension(const QString& chosen);

// "Die Datei konnte nicht geladen werden.": a file load() refused.
QString loadFailureText();

// "Die Datei konnte leider nicht gespeichert werden." with the error number
// and description on their own lines.
QString saveFailureText(const SaveResult& result);

} // namespace MsmsFile

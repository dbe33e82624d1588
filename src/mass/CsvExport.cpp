#include "mass/CsvExport.h"

#include <QSaveFile>

namespace {

void appendField(QByteArray& out, const QString& field) {
    const QByteArray bytes = field.toUtf8();
    // A leading or trailing blank is quoted too, so the reader keeps it.
    const bool quote = bytes.contains(';') || bytes.contains('"') || bytes.contains('\r') ||
                       bytes.contains('\n') || bytes.startsWith(' ') || bytes.endsWith(' ');
    if (!quote) {
        out += bytes;
        return;
    }
    out += '"';
    for (const char c : bytes) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

namespace CsvExport {

QByteArray encode(const QList<RecipientEntry>& entries) {
    QByteArray out("\xEF\xBB\xBFName;Nummer;Freitext 1;Freitext 2\r\n");
    out.reserve(out.size() + entries.size() * 48);
    for (const RecipientEntry& e : entries) {
        appendField(out, e.name);
        out += ';';
        appendField(out, e.number);
        out += ';';
        appendField(out, e.frei1);
        out += ';';
        appendField(out, e.frei2);
        out += "\r\n";
    }
    return out;
}

bool save(const QString& path, const QList<RecipientEntry>& entries) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = encode(entries);
    // The flush writes what is still buffered: failing there must fail the
    // save, not leave a file cut short.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace CsvExport

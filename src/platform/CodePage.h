#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 is the one single-byte code page on the wire, in .msms files
// and in company-server files. Kept in one place so every writer agrees.
namespace CodePage {

// A character that Windows-1252 cannot hold becomes '?'.
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

// The Windows-1252 code of one character, or -1 when it has none.
int windows1252Code(QChar c);

// Text of a file from elsewhere (a spreadsheet, an address book): UTF-8 with
// or without a byte-order mark, UTF-16 LE or BE with one, otherwise
// Windows-1252. The mark itself is not part of the text.
enum class TextEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };
TextEncoding detectEncoding(const QByteArray& bytes);
QString decodeDetected(const QByteArray& bytes, TextEncoding* detected = nullptr);

} // namespace CodePage

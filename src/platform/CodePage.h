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

} // namespace CodePage

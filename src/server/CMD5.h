#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// MD5 message digest (RFC 1321), our own implementation so the hash of a group
// request does not depend on which crypto library a machine happens to have.
// Holds no state: every call starts from the standard initial values.
class CMD5 {
public:
    // The digest of the text as 32 lower-case hex digits. Each UTF-16 code unit
    // contributes one byte, its low 8 bits: the company server hashes the
    // single-byte text, so characters up to U+00FF hash like ISO-8859-1.
    static QString MD5(const QString& text);

    // The 16 raw digest bytes of a byte string.
    static QByteArray digest(QByteArrayView bytes);
};

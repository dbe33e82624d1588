#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared by the fuzz targets: turning the input into the values a reader
// takes, and stopping with a message when a property does not hold, so the
// fuzzer keeps the input as a finding.
namespace fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Service replies and links arrive as Windows-1252 or UTF-8 text; the fuzzer
// reaches both through UTF-8, which also yields every BMP character.
inline QString text(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

[[noreturn]] inline void fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "property broken: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

inline void require(bool holds, const char* what, const QString& detail = {}) {
    if (!holds)
        fail(what, detail);
}

// Splits the input at the first NUL byte: a header part (a content type, a
// key) and the rest. Without a NUL the header is empty.
inline std::pair<QByteArray, QByteArray> splitAtNul(const QByteArray& in) {
    const qsizetype nul = in.indexOf('\0');
    if (nul < 0)
        return {QByteArray(), in};
    return {in.left(nul), in.mid(nul + 1)};
}

} // namespace fuzz

#include "platform/CodePage.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80..0x9F: the block where Windows-1252 differs from ISO-8859-1. Zero marks
// the five codes that have no character; they decode to the C1 control of the
// same number, as the system converter does.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

namespace CodePage {

int windows1252Code(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighBlock.size()); ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == u)
            return 0x80 + i;
    }
    return -1;
}

QByteArray toWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int code = windows1252Code(c);
        out.append(code < 0 ? '?' : char(code));
    }
    return out;
}

QString fromWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F && kHighBlock[b - 0x80] != 0)
            out.append(QChar(kHighBlock[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

TextEncoding detectEncoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (bytes.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16Le;
    if (bytes.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16Be;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes); // the decoder works only when its result is taken
    return utf8.hasError() ? TextEncoding::Windows1252 : TextEncoding::Utf8;
}

QString decodeDetected(const QByteArray& bytes, TextEncoding* detected) {
    const TextEncoding e = detectEncoding(bytes);
    if (detected)
        *detected = e;
    switch (e) {
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        QStringDecoder d(e == TextEncoding::Utf16Le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return d.decode(QByteArrayView(bytes).sliced(2));
    }
    case TextEncoding::Windows1252:
        break;
    }
    return fromWindows1252(bytes);
}

} // namespace CodePage

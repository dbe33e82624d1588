#include "Windows1252.h"

#include "Utf8.h"

#include <array>

namespace win1252 {

namespace {

// 0x80..0x9F, where the code page differs from ISO-8859-1; 0 marks the five
// undefined codes.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isText(unsigned char b) {
    if (b == '\t' || b == '\n' || b == '\r')
        return true;
    if (b < 0x20 || b == 0x7F)
        return false;
    return !(b >= 0x80 && b <= 0x9F && kHighBlock[b - 0x80] == 0);
}

} // namespace

int code(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == cp)
            return int(0x80 + i);
    }
    return -1;
}

std::optional<std::string> toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (!isText(b))
            return std::nullopt;
        if (b >= 0x80 && b <= 0x9F)
            utf8::append(out, kHighBlock[b - 0x80]);
        else
            utf8::append(out, b);
    }
    return out;
}

std::string fromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    utf8::forEachCodePoint(text, [&out](char32_t cp) {
        const int c = code(cp);
        out += c < 0 ? '?' : char(c);
    });
    return out;
}

} // namespace win1252

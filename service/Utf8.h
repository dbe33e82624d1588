#pragma once

#include <string>
#include <string_view>

// The service keeps text as UTF-8 internally; the wire and the pages use
// Windows-1252 (see Windows1252.h). These helpers walk UTF-8 by code point.
namespace utf8 {

// Calls fn(char32_t) for every code point; a broken sequence yields U+FFFD
// for its first byte and decoding goes on after it.
template <class Fn> void forEachCodePoint(std::string_view s, Fn&& fn);

void append(std::string& out, char32_t cp);

// Number of code points.
std::size_t length(std::string_view s);

// Decodes one code point at s[pos], advancing pos.
char32_t next(std::string_view s, std::size_t& pos);

template <class Fn> void forEachCodePoint(std::string_view s, Fn&& fn) {
    std::size_t pos = 0;
    while (pos < s.size())
        fn(next(s, pos));
}

} // namespace utf8

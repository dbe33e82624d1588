#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 is what the client puts on the wire and expects back: form
// bodies, query values, replies, pages and group files. Inside the service
// text is UTF-8.
namespace win1252 {

// The Windows-1252 code of a character, or -1 when the code page has none.
int code(char32_t cp);

// Decodes Windows-1252 bytes to UTF-8. Fails for bytes that are not text: the
// five codes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) and
// control characters other than tab, line feed and carriage return.
std::optional<std::string> toUtf8(std::string_view bytes);

// Encodes UTF-8 as Windows-1252; a character the code page cannot hold
// becomes '?'.
std::string fromUtf8(std::string_view text);

} // namespace win1252

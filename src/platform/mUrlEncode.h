#pragma once

#include <QString>

// Encodings of values that go into a form body or an address.
namespace mUrlEncode {

// Form-body values: "%" to "%25", then "&" to "%26", "+" to "%2B" and blank to
// "%20". Nothing else changes (line breaks, "=", "#", "?", umlauts stay; the
// body is sent as Windows-1252 bytes).
QString encodeFormText(const QString& text);

// A value inserted into an address query: encodeFormText(), "#" as "%23" (so
// nothing in the value can end the query or start a fragment), and every
// non-ASCII character as "%" and its Windows-1252 code ("ä" gives "%E4";
// one Windows-1252 cannot hold gives "%3F").
QString encodeQueryValue(const QString& text);

// Digits and ASCII letters are copied; a blank becomes "+" (spaceAsPlus) or
// "%20"; every other character becomes "%" and its Windows-1252 code in two
// upper-case hex digits ("\n" gives "%0A", "ä" gives "%E4", "€" gives "%80").
// A character Windows-1252 cannot hold is sent as "?" ("%3F").
QString urlEncode(const QString& text, bool spaceAsPlus);

} // namespace mUrlEncode

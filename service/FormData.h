#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A form body or a query string, decoded. Parsed from the raw bytes rather
// than through the HTTP library, so that every fault the client could never
// produce is caught and answered instead of silently repaired.
class FormData {
public:
    struct Field {
        std::string name;  // UTF-8
        std::string value; // UTF-8
    };

    // Splits at "&" and at the first "=" of each piece (a value may hold "="),
    // turns "+" into a blank, decodes "%XX" and reads the bytes as
    // Windows-1252. Empty pieces ("a=1&&b=2", a trailing "&") are skipped.
    // On failure returns nothing and puts a German reason into *error.
    static std::optional<FormData> parse(std::string_view raw, std::string* error);

    // The query part of a request target ("/a.php?x=1" gives "x=1").
    static std::string_view queryOf(std::string_view target);

    const std::vector<Field>& fields() const { return m_fields; }
    // The first field of that name.
    std::optional<std::string> value(std::string_view name) const;
    // The value, or "" when the field is missing.
    std::string valueOr(std::string_view name, std::string_view fallback = {}) const;
    std::size_t count(std::string_view name) const;

private:
    std::vector<Field> m_fields;
};

#include "FormData.h"

#include "Windows1252.h"

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Percent-decodes one name or value into bytes; false on a broken escape.
bool unescape(std::string_view in, std::string& out) {
    out.clear();
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            if (i + 2 >= in.size())
                return false;
            const int hi = hexValue(in[i + 1]);
            const int lo = hexValue(in[i + 2]);
            if (hi < 0 || lo < 0)
                return false;
            out += char(hi * 16 + lo);
            i += 2;
        } else {
            out += c;
        }
    }
    return true;
}

bool decode(std::string_view raw, std::string& out, std::string* error) {
    std::string bytes;
    if (!unescape(raw, bytes)) {
        *error = "Ungültige Anfrage: fehlerhafte Prozent-Kodierung.";
        return false;
    }
    auto text = win1252::toUtf8(bytes);
    if (!text) {
        *error = "Ungültige Anfrage: Zeichen, die kein Windows-1252-Text sind.";
        return false;
    }
    out = std::move(*text);
    return true;
}

} // namespace

std::optional<FormData> FormData::parse(std::string_view raw, std::string* error) {
    std::string ignored;
    if (!error)
        error = &ignored;
    FormData form;
    std::size_t start = 0;
    while (start <= raw.size()) {
        std::size_t end = raw.find('&', start);
        if (end == std::string_view::npos)
            end = raw.size();
        const std::string_view piece = raw.substr(start, end - start);
        start = end + 1;
        if (piece.empty())
            continue;
        const std::size_t eq = piece.find('=');
        if (eq == std::string_view::npos || eq == 0) {
            *error = "Ungültige Anfrage: ein Feld ohne Namen oder ohne \"=\".";
            return std::nullopt;
        }
        Field f;
        if (!decode(piece.substr(0, eq), f.name, error) || !decode(piece.substr(eq + 1), f.value, error))
            return std::nullopt;
        form.m_fields.push_back(std::move(f));
    }
    return form;
}

std::string_view FormData::queryOf(std::string_view target) {
    const std::size_t q = target.find('?');
    return q == std::string_view::npos ? std::string_view{} : target.substr(q + 1);
}

std::optional<std::string> FormData::value(std::string_view name) const {
    for (const Field& f : m_fields) {
        if (f.name == name)
            return f.value;
    }
    return std::nullopt;
}

std::string FormData::valueOr(std::string_view name, std::string_view fallback) const {
    auto v = value(name);
    return v ? *v : std::string(fallback);
}

std::size_t FormData::count(std::string_view name) const {
    std::size_t n = 0;
    for (const Field& f : m_fields)
        n += f.name == name ? 1 : 0;
    return n;
}

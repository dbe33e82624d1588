#include "Html.h"

#include "Utf8.h"
#include "Windows1252.h"

#include <cctype>

namespace html {

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    utf8::forEachCodePoint(text, [&out](char32_t cp) {
        switch (cp) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if (win1252::code(cp) < 0)
                out += "&#" + std::to_string(std::uint32_t(cp)) + ';';
            else
                utf8::append(out, cp);
        }
    });
    return out;
}

std::string backColor(std::string_view value) {
    if (value.size() != 6)
        return {};
    for (const char c : value) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    }
    return '#' + std::string(value);
}

std::string contactHref(std::string_view name, std::string_view number) {
    std::string target = "telefon://";
    // The client splits the link at "@": one in the name would cut it there.
    for (const char c : name)
        target += c == ' ' ? std::string("%20") : c == '@' ? std::string("(at)") : std::string(1, c);
    target += '@';
    target += number;
    return escape(target);
}

std::string hiddenField(std::string_view name, std::string_view value) {
    return "<input type=\"hidden\" name=\"" + escape(name) + "\" value=\"" + escape(value) + "\">";
}

std::string closeLink() {
    return "<p class=\"close\"><a href=\"close://\">Schließen</a></p>\n";
}

std::string render(const Page& page) {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"windows-1252\">\n<title>" +
        escape(page.title) +
        "</title>\n<style>\n"
        "body { font-family: Tahoma, Verdana, sans-serif; font-size: 10pt; margin: 12px; }\n"
        "h1 { font-size: 14pt; } h2 { font-size: 11pt; margin-top: 16px; }\n"
        "table { border-collapse: collapse; } td, th { padding: 2px 8px; text-align: left; }\n"
        ".notice { color: #006000; } .error { color: #c00000; }\n"
        "</style>\n</head>\n<body";
    if (!page.backColor.empty())
        out += " style=\"background-color: " + page.backColor + "\"";
    out += ">\n" + page.body + "</body>\n</html>\n";
    return out;
}

std::string loginFailedBody() {
    return "<h1>Anmeldung fehlgeschlagen</h1>\n"
           "<p class=\"error\">Für diese Kombination aus eMail und Kennwort ist kein Konto vorhanden.</p>\n" +
           closeLink();
}

} // namespace html

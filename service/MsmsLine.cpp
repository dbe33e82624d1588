#include "MsmsLine.h"

#include "Utf8.h"

namespace msms {

std::string toLine(const MsmsEntry& e) {
    return e.name + ';' + e.number + ';' + e.frei1 + ';' + e.frei2 + ';';
}

std::optional<MsmsEntry> fromLine(std::string_view line, std::string* error) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    if (utf8::length(line) <= 3)
        return std::nullopt;
    std::vector<std::string> parts(1);
    for (const char c : line) {
        if (c == ';')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() < 2 || parts[1].empty()) {
        *error = "Die Zeile \"" + std::string(line) + "\" enthält keine Rufnummer.";
        return std::nullopt;
    }
    MsmsEntry e{parts[0], parts[1], {}, {}};
    if (parts.size() >= 4) {
        e.frei1 = parts[2];
        e.frei2 = parts[3];
    }
    return e;
}

std::optional<std::vector<MsmsEntry>> fromText(std::string_view text, std::string* error) {
    std::vector<MsmsEntry> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        error->clear();
        auto entry = fromLine(text.substr(start, end - start), error);
        if (entry)
            out.push_back(std::move(*entry));
        else if (!error->empty())
            return std::nullopt;
        start = end + 1;
    }
    return out;
}

} // namespace msms

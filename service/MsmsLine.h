#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One recipient in the line format of the client's ".msms" data files, which
// group files share: name;number;free text 1;free text 2; (every field
// followed by ";"). There is no quoting: a ";" inside a field splits it.
struct MsmsEntry {
    std::string name, number, frei1, frei2;
};

namespace msms {

std::string toLine(const MsmsEntry& e);

// Reads a line the way the client does: three characters or fewer is no entry
// (nullopt, *error stays empty); no ";" or an empty number cannot be read
// (nullopt, *error set). The free texts are taken only when the line has at
// least four fields. A trailing CR is dropped.
std::optional<MsmsEntry> fromLine(std::string_view line, std::string* error);

// Reads every LF-separated line; fails as a whole on the first unreadable one.
std::optional<std::vector<MsmsEntry>> fromText(std::string_view text, std::string* error);

} // namespace msms

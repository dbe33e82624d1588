#pragma once

#include "MsmsLine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Database;

struct WebGroup {
    std::int64_t id = 0;
    std::int64_t accountId = 0;
    std::string name;
    std::string fileName; // below WebGroupDir; the group page links "http://gruppe//" + fileName
    int members = 0;
};

// Groups of an account's online phone book. Group files are fetched without
// a login, so a file name carries a random part that nobody can guess. The
// caller holds the database lock.
namespace groups {

std::vector<WebGroup> list(Database& db, std::int64_t accountId);
std::optional<WebGroup> byFileName(Database& db, std::string_view fileName);
std::vector<MsmsEntry> members(Database& db, std::int64_t groupId);
// Stores a new group with its members in order; returns it.
WebGroup create(Database& db, std::int64_t accountId, std::string_view name,
                const std::vector<MsmsEntry>& members, std::string_view fileName = {});
// A file name for a group: ASCII letters and digits of the name, a random
// part, ".txt".
std::string newFileName(std::string_view groupName);

} // namespace groups

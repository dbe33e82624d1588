#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Database;

struct PhonebookEntry {
    std::string book; // "private" or "public"
    std::string name;
    std::string number;
};

// Each account has a private and a public phone book; the send request's
// "private" and "public" fields put its recipient into them. The caller
// holds the database lock.
namespace phonebook {

// Adds the number; a number already in that book keeps its entry and name.
void put(Database& db, std::int64_t accountId, std::string_view book, std::string_view name,
         std::string_view number);
// Private book first, each sorted by name.
std::vector<PhonebookEntry> list(Database& db, std::int64_t accountId);

} // namespace phonebook

#pragma once

#include <string_view>

class Database;

// Numbers registered for push delivery through the companion app. The
// caller holds the database lock.
namespace pushRegistry {
bool isRegistered(Database& db, std::string_view number);
void add(Database& db, std::string_view number);
} // namespace pushRegistry

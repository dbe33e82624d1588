#pragma once

#include <string_view>

class Database;

// E-mails the service "sends": kept in the outbox table and written to the
// log on stderr, so a tester can read a new account's password. The caller
// holds the database lock.
namespace outbox {
void send(Database& db, std::string_view to, std::string_view subject, std::string_view body);
} // namespace outbox

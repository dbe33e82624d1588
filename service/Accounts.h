#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Database;

struct Account {
    std::int64_t id = 0;
    std::string email;
    std::string password;
    std::int64_t credits = 0;
    bool activated = false;
};

// The personal data of a registration, as the CreateUser query carries it.
struct Registration {
    std::string name, vorname, firma, email, telefon, fax, strasse, plz, ort, land, gutschein, referer;
};

// Accounts, looked up by e-mail without regard to letter case. The stand-in
// keeps passwords in plain text, as it keeps the request bodies that carry
// them. Every function expects the caller to hold the database lock.
namespace accounts {

std::optional<Account> find(Database& db, std::string_view email);
// The account whose e-mail and password (exact, case-sensitive) both match.
std::optional<Account> authenticate(Database& db, std::string_view email, std::string_view password);
std::int64_t create(Database& db, const Registration& r, std::string_view password, std::int64_t credits,
                    bool activated);
void activate(Database& db, std::int64_t id);
// False when there is no such account.
bool setCredits(Database& db, std::string_view email, std::int64_t credits);
void addCredits(Database& db, std::int64_t id, std::int64_t delta);
bool empty(Database& db);

} // namespace accounts

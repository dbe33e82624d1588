#include "Accounts.h"

#include "Database.h"

namespace accounts {

std::optional<Account> find(Database& db, std::string_view email) {
    Statement s = db.prepare("SELECT id, email, password, credits, activated FROM accounts WHERE email = ?");
    s.bindAll(email);
    if (!s.step())
        return std::nullopt;
    return Account{s.integer(0), s.text(1), s.text(2), s.integer(3), s.integer(4) != 0};
}

std::optional<Account> authenticate(Database& db, std::string_view email, std::string_view password) {
    auto account = find(db, email);
    if (!account || account->password != password)
        return std::nullopt;
    return account;
}

std::int64_t create(Database& db, const Registration& r, std::string_view password, std::int64_t credits,
                    bool activated) {
    Statement s = db.prepare("INSERT INTO accounts (email, password, name, vorname, firma, telefon, fax, "
                             "strasse, plz, ort, land, gutschein, referer, credits, activated) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    s.bindAll(r.email, password, r.name, r.vorname, r.firma, r.telefon, r.fax, r.strasse, r.plz, r.ort,
              r.land, r.gutschein, r.referer, credits, activated);
    s.run();
    return db.lastInsertId();
}

void activate(Database& db, std::int64_t id) {
    Statement s = db.prepare("UPDATE accounts SET activated = 1 WHERE id = ?");
    s.bindAll(id).run();
}

bool setCredits(Database& db, std::string_view email, std::int64_t credits) {
    Statement s = db.prepare("UPDATE accounts SET credits = ? WHERE email = ?");
    s.bindAll(credits, email).run();
    return db.changes() > 0;
}

void addCredits(Database& db, std::int64_t id, std::int64_t delta) {
    Statement s = db.prepare("UPDATE accounts SET credits = credits + ? WHERE id = ?");
    s.bindAll(delta, id).run();
}

bool empty(Database& db) {
    Statement s = db.prepare("SELECT NOT EXISTS (SELECT 1 FROM accounts)");
    return s.step() && s.integer(0) != 0;
}

} // namespace accounts

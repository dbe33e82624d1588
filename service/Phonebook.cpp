#include "Phonebook.h"

#include "Database.h"

namespace phonebook {

void put(Database& db, std::int64_t accountId, std::string_view book, std::string_view name,
         std::string_view number) {
    Statement s = db.prepare("INSERT INTO phonebook (account_id, book, name, number) VALUES (?, ?, ?, ?) "
                             "ON CONFLICT (account_id, book, number) DO NOTHING");
    s.bindAll(accountId, book, name, number).run();
}

std::vector<PhonebookEntry> list(Database& db, std::int64_t accountId) {
    Statement s = db.prepare("SELECT book, name, number FROM phonebook WHERE account_id = ? "
                             "ORDER BY book = 'public', name COLLATE NOCASE, id");
    s.bindAll(accountId);
    std::vector<PhonebookEntry> out;
    while (s.step())
        out.push_back({s.text(0), s.text(1), s.text(2)});
    return out;
}

} // namespace phonebook

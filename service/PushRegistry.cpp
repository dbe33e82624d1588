#include "PushRegistry.h"

#include "Database.h"

namespace pushRegistry {

bool isRegistered(Database& db, std::string_view number) {
    Statement s = db.prepare("SELECT 1 FROM push_numbers WHERE number = ?");
    s.bindAll(number);
    return s.step();
}

void add(Database& db, std::string_view number) {
    Statement s = db.prepare("INSERT OR IGNORE INTO push_numbers (number) VALUES (?)");
    s.bindAll(number).run();
}

} // namespace pushRegistry

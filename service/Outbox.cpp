#include "Outbox.h"

#include "Database.h"
#include "Log.h"

namespace outbox {

void send(Database& db, std::string_view to, std::string_view subject, std::string_view body) {
    Statement s = db.prepare("INSERT INTO outbox (recipient, subject, body) VALUES (?, ?, ?)");
    s.bindAll(to, subject, body).run();
    // One log entry, the body indented below the subject line.
    std::string text = "mail to " + std::string(to) + ": " + std::string(subject) + "\n    ";
    for (const char c : body) {
        if (c == '\n')
            text += "\n    ";
        else if (c != '\r')
            text += c;
    }
    logLine(text);
}

} // namespace outbox

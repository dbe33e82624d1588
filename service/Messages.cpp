#include "Messages.h"

#include "Database.h"
#include "SendRequest.h"

namespace messages {

std::int64_t insert(Database& db, const MessageRecord& m) {
    const SendRequest& r = *m.request;
    Statement s = db.prepare(
        "INSERT INTO messages (account_id, endpoint, email, kennwort, firma, empfaenger, empfaengername, "
        "private, public, skippush, version, text, absenderkennung, absender, statusmeldung, antwort, "
        "einlieferung, referer, term, cronjobstring, enddate, long, body, counted_size, parts, cost, status) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    s.bindAll(m.accountId, m.endpoint, r.email, r.kennwort, r.firma, r.empfaenger, r.empfaengername,
              r.privateBook, r.publicBook, r.skippush, r.version, r.text, r.absenderkennung, r.absender,
              r.statusmeldung, r.antwort, r.einlieferung, r.referer);
    if (r.scheduled)
        s.bind(19, r.term).bind(20, r.cronjobstring).bind(21, r.enddate);
    else
        s.bindNull(19).bindNull(20).bindNull(21);
    s.bind(22, r.longSms).bindBlob(23, m.rawBody).bind(24, m.countedSize).bind(25, m.parts).bind(26, m.cost);
    s.bind(27, m.status);
    s.run();
    return db.lastInsertId();
}

} // namespace messages

#include "ScheduledJobs.h"

#include "Database.h"

namespace scheduledJobs {

std::int64_t insert(Database& db, std::int64_t accountId, const ScheduledJob& job) {
    Statement s = db.prepare("INSERT INTO scheduled_jobs (account_id, message_id, start_time, cron_string, "
                             "end_time, text, recipient, recipient_name) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    s.bindAll(accountId, job.messageId, job.startTime, job.cronString, job.endTime, job.text, job.recipient,
              job.recipientName)
        .run();
    return db.lastInsertId();
}

std::vector<ScheduledJob> active(Database& db, std::int64_t accountId) {
    Statement s =
        db.prepare("SELECT id, message_id, start_time, cron_string, end_time, text, recipient, "
                   "recipient_name FROM scheduled_jobs WHERE account_id = ? AND deleted = 0 ORDER BY id");
    s.bindAll(accountId);
    std::vector<ScheduledJob> out;
    while (s.step())
        out.push_back(
            {s.integer(0), s.integer(1), s.text(2), s.text(3), s.text(4), s.text(5), s.text(6), s.text(7)});
    return out;
}

bool markDeleted(Database& db, std::int64_t accountId, std::int64_t jobId) {
    Statement s =
        db.prepare("UPDATE scheduled_jobs SET deleted = 1 WHERE id = ? AND account_id = ? AND deleted = 0");
    s.bindAll(jobId, accountId).run();
    return db.changes() > 0;
}

} // namespace scheduledJobs

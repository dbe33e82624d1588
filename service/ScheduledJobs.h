#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Database;

struct ScheduledJob {
    std::int64_t id = 0;
    std::int64_t messageId = 0;
    std::string startTime;  // "term"
    std::string cronString; // "cronjobstring"
    std::string endTime;    // "enddate"
    std::string text;
    std::string recipient;
    std::string recipientName;
};

// Scheduled sends created through CronSMS. Nothing here delivers them: the
// stand-in only keeps the order, lists it and lets the user delete it.
// Deleting marks the row, so what was ordered stays visible to tests. The
// caller holds the database lock.
namespace scheduledJobs {

std::int64_t insert(Database& db, std::int64_t accountId, const ScheduledJob& job);
// The account's jobs that are not deleted, oldest first.
std::vector<ScheduledJob> active(Database& db, std::int64_t accountId);
// False when the account has no such active job.
bool markDeleted(Database& db, std::int64_t accountId, std::int64_t jobId);

} // namespace scheduledJobs

#pragma once

#include <cstdint>
#include <string>

class Database;
struct SendRequest;

// A send request the service accepted, with what it cost.
struct MessageRecord {
    std::int64_t accountId = 0;
    std::string endpoint; // "SendSMS" or "CronSMS"
    const SendRequest* request = nullptr;
    std::string rawBody; // the request body bytes as they arrived
    int countedSize = 0;
    int parts = 0;
    int cost = 0;
    std::string status; // "sms", "push" or "scheduled"
};

namespace messages {
// Stores the record; returns its id. The caller holds the database lock.
std::int64_t insert(Database& db, const MessageRecord& m);
} // namespace messages

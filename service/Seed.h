#pragma once

class Database;

// The demo data of "--seed".
namespace demo {
inline constexpr const char* kEmail = "demo@velvox.example";
inline constexpr const char* kPassword = "velvox";
inline constexpr int kCredits = 5000;
// Registered for push delivery: a message to it costs the push price.
inline constexpr const char* kPushNumber = "00491761234567";
} // namespace demo

// Fills an empty database (no account yet) with the demo account, its phone
// book (a German mobile, an Austrian and a Swiss mobile, a German landline),
// two groups, one push-registered number and news number 1. Returns false and
// changes nothing when the database holds an account already, so a service
// restarted with "--seed" keeps its data.
bool seedDemoData(Database& db);

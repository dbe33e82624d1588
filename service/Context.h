#pragma once

#include <string>

class Database;

// What the handlers share: the database and the answers set on the command
// line.
struct ServiceConfig {
    std::string latestVersion = "3.0.99"; // CheckVersion
    int infoVersion = 1;                  // CheckInfo
};

struct Context {
    Database& db;
    ServiceConfig config;
};

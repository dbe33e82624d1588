#pragma once

class Database;

// The schema version this program writes (PRAGMA user_version).
inline constexpr int kSchemaVersion = 1;

// Creates the tables of a new file, or upgrades an older one step by step
// inside one transaction. Refuses (DatabaseError) a file written by a newer
// service rather than guess at its layout.
void applySchema(Database& db);

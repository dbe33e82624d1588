#include "Schema.h"

#include "Database.h"

#include <array>
#include <string>

namespace {

// Step n brings a file from user_version n to n + 1. Append new steps; never
// edit one that has shipped.
constexpr std::array<const char*, kSchemaVersion> kSteps = {
    R"sql(
CREATE TABLE accounts (
    id         INTEGER PRIMARY KEY,
    email      TEXT NOT NULL UNIQUE COLLATE NOCASE,
    password   TEXT NOT NULL,
    name       TEXT NOT NULL DEFAULT '',
    vorname    TEXT NOT NULL DEFAULT '',
    firma      TEXT NOT NULL DEFAULT '',
    telefon    TEXT NOT NULL DEFAULT '',
    fax        TEXT NOT NULL DEFAULT '',
    strasse    TEXT NOT NULL DEFAULT '',
    plz        TEXT NOT NULL DEFAULT '',
    ort        TEXT NOT NULL DEFAULT '',
    land       TEXT NOT NULL DEFAULT '',
    gutschein  TEXT NOT NULL DEFAULT '',
    referer    TEXT NOT NULL DEFAULT '',
    credits    INTEGER NOT NULL DEFAULT 0,
    activated  INTEGER NOT NULL DEFAULT 0,
    created    TEXT NOT NULL DEFAULT (datetime('now'))
);

-- One row per accepted send request, with every field as it arrived and the
-- raw body bytes. term, cronjobstring and enddate are NULL without a schedule.
CREATE TABLE messages (
    id               INTEGER PRIMARY KEY,
    account_id       INTEGER NOT NULL REFERENCES accounts(id),
    endpoint         TEXT NOT NULL,
    email            TEXT NOT NULL,
    kennwort         TEXT NOT NULL,
    firma            TEXT NOT NULL,
    empfaenger       TEXT NOT NULL,
    empfaengername   TEXT NOT NULL,
    private          TEXT NOT NULL,
    public           TEXT NOT NULL,
    skippush         TEXT NOT NULL,
    version          TEXT NOT NULL,
    text             TEXT NOT NULL,
    absenderkennung  TEXT NOT NULL,
    absender         TEXT NOT NULL,
    statusmeldung    TEXT NOT NULL,
    antwort          TEXT NOT NULL,
    einlieferung     TEXT NOT NULL,
    referer          TEXT NOT NULL,
    term             TEXT,
    cronjobstring    TEXT,
    enddate          TEXT,
    long             TEXT NOT NULL,
    body             BLOB NOT NULL,
    counted_size     INTEGER NOT NULL,
    parts            INTEGER NOT NULL,
    cost             INTEGER NOT NULL,
    status           TEXT NOT NULL CHECK (status IN ('sms', 'push', 'scheduled')),
    created          TEXT NOT NULL DEFAULT (strftime('%Y-%m-%d %H:%M:%f', 'now'))
);
CREATE INDEX messages_by_account ON messages(account_id);

CREATE TABLE scheduled_jobs (
    id              INTEGER PRIMARY KEY,
    account_id      INTEGER NOT NULL REFERENCES accounts(id),
    message_id      INTEGER NOT NULL REFERENCES messages(id),
    start_time      TEXT NOT NULL,
    cron_string     TEXT NOT NULL,
    end_time        TEXT NOT NULL,
    text            TEXT NOT NULL,
    recipient       TEXT NOT NULL,
    recipient_name  TEXT NOT NULL,
    deleted         INTEGER NOT NULL DEFAULT 0,
    created         TEXT NOT NULL DEFAULT (datetime('now'))
);
CREATE INDEX scheduled_jobs_by_account ON scheduled_jobs(account_id);

CREATE TABLE phonebook (
    id          INTEGER PRIMARY KEY,
    account_id  INTEGER NOT NULL REFERENCES accounts(id),
    book        TEXT NOT NULL CHECK (book IN ('private', 'public')),
    name        TEXT NOT NULL,
    number      TEXT NOT NULL,
    created     TEXT NOT NULL DEFAULT (datetime('now')),
    UNIQUE (account_id, book, number)
);

CREATE TABLE web_groups (
    id          INTEGER PRIMARY KEY,
    account_id  INTEGER NOT NULL REFERENCES accounts(id),
    name        TEXT NOT NULL,
    file_name   TEXT NOT NULL UNIQUE,
    created     TEXT NOT NULL DEFAULT (datetime('now'))
);

CREATE TABLE group_members (
    id        INTEGER PRIMARY KEY,
    group_id  INTEGER NOT NULL REFERENCES web_groups(id) ON DELETE CASCADE,
    position  INTEGER NOT NULL,
    name      TEXT NOT NULL,
    number    TEXT NOT NULL,
    frei1     TEXT NOT NULL,
    frei2     TEXT NOT NULL
);
CREATE INDEX group_members_by_group ON group_members(group_id, position);

-- Numbers whose owners use the companion app: a message to them may go out
-- as a push message instead of an SMS.
CREATE TABLE push_numbers (
    number  TEXT PRIMARY KEY
);

-- The e-mails the service would send; nothing leaves the machine.
CREATE TABLE outbox (
    id         INTEGER PRIMARY KEY,
    recipient  TEXT NOT NULL,
    subject    TEXT NOT NULL,
    body       TEXT NOT NULL,
    created    TEXT NOT NULL DEFAULT (datetime('now'))
);

CREATE TABLE news (
    number     INTEGER PRIMARY KEY,
    title      TEXT NOT NULL,
    body       TEXT NOT NULL,
    published  TEXT NOT NULL DEFAULT (date('now'))
);
)sql",
};

} // namespace

void applySchema(Database& db) {
    const int current = db.userVersion();
    if (current > kSchemaVersion)
        throw DatabaseError("the database has schema version " + std::to_string(current) +
                            ", newer than this service knows (" + std::to_string(kSchemaVersion) + ")");
    if (current == kSchemaVersion)
        return;
    Transaction t(db);
    for (int v = current; v < kSchemaVersion; ++v)
        db.exec(kSteps[std::size_t(v)]);
    db.exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
    t.commit();
}

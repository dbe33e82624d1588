#include "Seed.h"

#include "Accounts.h"
#include "Database.h"
#include "Groups.h"
#include "News.h"
#include "Phonebook.h"
#include "PushRegistry.h"

bool seedDemoData(Database& db) {
    auto lock = db.lock();
    Transaction t(db);
    if (!accounts::empty(db))
        return false;

    Registration r;
    r.email = demo::kEmail;
    r.name = "Muster";
    r.vorname = "Erika";
    r.firma = "Velvox Demo";
    r.strasse = "Hauptstraße 1";
    r.plz = "10115";
    r.ort = "Berlin";
    r.land = "Deutschland";
    r.referer = "Velvox";
    const auto id = accounts::create(db, r, demo::kPassword, demo::kCredits, true);

    phonebook::put(db, id, "private", "Praxis Nord", "00491701234567");
    phonebook::put(db, id, "private", "Anna Huber", "0043664/123456");
    phonebook::put(db, id, "public", "Luca Meier", "0041791234567");
    phonebook::put(db, id, "public", "Büro Berlin", "0049301234567");

    // Fixed file names, so the demo groups can be named in documentation.
    groups::create(db, id, "Team Süd",
                   {{"Jürgen Müller", "00491701111111", "Frühschicht", "Montag"},
                    {"Zoë Weiß", "00491702222222", "Spätschicht", "Dienstag"},
                    {"Björn Öztürk", "00436641112222", "Nachtschicht", "Mittwoch"}},
                   "team-sued.txt");
    groups::create(db, id, "Kunden",
                   {{"Kunde A", "00491700000001", "Praxis", "Montag"},
                    {"Kunde B", "00436600000002", "Kanzlei", "Dienstag"},
                    {"Kunde C", "0041790000003", "", ""}},
                   "kunden.txt");

    pushRegistry::add(db, demo::kPushNumber);
    news::add(db, 1, "Willkommen bei Velvox",
              "Ab sofort erreichen Ihre Nachrichten Empfänger mit der Velvox-App als Push-Nachricht.\n"
              "Eine solche Nachricht kostet nur 5 Credits.");
    t.commit();
    return true;
}

#include "AccountHandlers.h"

#include "Accounts.h"
#include "Context.h"
#include "Database.h"
#include "Endpoints.h"
#include "Log.h"
#include "Outbox.h"
#include "Random.h"
#include "Reply.h"
#include "RequestForm.h"

#include <httplib.h>

namespace {

// Replies of CheckUser and CreateUser; the client only tells 0 from the rest.
constexpr const char* kOk = "0";
constexpr const char* kUnknownAccount = "1";
constexpr const char* kEmailTaken = "2";
constexpr const char* kIncomplete = "3";

// No 0/O or 1/l/I: the password is read from an e-mail and typed in.
constexpr std::string_view kPasswordAlphabet = "abcdefghjkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";

bool plausibleEmail(const std::string& e) {
    const auto at = e.find('@');
    return at != std::string::npos && at > 0 && at + 1 < e.size() &&
           e.find('@', at + 1) == std::string::npos && e.find(' ') == std::string::npos;
}

void smsCount(Context& ctx, const httplib::Request& req, httplib::Response& res) {
    const auto form = requestForm(req, res, {"email"});
    if (!form)
        return;
    auto lock = ctx.db.lock();
    const auto account = accounts::find(ctx.db, *form->value("email"));
    replyText(res, account ? std::to_string(account->credits) : "-1");
}

// A matching password confirms the e-mail address of a new account (its
// password went out by mail), so the first successful check activates it.
void checkUser(Context& ctx, const httplib::Request& req, httplib::Response& res) {
    const auto form = requestForm(req, res, {"email", "password"});
    if (!form)
        return;
    auto lock = ctx.db.lock();
    const auto account = accounts::authenticate(ctx.db, *form->value("email"), *form->value("password"));
    if (!account)
        return replyText(res, kUnknownAccount);
    if (!account->activated) {
        accounts::activate(ctx.db, account->id);
        logLine("account activated: " + account->email);
    }
    replyText(res, kOk);
}

void createUser(Context& ctx, const httplib::Request& req, httplib::Response& res) {
    const auto form = requestForm(req, res,
                                  {"name", "vorname", "firma", "email", "telefon", "fax", "strasse", "plz",
                                   "ort", "land", "gutschein", "referer"});
    if (!form)
        return;
    Registration r;
    r.name = *form->value("name");
    r.vorname = *form->value("vorname");
    r.firma = *form->value("firma");
    r.email = *form->value("email");
    r.telefon = *form->value("telefon");
    r.fax = *form->value("fax");
    r.strasse = *form->value("strasse");
    r.plz = *form->value("plz");
    r.ort = *form->value("ort");
    r.land = *form->value("land");
    r.gutschein = *form->value("gutschein");
    r.referer = *form->value("referer");
    for (const std::string* required : {&r.name, &r.vorname, &r.strasse, &r.plz, &r.ort}) {
        if (required->empty())
            return replyText(res, kIncomplete);
    }
    if (!plausibleEmail(r.email))
        return replyText(res, kIncomplete);

    const std::string password = randomString(kPasswordAlphabet, 8);
    auto lock = ctx.db.lock();
    Transaction t(ctx.db);
    if (accounts::find(ctx.db, r.email))
        return replyText(res, kEmailTaken);
    accounts::create(ctx.db, r, password, kWelcomeCredits, false);
    outbox::send(ctx.db, r.email, "Ihr neues Konto",
                 "Guten Tag " + r.vorname + " " + r.name + ",\r\n\r\nIhr Konto wurde angelegt. " +
                     "Ihr persönliches Kennwort lautet: " + password +
                     "\r\n\r\nIhr neues Konto wird mit der " + "ersten Anmeldung freigeschaltet.");
    t.commit();
    logLine("account created: " + r.email);
    replyText(res, kOk);
}

} // namespace

void registerAccountHandlers(httplib::Server& server, Context& ctx) {
    server.Get(exactRoute(paths::kSmsCount),
               [&ctx](const httplib::Request& req, httplib::Response& res) { smsCount(ctx, req, res); });
    server.Get(exactRoute(paths::kCheckUser),
               [&ctx](const httplib::Request& req, httplib::Response& res) { checkUser(ctx, req, res); });
    server.Get(exactRoute(paths::kCreateUser),
               [&ctx](const httplib::Request& req, httplib::Response& res) { createUser(ctx, req, res); });
}

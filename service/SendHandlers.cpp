#include "SendHandlers.h"

#include "Accounts.h"
#include "Charging.h"
#include "Context.h"
#include "Database.h"
#include "Endpoints.h"
#include "FormData.h"
#include "Log.h"
#include "Messages.h"
#include "Outbox.h"
#include "Phonebook.h"
#include "PushRegistry.h"
#include "Reply.h"
#include "Schedule.h"
#include "ScheduledJobs.h"
#include "SendRequest.h"

#include <httplib.h>

namespace {

// The client shows every ";"-separated piece of a reply on its own line and
// counts a send as accepted when a piece holds one of these phrases.
constexpr const char* kAccepted = "wurde erfolgreich an das Gateway übermittelt.";
constexpr const char* kCreated = "wurde angelegt.";

std::string refusal(std::string_view reason) {
    return "Fehler;" + std::string(reason);
}

// "00", a country code and a national number: digits only.
bool isInternationalNumber(const std::string& n) {
    if (n.size() < 7 || n.size() > 20 || n.compare(0, 2, "00") != 0 || n[2] == '0')
        return false;
    for (const char c : n) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

std::string lengthRefusal(charging::Charge::Problem p) {
    switch (p) {
    case charging::Charge::Empty:
        return "Die Nachricht enthält keinen Text.";
    case charging::Charge::TooLong:
        return "Die Nachricht ist länger als 1500 Zeichen.";
    case charging::Charge::NeedsLong:
        return "Die Nachricht ist länger als 160 Zeichen. Längere Texte werden nur als Überlange-SMS "
               "angenommen.";
    case charging::Charge::None:
        break;
    }
    return {};
}

// Judges, charges and stores one send inside one transaction; returns the
// reply. A refusal leaves the database as it was.
std::string process(Database& db, const SendRequest& r, const std::string& rawBody) {
    auto lock = db.lock();
    Transaction t(db);

    const auto account = accounts::authenticate(db, r.email, r.kennwort);
    if (!account)
        return refusal("Die Anmeldung ist fehlgeschlagen: eMail-Adresse oder Kennwort sind falsch.");
    if (!account->activated)
        return refusal("Ihr Konto ist noch nicht freigeschaltet. Bitte bestätigen Sie zuerst Ihr Kennwort.");
    if (!isInternationalNumber(r.empfaenger))
        return refusal("Die Empfängernummer \"" + r.empfaenger +
                       "\" ist ungültig. Sie muss mit 00 und der Ländervorwahl beginnen.");
    if (r.scheduled) {
        const std::string problem = scheduleProblem(r);
        if (!problem.empty())
            return refusal(problem);
    }

    const int counted = charging::countedSize(r.text);
    const bool push = r.wantsPush() && pushRegistry::isRegistered(db, r.empfaenger);
    const charging::Charge c = charging::charge({counted, r.longMessage(), r.senderId(), r.replies(), push});
    if (c.problem != charging::Charge::None)
        return refusal(lengthRefusal(c.problem));
    if (account->credits < c.cost)
        return refusal("Ihr Guthaben von " + std::to_string(account->credits) +
                       " Credits reicht für diese Nachricht (" + std::to_string(c.cost) +
                       " Credits) nicht aus.");

    accounts::addCredits(db, account->id, -c.cost);
    MessageRecord m;
    m.accountId = account->id;
    m.endpoint = r.scheduled ? "CronSMS" : "SendSMS";
    m.request = &r;
    m.rawBody = rawBody;
    m.countedSize = counted;
    m.parts = c.parts;
    m.cost = c.cost;
    m.status = r.scheduled ? "scheduled" : c.push ? "push" : "sms";
    const std::int64_t messageId = messages::insert(db, m);

    if (r.wantsPrivateEntry())
        phonebook::put(db, account->id, "private", r.empfaengername, r.empfaenger);
    if (r.wantsPublicEntry())
        phonebook::put(db, account->id, "public", r.empfaengername, r.empfaenger);

    std::int64_t jobId = 0;
    if (r.scheduled)
        jobId = scheduledJobs::insert(
            db, account->id,
            {0, messageId, r.term, r.cronjobstring, r.enddate, r.text, r.empfaenger, r.empfaengername});

    if (r.confirmByMail())
        outbox::send(db, account->email, "Einlieferungsbestätigung",
                     "Ihre Nachricht Nr. " + std::to_string(messageId) + " an " + r.empfaenger +
                         " wurde eingeliefert.\r\n\r\n" + r.text);
    t.commit();

    std::string reply = "OK;";
    if (r.scheduled) {
        std::string start = r.term;
        if (!start.empty() && start.back() == ' ')
            start.pop_back();
        reply += "Der Terminauftrag Nr. " + std::to_string(jobId) + " an " + r.empfaenger + ' ' + kCreated +
                 ";Erster Versand: " + start;
    } else {
        reply += "Die " + std::string(c.push ? "Nachricht" : "SMS") + " an " + r.empfaenger + ' ' + kAccepted;
        if (c.push)
            reply += ";Zustellung als Push-Nachricht";
    }
    if (c.parts > 1)
        reply += ";Teile: " + std::to_string(c.parts);
    reply += ";Nachricht Nr. " + std::to_string(messageId) +
             ";Abgebuchte Credits: " + std::to_string(c.cost) +
             ";Restguthaben: " + std::to_string(account->credits - c.cost) + " Credits";
    return reply;
}

void handle(Context& ctx, const httplib::Request& req, httplib::Response& res, bool scheduled) {
    std::string error;
    const auto form = FormData::parse(req.body, &error);
    if (!form)
        return replyError(res, 400, error);
    const auto request = SendRequest::fromForm(*form, scheduled, &error);
    if (!request)
        return replyError(res, 400, error);
    const std::string reply = process(ctx.db, *request, req.body);
    if (reply.rfind("Fehler;", 0) == 0)
        logLine("send refused for " + request->email + ": " + reply.substr(7));
    replyText(res, reply);
}

} // namespace

void registerSendHandlers(httplib::Server& server, Context& ctx) {
    server.Post(exactRoute(paths::kSendSms), [&ctx](const httplib::Request& req, httplib::Response& res) {
        handle(ctx, req, res, false);
    });
    server.Post(exactRoute(paths::kCronSms),
                [&ctx](const httplib::Request& req, httplib::Response& res) { handle(ctx, req, res, true); });
}

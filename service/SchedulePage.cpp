#include "SchedulePage.h"

#include "Accounts.h"
#include "Context.h"
#include "Database.h"
#include "Endpoints.h"
#include "Html.h"
#include "PageLogin.h"
#include "Reply.h"
#include "RequestForm.h"
#include "ScheduledJobs.h"

#include <httplib.h>

#include <charconv>

namespace {

std::string jobTable(const std::vector<ScheduledJob>& jobs, const std::string& email,
                     const std::string& password, const std::string& backcolor) {
    if (jobs.empty())
        return "<p>Es gibt keine aktiven SMS - Aufträge.</p>\n";
    std::string out = "<table>\n<tr><th>Nr.</th><th>Start</th><th>Wiederholung</th><th>Ende</th>"
                      "<th>Empfänger</th><th>Text</th><th></th></tr>\n";
    for (const ScheduledJob& j : jobs) {
        out += "<tr><td>" + std::to_string(j.id) + "</td><td>" + html::escape(j.startTime) + "</td><td>" +
               html::escape(j.cronString) + "</td><td>" + html::escape(j.endTime) + "</td><td>" +
               html::escape(j.recipientName) + " " + html::escape(j.recipient) + "</td><td>" +
               html::escape(j.text) + "</td><td><form method=\"post\" action=\"" + paths::kEditCronSms +
               "\">" + html::hiddenField("email", email) + html::hiddenField("kennwort", password) +
               html::hiddenField("backcolor", backcolor) +
               html::hiddenField("loeschen", std::to_string(j.id)) +
               "<input type=\"submit\" value=\"Löschen\"></form></td></tr>\n";
    }
    return out + "</table>\n";
}

std::string deleteJob(Database& db, std::int64_t accountId, const std::string& idText) {
    std::int64_t id = 0;
    const auto [end, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (ec != std::errc() || end != idText.data() + idText.size() ||
        !scheduledJobs::markDeleted(db, accountId, id))
        return "<p class=\"error\">Diesen Auftrag gibt es nicht.</p>\n";
    return "<p class=\"notice\">Der Auftrag Nr. " + std::to_string(id) + " wurde gelöscht.</p>\n";
}

void schedulePage(Context& ctx, const httplib::Request& req, httplib::Response& res) {
    const auto form = requestForm(req, res, {"email", "kennwort"});
    if (!form)
        return;
    const std::string email = *form->value("email");
    const std::string password = *form->value("kennwort");
    const std::string backcolor = form->valueOr("backcolor");
    html::Page page{"Terminversand", html::backColor(backcolor), {}};
    auto lock = ctx.db.lock();
    const auto account = pageAccount(ctx.db, email, password, page, res);
    if (!account)
        return;
    std::string notice;
    if (req.method == "POST")
        notice = deleteJob(ctx.db, account->id, form->valueOr("loeschen"));
    page.body = "<h1>Terminversand</h1>\n" + notice +
                jobTable(scheduledJobs::active(ctx.db, account->id), email, password, backcolor) +
                html::closeLink();
    replyPage(res, html::render(page));
}

} // namespace

void registerSchedulePage(httplib::Server& server, Context& ctx) {
    auto page = [&ctx](const httplib::Request& req, httplib::Response& res) { schedulePage(ctx, req, res); };
    server.Get(exactRoute(paths::kEditCronSms), page);
    server.Post(exactRoute(paths::kEditCronSms), page);
}

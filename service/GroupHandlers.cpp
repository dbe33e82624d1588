#include "GroupHandlers.h"

#include "Accounts.h"
#include "Context.h"
#include "Database.h"
#include "Endpoints.h"
#include "Groups.h"
#include "Html.h"
#include "MsmsLine.h"
#include "PageLogin.h"
#include "Reply.h"
#include "RequestForm.h"

#include <httplib.h>

namespace {

constexpr std::size_t kMaxMembers = 10000;

std::string groupList(const std::vector<WebGroup>& list) {
    if (list.empty())
        return "<p>Sie haben noch keine Gruppen angelegt.</p>\n";
    std::string out = "<table>\n<tr><th>Gruppe</th><th>Einträge</th></tr>\n";
    for (const WebGroup& g : list) {
        out += "<tr><td><a href=\"" + html::escape("http://gruppe//" + g.fileName) + "\">" +
               html::escape(g.name) + "</a></td><td>" + std::to_string(g.members) + "</td></tr>\n";
    }
    return out + "</table>\n";
}

std::string newGroupForm(const std::string& email, const std::string& password) {
    return std::string("<h2>Neue Gruppe anlegen</h2>\n<form method=\"post\" action=\"") + paths::kWebGroup +
           "\">\n" + html::hiddenField("email", email) + html::hiddenField("passwort", password) +
           "\n<p>Name: <input type=\"text\" name=\"name\"></p>\n"
           "<p>Eine Zeile je Empfänger: Name;Nummer;Freitext1;Freitext2;</p>\n"
           "<p><textarea name=\"eintraege\" rows=\"6\" cols=\"60\"></textarea></p>\n"
           "<p><input type=\"submit\" value=\"Gruppe anlegen\"></p>\n</form>\n";
}

// The notice above the list after a POST: "" for none.
std::string createGroup(Database& db, std::int64_t accountId, const FormData& form) {
    const std::string name = form.valueOr("name");
    if (name.empty())
        return "<p class=\"error\">Bitte geben Sie einen Namen für die Gruppe an.</p>\n";
    std::string error;
    const auto members = msms::fromText(form.valueOr("eintraege"), &error);
    if (!members)
        return "<p class=\"error\">" + html::escape(error) + "</p>\n";
    if (members->empty() || members->size() > kMaxMembers)
        return "<p class=\"error\">Eine Gruppe braucht mindestens einen und höchstens 10000 Einträge.</p>\n";
    Transaction t(db);
    groups::create(db, accountId, name, *members);
    t.commit();
    return "<p class=\"notice\">Die Gruppe \"" + html::escape(name) + "\" wurde angelegt.</p>\n";
}

// GET shows the page; a POST (body given) creates a group first.
void groupPage(Context& ctx, const httplib::Request& req, httplib::Response& res, const std::string* body) {
    const auto form = body ? formFromBytes(*body, res, {"email", "passwort"})
                           : requestForm(req, res, {"email", "passwort"});
    if (!form)
        return;
    const std::string email = *form->value("email");
    const std::string password = *form->value("passwort");
    html::Page page{"Gruppe öffnen", html::backColor(form->valueOr("backcolor")), {}};
    auto lock = ctx.db.lock();
    const auto account = pageAccount(ctx.db, email, password, page, res);
    if (!account)
        return;
    std::string notice;
    if (body)
        notice = createGroup(ctx.db, account->id, *form);
    page.body = "<h1>Gruppen</h1>\n" + notice + "<p>Wählen Sie eine Gruppe für den Massenversand.</p>\n" +
                groupList(groups::list(ctx.db, account->id)) + newGroupForm(email, password) +
                html::closeLink();
    replyPage(res, html::render(page));
}

void groupFile(Context& ctx, const httplib::Request& req, httplib::Response& res) {
    const std::string fileName = req.matches[1];
    auto lock = ctx.db.lock();
    const auto group = groups::byFileName(ctx.db, fileName);
    if (!group)
        return replyError(res, 404, "Die Gruppe \"" + fileName + "\" gibt es nicht.");
    std::string text;
    for (const MsmsEntry& m : groups::members(ctx.db, group->id))
        text += msms::toLine(m) + '\n';
    replyText(res, text);
}

} // namespace

void registerGroupHandlers(httplib::Server& server, Context& ctx) {
    // The page lives in the same folder as the files: register it first.
    server.Get(exactRoute(paths::kWebGroup), [&ctx](const httplib::Request& req, httplib::Response& res) {
        groupPage(ctx, req, res, nullptr);
    });
    // The library refuses form bodies over 8 KB when it reads them itself; a
    // group of a few hundred members is larger, so this handler reads its body.
    server.Post(exactRoute(paths::kWebGroup), [&ctx](const httplib::Request& req, httplib::Response& res,
                                                     const httplib::ContentReader& reader) {
        std::string body;
        // Fails for a body over the server's payload limit (drained, not read).
        const bool complete = reader([&body](const char* data, std::size_t length) {
            body.append(data, length);
            return true;
        });
        if (!complete)
            return replyError(res, 413, "Die Anfrage ist zu groß.");
        groupPage(ctx, req, res, &body);
    });
    server.Get(exactRoute(paths::kWebGroupDir) + "([^/]+)",
               [&ctx](const httplib::Request& req, httplib::Response& res) { groupFile(ctx, req, res); });
}

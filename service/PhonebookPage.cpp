#include "PhonebookPage.h"

#include "Accounts.h"
#include "Context.h"
#include "Database.h"
#include "Endpoints.h"
#include "Html.h"
#include "Phonebook.h"
#include "PageLogin.h"
#include "Reply.h"
#include "RequestForm.h"

#include <httplib.h>

namespace {

std::string bookSection(const char* heading, const std::vector<PhonebookEntry>& entries, const char* book) {
    std::string out = std::string("<h2>") + heading + "</h2>\n";
    std::string rows;
    for (const PhonebookEntry& e : entries) {
        if (e.book != book)
            continue;
        rows += "<tr><td><a href=\"" + html::contactHref(e.name, e.number) + "\">" + html::escape(e.name) +
                "</a></td><td>" + html::escape(e.number) + "</td></tr>\n";
    }
    if (rows.empty())
        return out + "<p>Keine Einträge.</p>\n";
    return out + "<table>\n<tr><th>Name</th><th>Nummer</th></tr>\n" + rows + "</table>\n";
}

void phonebookPage(Context& ctx, const httplib::Request& req, httplib::Response& res) {
    const auto form = requestForm(req, res, {"email", "passwort"});
    if (!form)
        return;
    html::Page page{"Telefonbuch", html::backColor(form->valueOr("backcolor")), {}};
    auto lock = ctx.db.lock();
    const auto account = pageAccount(ctx.db, *form->value("email"), *form->value("passwort"), page, res);
    if (!account)
        return;
    const auto entries = phonebook::list(ctx.db, account->id);
    page.body =
        "<h1>Telefonbuch</h1>\n<p>Klicken Sie auf einen Namen, um ihn als Empfänger zu übernehmen.</p>\n" +
        bookSection("Privates Telefonbuch", entries, "private") +
        bookSection("Öffentliches Telefonbuch", entries, "public") + html::closeLink();
    replyPage(res, html::render(page));
}

} // namespace

void registerPhonebookPage(httplib::Server& server, Context& ctx) {
    server.Get(exactRoute(paths::kPhonebook),
               [&ctx](const httplib::Request& req, httplib::Response& res) { phonebookPage(ctx, req, res); });
}

#include "CreditShop.h"

#include "Accounts.h"
#include "Context.h"
#include "Database.h"
#include "Endpoints.h"
#include "Html.h"
#include "Log.h"
#include "PageLogin.h"
#include "Reply.h"
#include "RequestForm.h"

#include <httplib.h>

namespace {

const CreditPackage* findPackage(const std::string& number) {
    for (const CreditPackage& p : kCreditPackages) {
        if (std::to_string(p.number) == number)
            return &p;
    }
    return nullptr;
}

std::string packageForms(const std::string& email, const std::string& password,
                         const std::string& backcolor) {
    std::string out = "<table>\n<tr><th>Paket</th><th>Preis</th><th></th></tr>\n";
    for (const CreditPackage& p : kCreditPackages) {
        out += "<tr><td>" + std::to_string(p.credits) + " Credits</td><td>" + html::escape(p.price) +
               "</td><td><form method=\"post\" action=\"" + paths::kBuyCredits + "\">" +
               html::hiddenField("email", email) + html::hiddenField("passwort", password) +
               html::hiddenField("backcolor", backcolor) +
               html::hiddenField("paket", std::to_string(p.number)) +
               "<input type=\"submit\" value=\"Kaufen\"></form></td></tr>\n";
    }
    return out + "</table>\n";
}

void shopPage(Context& ctx, const httplib::Request& req, httplib::Response& res) {
    const auto form = requestForm(req, res, {"email", "passwort"});
    if (!form)
        return;
    const std::string email = *form->value("email");
    const std::string password = *form->value("passwort");
    const std::string backcolor = form->valueOr("backcolor");
    html::Page page{"Credits einkaufen", html::backColor(backcolor), {}};
    auto lock = ctx.db.lock();
    const auto account = pageAccount(ctx.db, email, password, page, res);
    if (!account)
        return;
    std::int64_t balance = account->credits;
    std::string notice;
    if (req.method == "POST") {
        const CreditPackage* p = findPackage(form->valueOr("paket"));
        if (!p) {
            notice = "<p class=\"error\">Dieses Paket gibt es nicht.</p>\n";
        } else {
            Transaction t(ctx.db);
            accounts::addCredits(ctx.db, account->id, p->credits);
            t.commit();
            balance += p->credits;
            logLine("credits bought: " + account->email + " +" + std::to_string(p->credits));
            notice = "<p class=\"notice\">Vielen Dank für Ihren Einkauf! Ihrem Konto wurden " +
                     std::to_string(p->credits) + " Credits gutgeschrieben.</p>\n";
        }
    }
    page.body = "<h1>Credits einkaufen</h1>\n" + notice + "<p>Ihr Guthaben: <b id=\"guthaben\">" +
                std::to_string(balance) + "</b> Credits</p>\n" + packageForms(email, password, backcolor) +
                html::closeLink();
    replyPage(res, html::render(page));
}

} // namespace

void registerCreditShop(httplib::Server& server, Context& ctx) {
    auto page = [&ctx](const httplib::Request& req, httplib::Response& res) { shopPage(ctx, req, res); };
    server.Get(exactRoute(paths::kBuyCredits), page);
    server.Post(exactRoute(paths::kBuyCredits), page);
}

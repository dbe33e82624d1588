#include "InfoHandlers.h"

#include "Charging.h"
#include "Context.h"
#include "CreditShop.h"
#include "Database.h"
#include "Endpoints.h"
#include "Html.h"
#include "News.h"
#include "Reply.h"

#include <httplib.h>

namespace {

void newsPage(Context& ctx, httplib::Response& res) {
    std::vector<NewsItem> items;
    {
        auto lock = ctx.db.lock();
        items = news::latest(ctx.db, 5);
    }
    std::string body = "<h1>Neuigkeiten</h1>\n";
    if (items.empty())
        body += "<p>Zurzeit gibt es keine Neuigkeiten.</p>\n";
    for (const NewsItem& n : items) {
        body += "<h2>" + html::escape(n.title) + "</h2>\n<p><small>" + html::escape(n.published) +
                "</small></p>\n<p>";
        for (const char c : html::escape(n.body))
            body += c == '\n' ? std::string("<br>\n") : std::string(1, c);
        body += "</p>\n";
    }
    replyPage(res, html::render({"Neuigkeiten", {}, body + html::closeLink()}));
}

void helpPage(httplib::Response& res) {
    using namespace charging;
    const std::string body =
        "<h1>Hilfe</h1>\n"
        "<h2>SMS versenden</h2>\n"
        "<p>Wählen Sie die Vorwahl, geben Sie die Rufnummer und Ihren Text ein und klicken Sie auf "
        "Senden. Eine SMS fasst 160 Zeichen; das Euro-Zeichen und das Anführungszeichen zählen doppelt.</p>\n"
        "<h2>Kosten</h2>\n<ul>\n<li>SMS: " +
        std::to_string(kCostPerSms) +
        " Credits</li>\n<li>mit Absenderkennung: " + std::to_string(kCostPerSmsWithSenderId) +
        " Credits</li>\n<li>Antworten empfangen: +" + std::to_string(kReplyExtra) +
        " Credit</li>\n<li>Überlange SMS: je " + std::to_string(kLongPartLength) +
        " Zeichen ein Teil</li>\n<li>Zustellung per Push: " + std::to_string(kPushCost) +
        " Credits</li>\n</ul>\n"
        "<h2>Massenversand und Gruppen</h2>\n"
        "<p>Gruppen aus dem Internet-Telefonbuch können direkt in den Massenversand geladen werden.</p>\n"
        "<h2>Terminversand</h2>\n"
        "<p>Nachrichten können zu einem späteren Zeitpunkt oder als Serie versendet werden. Aktive Aufträge "
        "finden Sie in den Einstellungen unter \"Terminversand\".</p>\n";
    replyPage(res, html::render({"Hilfe", {}, body}));
}

void termsPage(httplib::Response& res) {
    std::string prices;
    for (const CreditPackage& p : kCreditPackages)
        prices += "<li>" + std::to_string(p.credits) + " Credits: " + html::escape(p.price) + "</li>\n";
    const std::string body =
        "<h1>Allgemeine Geschäftsbedingungen</h1>\n"
        "<h2>1. Geltungsbereich</h2>\n"
        "<p>Diese Bedingungen gelten für die Nutzung des SMS-Dienstes über die Software und das "
        "Webinterface.</p>\n"
        "<h2>2. Leistungen</h2>\n"
        "<p>Der Dienst übermittelt Kurznachrichten an Mobilfunknummern. Für jede Nachricht werden Credits "
        "vom Guthaben abgebucht; eine Nachricht, die das Guthaben nicht deckt, wird nicht versendet.</p>\n"
        "<h2>3. Preise</h2>\n<ul>\n" +
        prices +
        "</ul>\n"
        "<h2>4. Pflichten des Kunden</h2>\n"
        "<p>Der Kunde versendet keine unerwünschten Werbenachrichten und hält sein Kennwort geheim.</p>\n"
        "<h2>5. Datenschutz</h2>\n"
        "<p>Nachrichten und Telefonbücher werden nur zur Erbringung des Dienstes gespeichert.</p>\n";
    replyPage(res, html::render({"AGB", {}, body}));
}

void homePage(httplib::Response& res) {
    std::string links;
    for (const auto& [path, label] : {std::pair{paths::kHelppage, "Hilfe"},
                                      std::pair{paths::kNews, "Neuigkeiten"}, std::pair{paths::kAgb, "AGB"}})
        links += std::string("<li><a href=\"") + path + "\">" + label + "</a></li>\n";
    const std::string body =
        "<h1>Velvox SMS-Dienst</h1>\n"
        "<p>SMS versenden direkt vom Desktop: einzeln, an Gruppen oder zum Termin.</p>\n<ul>\n" +
        links + "</ul>\n";
    replyPage(res, html::render({"Velvox", {}, body}));
}

} // namespace

void registerInfoHandlers(httplib::Server& server, Context& ctx) {
    server.Get(exactRoute(paths::kCheckVersion), [&ctx](const httplib::Request&, httplib::Response& res) {
        replyText(res, ctx.config.latestVersion);
    });
    server.Get(exactRoute(paths::kCheckInfo), [&ctx](const httplib::Request&, httplib::Response& res) {
        replyText(res, std::to_string(ctx.config.infoVersion));
    });
    server.Get(exactRoute(paths::kNews),
               [&ctx](const httplib::Request&, httplib::Response& res) { newsPage(ctx, res); });
    server.Get(exactRoute(paths::kHelppage),
               [](const httplib::Request&, httplib::Response& res) { helpPage(res); });
    server.Get(exactRoute(paths::kAgb),
               [](const httplib::Request&, httplib::Response& res) { termsPage(res); });
    server.Get(exactRoute(paths::kHomepage),
               [](const httplib::Request&, httplib::Response& res) { homePage(res); });
}

#include "PageLogin.h"

#include "Reply.h"

std::optional<Account> pageAccount(Database& db, std::string_view email, std::string_view password,
                                             html::Page& page, httplib::Response& res) {
    auto account = accounts::authenticate(db, email, password);
    if (!account) {
        page.body = html::loginFailedBody();
        replyPage(res, html::render(page));
    }
    return account;
}

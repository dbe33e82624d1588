#pragma once

#include "Accounts.h"
#include "Html.h"

#include <optional>
#include <string_view>

class Database;
namespace httplib {
struct Response;
}

// The account a page is shown for. A wrong e-mail or password answers the
// request with the login-failed page and gives nothing.
std::optional<Account> pageAccount(Database& db, std::string_view email, std::string_view password,
                                             html::Page& page, httplib::Response& res);

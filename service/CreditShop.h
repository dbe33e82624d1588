#pragma once

#include <array>

namespace httplib {
class Server;
}
struct Context;

struct CreditPackage {
    int number;
    int credits;
    const char* price;
};

// What the shop sells; "paket" in the purchase form names the number.
inline constexpr std::array<CreditPackage, 3> kCreditPackages = {{
    {1, 500, "5,00 €"},
    {2, 1000, "9,50 €"},
    {3, 5000, "45,00 €"},
}};

// BuyCredits: the credit shop. GET shows the balance and one purchase form per
// package; posting a form adds the package's credits and confirms it.
void registerCreditShop(httplib::Server& server, Context& ctx);

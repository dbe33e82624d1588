#pragma once

namespace httplib {
class Server;
}
struct Context;

// SmsCount, CheckUser and CreateUser: plain-text replies of one number.
void registerAccountHandlers(httplib::Server& server, Context& ctx);

// Credits a new registration starts with.
inline constexpr int kWelcomeCredits = 50;

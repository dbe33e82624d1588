#pragma once

namespace httplib {
class Server;
}
struct Context;

// CheckVersion and CheckInfo (one line of text each), and the pages that need
// no login: News, Helppage, AGB, Homepage.
void registerInfoHandlers(httplib::Server& server, Context& ctx);

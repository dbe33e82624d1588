#pragma once

namespace httplib {
class Server;
}
struct Context;

// WebGroup: the account's groups as links "http://gruppe//" + file name, and
// a form that creates a group from lines in the ".msms" format. WebGroupDir +
// file name: the group as LF-separated ".msms" lines.
void registerGroupHandlers(httplib::Server& server, Context& ctx);

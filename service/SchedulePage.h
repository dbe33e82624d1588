#pragma once

namespace httplib {
class Server;
}
struct Context;

// EditCronSMS: the account's scheduled sends, each with a form that deletes it
// (POST with "loeschen" = the job number).
void registerSchedulePage(httplib::Server& server, Context& ctx);

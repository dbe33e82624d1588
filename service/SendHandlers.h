#pragma once

namespace httplib {
class Server;
}
struct Context;

// SendSMS and CronSMS: the gateway form post.
void registerSendHandlers(httplib::Server& server, Context& ctx);

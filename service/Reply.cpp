#include "Reply.h"

#include "Windows1252.h"

#include <httplib.h>

void replyText(httplib::Response& res, std::string_view utf8) {
    res.status = 200;
    res.set_content(win1252::fromUtf8(utf8), kPlainType);
}

void replyPage(httplib::Response& res, std::string_view htmlUtf8) {
    res.status = 200;
    res.set_content(win1252::fromUtf8(htmlUtf8), kHtmlType);
}

void replyError(httplib::Response& res, int status, std::string_view utf8) {
    res.status = status;
    res.set_content(win1252::fromUtf8(std::string(utf8) + "\r\n"), kPlainType);
}

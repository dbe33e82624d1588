#pragma once

#include <string_view>

namespace httplib {
struct Response;
}

// Every reply the client reads is Windows-1252 text with status 200 (the
// client takes any other status as a failed transfer), refusals included.
// Only requests the client would never send get a 4xx status, still with a
// plain-text German reason.
inline constexpr const char* kPlainType = "text/plain; charset=windows-1252";
inline constexpr const char* kHtmlType = "text/html; charset=windows-1252";

void replyText(httplib::Response& res, std::string_view utf8);
void replyPage(httplib::Response& res, std::string_view htmlUtf8);
void replyError(httplib::Response& res, int status, std::string_view utf8);

#pragma once

#include <array>
#include <string>
#include <string_view>

// The service's addresses: key of the client's endpoint table (and of section
// "URLs" in "oem.inf") and the path the service answers at. SmsCount carries
// "?email=" because the client appends the address to it.
struct Endpoint {
    const char* key;
    const char* path;
};

namespace paths {
inline constexpr const char* kHomepage = "/";
inline constexpr const char* kHelppage = "/hilfe/";
inline constexpr const char* kSendSms = "/smsv3/smsv3.php";
inline constexpr const char* kCronSms = "/cronjob/send_repeat.php";
inline constexpr const char* kEditCronSms = "/terminversand/deleteSMS.php";
inline constexpr const char* kPhonebook = "/telefonbuch/telefonbuch.php";
inline constexpr const char* kWebGroup = "/sms/gruppenv2/gruppenv2.php";
inline constexpr const char* kBuyCredits = "/sms/buyCredits.php";
inline constexpr const char* kCheckUser = "/sms/checkUser.php";
inline constexpr const char* kCreateUser = "/sms/createUser.php";
inline constexpr const char* kSmsCount = "/sms/count.php";
inline constexpr const char* kCheckVersion = "/update/version";
inline constexpr const char* kCheckInfo = "/update/infoVersion2";
inline constexpr const char* kAgb = "/sms_agb/sms_agb.htm";
inline constexpr const char* kWebGroupDir = "/sms/gruppenv2/";
inline constexpr const char* kNews = "/news2.htm";
inline constexpr const char* kUpdate = "/update/velvox.exe";
} // namespace paths

inline constexpr std::array<Endpoint, 17> kEndpoints = {{
    {"Homepage", paths::kHomepage},
    {"Helppage", paths::kHelppage},
    {"SendSMS", paths::kSendSms},
    {"CronSMS", paths::kCronSms},
    {"EditCronSMS", paths::kEditCronSms},
    {"Phonebook", paths::kPhonebook},
    {"WebGroup", paths::kWebGroup},
    {"BuyCredits", paths::kBuyCredits},
    {"CheckUser", paths::kCheckUser},
    {"CreateUser", paths::kCreateUser},
    {"SmsCount", "/sms/count.php?email="},
    {"CheckVersion", paths::kCheckVersion},
    {"CheckInfo", paths::kCheckInfo},
    {"AGB", paths::kAgb},
    {"WebGroupDir", paths::kWebGroupDir},
    {"News", paths::kNews},
    {"Update", paths::kUpdate},
}};

// A route pattern for the HTTP library (which matches regular expressions)
// that matches exactly this path.
std::string exactRoute(std::string_view path);

// The "oem.inf" that points the client at this service: section "[URLs]" with
// one line per endpoint, baseUrl ("http://127.0.0.1:8080", no trailing slash)
// followed by the path. Lines end in CR LF, as the client's profiles do.
std::string oemProfile(std::string_view baseUrl);

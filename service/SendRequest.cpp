#include "SendRequest.h"

#include "FormData.h"

const std::array<SendField, 20> kSendFields = {{
    {"email", &SendRequest::email, false},
    {"kennwort", &SendRequest::kennwort, false},
    {"firma", &SendRequest::firma, false},
    {"empfaenger", &SendRequest::empfaenger, false},
    {"empfaengername", &SendRequest::empfaengername, false},
    {"private", &SendRequest::privateBook, false},
    {"public", &SendRequest::publicBook, false},
    {"skippush", &SendRequest::skippush, false},
    {"version", &SendRequest::version, false},
    {"text", &SendRequest::text, false},
    {"absenderkennung", &SendRequest::absenderkennung, false},
    {"absender", &SendRequest::absender, false},
    {"statusmeldung", &SendRequest::statusmeldung, false},
    {"antwort", &SendRequest::antwort, false},
    {"einlieferung", &SendRequest::einlieferung, false},
    {"referer", &SendRequest::referer, false},
    {"term", &SendRequest::term, true},
    {"cronjobstring", &SendRequest::cronjobstring, true},
    {"enddate", &SendRequest::enddate, true},
    {"long", &SendRequest::longSms, false},
}};

namespace {

bool isFlag(const std::string& v) {
    return v == "true" || v == "false";
}

} // namespace

std::optional<SendRequest> SendRequest::fromForm(const FormData& form, bool scheduled, std::string* error) {
    SendRequest r;
    r.scheduled = scheduled;
    for (const SendField& f : kSendFields) {
        if (f.scheduleOnly && !scheduled)
            continue;
        const std::size_t n = form.count(f.name);
        if (n != 1) {
            *error = std::string("Ungültige Anfrage: das Feld \"") + f.name +
                     (n == 0 ? "\" fehlt." : "\" ist doppelt.");
            return std::nullopt;
        }
        r.*f.member = *form.value(f.name);
    }
    for (const std::string* flag : {&r.privateBook, &r.publicBook, &r.absenderkennung, &r.statusmeldung,
                                    &r.antwort, &r.einlieferung, &r.longSms}) {
        if (!isFlag(*flag)) {
            *error = "Ungültige Anfrage: ein Schalter ist weder \"true\" noch \"false\".";
            return std::nullopt;
        }
    }
    if (r.skippush != "0" && r.skippush != "1") {
        *error = "Ungültige Anfrage: \"skippush\" ist weder \"0\" noch \"1\".";
        return std::nullopt;
    }
    return r;
}

// The stand-in service's reader of form bodies and query strings, and the
// send request it builds from one.
#include "FuzzSupport.h"

#include "FormData.h"
#include "SendRequest.h"
#include "Utf8.h"
#include "Windows1252.h"

#include <string>

namespace {

bool validUtf8(const std::string& s) {
    bool ok = true;
    utf8::forEachCodePoint(s, [&](char32_t cp) { ok = ok && cp != 0xFFFD; });
    return ok;
}

// The client's escaping: everything but letters and digits as %XX of its
// Windows-1252 code.
std::string escape(const std::string& utf8Text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : win1252::fromUtf8(utf8Text)) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::string_view query = FormData::queryOf(raw);
    fuzz::require(query.empty() || query.data() > raw.data(), "query starts before the '?'");

    std::string error;
    const auto form = FormData::parse(raw, &error);
    if (!form) {
        fuzz::require(!error.empty(), "a refused form without a reason");
        return 0;
    }
    std::string again;
    for (const FormData::Field& f : form->fields()) {
        fuzz::require(!f.name.empty(), "a field without a name");
        fuzz::require(validUtf8(f.name) && validUtf8(f.value), "a field that is not UTF-8");
        again += (again.empty() ? "" : "&") + escape(f.name) + '=' + escape(f.value);
    }
    // What the service read, written the way the client writes it, reads the same.
    const auto reread = FormData::parse(again, &error);
    fuzz::require(reread.has_value(), "an escaped form is refused", QString::fromStdString(again));
    fuzz::require(reread->fields().size() == form->fields().size(), "escaped form has other fields");
    for (std::size_t i = 0; i < form->fields().size(); ++i)
        fuzz::require(reread->fields()[i].name == form->fields()[i].name &&
                          reread->fields()[i].value == form->fields()[i].value,
                      "escaped form has other values", QString::fromStdString(again));

    for (const bool scheduled : {false, true}) {
        if (const auto send = SendRequest::fromForm(*form, scheduled, &error)) {
            fuzz::require(send->scheduled == scheduled, "schedule flag lost");
            fuzz::require(send->email == form->valueOr("email"), "send request with another e-mail");
        }
    }
    return 0;
}

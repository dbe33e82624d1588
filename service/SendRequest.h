#pragma once

#include <array>
#include <optional>
#include <string>

class FormData;

// The fields of a gateway send request, named as on the wire. Values are
// UTF-8, exactly as they arrived (booleans stay "true"/"false", skippush
// "0"/"1").
struct SendRequest {
    std::string email, kennwort, firma, empfaenger, empfaengername, privateBook, publicBook, skippush,
        version, text, absenderkennung, absender, statusmeldung, antwort, einlieferung, referer, term,
        cronjobstring, enddate, longSms;
    bool scheduled = false; // term, cronjobstring and enddate are set only then

    bool wantsPrivateEntry() const { return privateBook == "true"; }
    bool wantsPublicEntry() const { return publicBook == "true"; }
    bool wantsPush() const { return skippush == "0"; }
    bool senderId() const { return absenderkennung == "true"; }
    bool replies() const { return antwort == "true"; }
    bool confirmByMail() const { return einlieferung == "true"; }
    bool longMessage() const { return longSms == "true"; }

    // Reads the seventeen fields (twenty for a scheduled send). Missing or
    // repeated fields and flags other than the client's "true"/"false" and
    // "0"/"1" are requests the client never sends: nothing is returned and
    // *error gets a German reason.
    static std::optional<SendRequest> fromForm(const FormData& form, bool scheduled, std::string* error);
};

// Wire name and member of every field, in the order the client writes them.
struct SendField {
    const char* name;
    std::string SendRequest::*member;
    bool scheduleOnly;
};
extern const std::array<SendField, 20> kSendFields;

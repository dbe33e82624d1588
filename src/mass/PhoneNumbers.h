#pragma once

#include <QString>

// Recipient numbers read by the phone-number library, with Germany as the
// region of numbers written without a country code. Numbers come out in the
// form the gateway takes: "00", country code, national number
// ("+49 170 1234567" and "0170/1234567" become "00491701234567").
namespace PhoneNumbers {

enum class Kind { Mobile, NotMobile, Invalid };

struct Result {
    // Empty when the text holds no digit at all.
    QString number;
    Kind kind = Kind::Invalid;
};

// A number as a person wrote it. One that the library cannot read as a valid
// number keeps its digits: separators dropped, a leading "+" as "00", a
// national "0…" as "0049…", so it still shows what was meant.
Result normalize(const QString& written);

// What a number of the list is: a mobile number, a valid number that does
// not take SMS (landline, service number) or no valid number. Answers are
// remembered, so asking again for a long list is cheap; safe from any thread.
Kind classify(const QString& number);

// True for the numbers a mass send should reach without asking.
inline bool isMobile(Kind kind) {
    return kind == Kind::Mobile;
}

// The tool tip of a marked number: "Keine gültige Rufnummer" or
// "Keine Mobilfunknummer (Festnetz- oder Sondernummer)"; empty for a mobile number.
QString problemText(Kind kind);

// Two entries with the same key go to the same phone. Numbers already in the
// "00…" digit form are their own key; others are normalised first.
QString duplicateKey(const QString& number);

} // namespace PhoneNumbers

#include "mass/PhoneNumbers.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

#include <optional>
#include <string>

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

const char* const kRegion = "DE";
// The remembered answers are dropped as a whole past this size, so a
// long-running program cannot grow without bound.
constexpr qsizetype kMaxRemembered = 1'000'000;

struct Remembered {
    QMutex mutex;
    QHash<QString, PhoneNumbers::Kind> kinds;
};

Remembered& remembered() {
    static Remembered r;
    return r;
}

void remember(const QString& number, PhoneNumbers::Kind kind) {
    Remembered& r = remembered();
    QMutexLocker lock(&r.mutex);
    if (r.kinds.size() >= kMaxRemembered)
        r.kinds.clear();
    r.kinds.insert(number, kind);
}

bool isDigitsOnly(QStringView s) {
    for (const QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !s.isEmpty();
}

// Digits only, a leading "+" written as "00", a national "0…" as "0049…".
QString keptDigits(const QString& written) {
    QString digits;
    digits.reserve(written.size() + 2);
    bool plus = false;
    for (const QChar c : written) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
        else if (c == u'+' && digits.isEmpty())
            plus = true;
    }
    if (digits.isEmpty())
        return {};
    if (plus)
        return QLatin1String("00") + digits;
    if (digits.startsWith(u'0') && !digits.startsWith(QLatin1String("00")))
        return QLatin1String("0049") + QStringView(digits).mid(1);
    return digits;
}

PhoneNumbers::Kind kindOf(PhoneNumberUtil::PhoneNumberType type) {
    switch (type) {
    case PhoneNumberUtil::MOBILE:
    case PhoneNumberUtil::FIXED_LINE_OR_MOBILE:
        return PhoneNumbers::Kind::Mobile;
    case PhoneNumberUtil::UNKNOWN:
        return PhoneNumbers::Kind::Invalid;
    default:
        return PhoneNumbers::Kind::NotMobile;
    }
}

// The common spellings ("+49 170 1234567", "0170/1234567", "0043-664-…")
// split into country code and national number without the library's full
// parse, which costs several times the check that follows. Anything less
// plain (letters, "(0)", a national number beginning with 0, no prefix at
// all) goes through the full parse.
struct Split {
    int countryCode = 0;
    QString national;
};

std::optional<Split> quickSplit(const QString& written, const PhoneNumberUtil* util) {
    QString digits;
    digits.reserve(written.size());
    bool plus = false;
    for (const QChar c : written) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
        else if (c == u'+' && digits.isEmpty() && !plus)
            plus = true;
        else if (c != u' ' && c != u'/' && c != u'-' && c != u'(' && c != u')' && c != u'.')
            return std::nullopt;
    }
    Split split;
    QStringView international;
    if (plus)
        international = digits;
    else if (digits.startsWith(QLatin1String("00")))
        international = QStringView(digits).mid(2);
    else if (digits.startsWith(u'0')) {
        split.countryCode = 49;
        split.national = digits.mid(1);
    } else
        return std::nullopt;
    if (split.countryCode == 0) {
        // Country codes are prefix-free: the first known one is the one.
        std::string region;
        for (qsizetype length = 1; length <= 3 && length < international.size(); ++length) {
            const int code = international.left(length).toInt();
            util->GetRegionCodeForCountryCode(code, &region);
            if (region != "ZZ") {
                split.countryCode = code;
                split.national = international.mid(length).toString();
                break;
            }
        }
    }
    if (split.countryCode == 0 || split.national.isEmpty() || split.national.startsWith(u'0') ||
        split.national.size() > 17)
        return std::nullopt;
    return split;
}

} // namespace

namespace PhoneNumbers {

Result normalize(const QString& written) {
    const PhoneNumberUtil* util = PhoneNumberUtil::GetInstance();
    PhoneNumber parsed;
    Result r;
    if (const std::optional<Split> split = quickSplit(written, util)) {
        parsed.set_country_code(split->countryCode);
        parsed.set_national_number(split->national.toULongLong());
        r.kind = kindOf(util->GetNumberType(parsed));
        if (r.kind != Kind::Invalid)
            r.number = QLatin1String("00") + QString::number(split->countryCode) + split->national;
    }
    // What the quick split holds invalid gets the full parse, which knows
    // every country's own rules.
    if (r.number.isEmpty() &&
        util->Parse(written.toStdString(), kRegion, &parsed) == PhoneNumberUtil::NO_PARSING_ERROR) {
        // The type is UNKNOWN exactly for numbers the library holds invalid.
        r.kind = kindOf(util->GetNumberType(parsed));
        if (r.kind != Kind::Invalid) {
            std::string e164;
            util->Format(parsed, PhoneNumberUtil::E164, &e164);
            r.number = QLatin1String("00") + QLatin1String(e164.c_str() + 1);
        }
    }
    if (r.number.isEmpty()) {
        r.kind = Kind::Invalid;
        r.number = keptDigits(written);
    }
    if (!r.number.isEmpty())
        remember(r.number, r.kind);
    return r;
}

Kind classify(const QString& number) {
    {
        Remembered& rem = remembered();
        QMutexLocker lock(&rem.mutex);
        const auto it = rem.kinds.constFind(number);
        if (it != rem.kinds.constEnd())
            return *it;
    }
    const Result r = normalize(number);
    // A number that normalises to another text (a typed "0170 1234567") is
    // still what it is; remember it under the text asked for as well.
    if (r.number != number)
        remember(number, r.kind);
    return r.kind;
}

QString problemText(Kind kind) {
    switch (kind) {
    case Kind::Mobile:
        return {};
    case Kind::NotMobile:
        return QStringLiteral("Keine Mobilfunknummer (Festnetz- oder Sondernummer)");
    case Kind::Invalid:
        break;
    }
    return QStringLiteral("Keine gültige Rufnummer");
}

QString duplicateKey(const QString& number) {
    if (number.startsWith(QLatin1String("00")) && isDigitsOnly(number))
        return number;
    const Result r = normalize(number);
    return r.number.isEmpty() ? number : r.number;
}

} // namespace PhoneNumbers

#include "mass/PhoneNumbers.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

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

} // namespace

namespace PhoneNumbers {

Result normalize(const QString& written) {
    const PhoneNumberUtil* util = PhoneNumberUtil::GetInstance();
    PhoneNumber parsed;
    Result r;
    if (util->Parse(written.toStdString(), kRegion, &parsed) == PhoneNumberUtil::NO_PARSING_ERROR) {
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

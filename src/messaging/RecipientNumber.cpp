#include "messaging/RecipientNumber.h"

#include "messaging/PrefixCatalogue.h"

#include <QLocale>

#include <cmath>

namespace RecipientNumber {

std::optional<QString> resolveRecipient(const QString& key, const QString& typed) {
    if (key.isEmpty())
        return std::nullopt;
    const QChar letter = key.front();
    if (PrefixCatalogue::isWorldwide(QString(letter)))
        return typed;
    const QString code = PrefixCatalogue::countryCode(letter);
    if (code.isEmpty())
        return std::nullopt;
    QString number = key;
    number.replace(letter, code);
    return number + typed;
}

QString unknownPrefixText() {
    return QStringLiteral("Unbekannte Vorwahl. Die SMS kann nicht gesendet werden.");
}

bool isNumeric(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    double value = QLocale::system().toDouble(t, &ok);
    if (!ok)
        value = QLocale::c().toDouble(t, &ok);
    // The parsers take "inf" and "nan"; letters never make a number here.
    return ok && std::isfinite(value);
}

Check checkNumberField(const QString& key, const QString& text) {
    Check c;
    if (PrefixCatalogue::isWorldwide(key) && text.size() > 1 && !text.startsWith(QLatin1String("00"))) {
        c.warning = mustStartWith00Text();
        c.marked = true;
    }
    if (!isNumeric(text)) {
        c.warning = digitsOnlyText();
        c.marked = true;
    }
    return c;
}

QString mustStartWith00Text() {
    return QStringLiteral("Die Nummer muss mit der internationalen Vorwahl '00' beginnen.");
}

QString digitsOnlyText() {
    return QStringLiteral("Die Rufnummer darf nur aus Ziffern bestehen.");
}

QString worldwideHint() {
    return QStringLiteral("Bitte geben sie die Rufnummer inklusive der internationalen Vorwahl ein.");
}

QString nationalHint() {
    return QStringLiteral("Geben Sie die Rufnummer ohne Vorwahl ein.");
}

int costPerSms(const QString& key, const QString& number, bool isAbsenderkennung, bool isAntwortEnabled,
               bool isStatusberichtEnabled) {
    int cost = isAbsenderkennung ? 14 : 10;
    if (isAntwortEnabled)
        ++cost;
    if (isStatusberichtEnabled)
        ++cost;
    if (PrefixCatalogue::isWorldwide(key) && number.startsWith(QLatin1String("0049")))
        cost = 19;
    return cost;
}

std::optional<RecentTag> splitRecentTag(const QString& tag) {
    const qsizetype dash = tag.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return std::nullopt;
    RecentTag t;
    t.key = tag.left(dash);
    // Entries written by older versions used "V" for German prefixes.
    t.key.replace(QLatin1Char('V'), QLatin1Char('G'));
    t.number = tag.mid(dash + 1);
    if (!PrefixCatalogue::contains(t.key))
        return std::nullopt;
    return t;
}

PrivateBox privateBoxFor(bool publicChecked) {
    if (publicChecked)
        return {true, false};
    return {false, true};
}

QString numberForSend(const QString& number) {
    if (number.startsWith(QLatin1String("00")))
        return number;
    // "+49170..." is already international: taking its "+" for the first digit
    // of a national number would send to "004949170...", someone else's number.
    if (number.startsWith(QLatin1Char('+')))
        return QLatin1String("00") + QStringView(number).mid(1);
    return QLatin1String("0049") + QStringView(number).mid(1);
}

} // namespace RecipientNumber

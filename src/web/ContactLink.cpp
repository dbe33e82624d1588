#include "web/ContactLink.h"

#include "messaging/PrefixCatalogue.h"

namespace ContactLink {

namespace {

const QString kContactScheme = QStringLiteral("telefon://");
const QString kCloseScheme = QStringLiteral("close://");

struct PrefixRow {
    const char* begins;
    const char* country; // UTF-8
    QChar letter;
    int length; // of the prefix, in characters
};

// "00491520" stands before the general "0049" row.
const PrefixRow kRows[] = {
    {"00491520", "Deutschland", u'G', 8},
    {"0049", "Deutschland", u'G', 7},
    {"0043", "Österreich", u'A', 7},
    {"0041", "die Schweiz", u'S', 6},
};

QString withoutSlashes(QString text) {
    return text.remove(QLatin1Char('/'));
}

} // namespace

PrefixSplit splitNumber(const QString& number) {
    for (const PrefixRow& row : kRows) {
        if (!number.startsWith(QLatin1String(row.begins)))
            continue;
        const QString key =
            row.length == 8 ? QStringLiteral("G1520") : QString(row.letter) + number.mid(4, row.length - 4);
        return {key, withoutSlashes(number.mid(row.length)), QString::fromUtf8(row.country)};
    }
    return {QStringLiteral("W"), withoutSlashes(number), QString()};
}

bool isContactLink(const QString& target) {
    return target.contains(kContactScheme);
}

bool isCloseLink(const QString& target) {
    return target.contains(kCloseScheme);
}

Resolution resolve(const QString& target) {
    Resolution r;
    const QString rest = QString(target).remove(kContactScheme);
    const qsizetype at = rest.indexOf(QLatin1Char('@'));
    if (at < 0) {
        r.message = QStringLiteral("Es trat ein Fehler beim Auswerten der Telefonnummer auf.");
        return r;
    }
    // A further "@" ends the number field.
    const QString number = rest.mid(at + 1).section(QLatin1Char('@'), 0, 0);
    r.name = rest.left(at).replace(QStringLiteral("%20"), QStringLiteral(" "));
    const PrefixSplit split = splitNumber(number);
    if (PrefixCatalogue::contains(split.key)) {
        r.outcome = Resolution::Filled;
        r.prefixKey = split.key;
        r.number = split.national;
        return r;
    }
    r.outcome = Resolution::NotMobile;
    r.prefixKey = QStringLiteral("W");
    r.number = withoutSlashes(number);
    r.message =
        QStringLiteral("Dies ist keine Mobilfunkvorwahl für ") + split.countryWord + QStringLiteral(".");
    return r;
}

} // namespace ContactLink

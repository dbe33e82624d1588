#include "mass/VcardImport.h"

#include "platform/CodePage.h"

#include <QStringDecoder>

namespace {

struct Property {
    QString name;       // upper case, group prefix removed
    QStringList params; // "TYPE=CELL", "CELL", "ENCODING=QUOTED-PRINTABLE", …
    QString value;
};

// Lines joined again: a line beginning with a blank or Tab continues the one
// before (3.0, 4.0); a quoted-printable value ending in "=" continues on the
// next line (2.1).
QStringList unfold(const QString& text) {
    QStringList lines;
    const QStringList raw = text.split(QLatin1Char('\n'));
    bool softBreak = false;
    for (QString line : raw) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!lines.isEmpty() && softBreak) {
            lines.last().chop(1);
            lines.last().append(line);
        } else if (!lines.isEmpty() && (line.startsWith(u' ') || line.startsWith(u'\t'))) {
            lines.last().append(QStringView(line).mid(1));
        } else {
            lines.append(line);
        }
        const QString& last = lines.last();
        softBreak =
            last.endsWith(u'=') && last.contains(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive);
    }
    return lines;
}

bool parseProperty(const QString& line, Property* p) {
    // The value starts after the first ":" outside a quoted parameter value.
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0)
        return false;
    QStringList head = line.left(colon).split(QLatin1Char(';'));
    QString name = head.takeFirst().toUpper();
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name = name.mid(dot + 1);
    p->name = name;
    p->params = head;
    p->value = line.mid(colon + 1);
    return true;
}

QString paramValue(const Property& p, const QString& key) {
    for (const QString& param : p.params) {
        if (param.startsWith(key + u'=', Qt::CaseInsensitive))
            return param.mid(key.size() + 1);
    }
    return {};
}

bool isQuotedPrintable(const Property& p) {
    for (const QString& param : p.params) {
        if (param.compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0 ||
            param.compare(QLatin1String("ENCODING=QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// "=C3=BC" as bytes, read in the card's CHARSET (UTF-8 when it names none
// and the bytes are valid UTF-8, else Windows-1252).
QString decodeQuotedPrintable(const QString& value, const QString& charset) {
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'=' && i + 2 < value.size() && hexDigit(value[i + 1].unicode()) >= 0 &&
            hexDigit(value[i + 2].unicode()) >= 0) {
            bytes.append(char(hexDigit(value[i + 1].unicode()) * 16 + hexDigit(value[i + 2].unicode())));
            i += 2;
        } else {
            bytes.append(c.toLatin1());
        }
    }
    if (charset.isEmpty() || charset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return CodePage::fromWindows1252(bytes);
}

// "\," "\;" "\n" "\\" of 3.0 and 4.0.
QString unescape(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            out.append(next == u'n' || next == u'N' ? QChar(u' ') : next);
        } else {
            out.append(value[i]);
        }
    }
    return out;
}

QString valueOf(const Property& p) {
    if (isQuotedPrintable(p))
        return decodeQuotedPrintable(p.value, paramValue(p, QStringLiteral("CHARSET")));
    return p.value;
}

// Components of a structured value, split at ";" that is not escaped.
QStringList components(const QString& value) {
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            current.append(value[i]);
            current.append(value[++i]);
        } else if (value[i] == u';') {
            parts.append(unescape(current));
            current.clear();
        } else {
            current.append(value[i]);
        }
    }
    parts.append(unescape(current));
    return parts;
}

QStringList phoneTypes(const Property& p) {
    QStringList types;
    for (QString param : p.params) {
        param.remove(u'"');
        if (param.startsWith(QLatin1String("TYPE="), Qt::CaseInsensitive))
            param = param.mid(5);
        else if (param.contains(u'='))
            continue; // PREF=1, VALUE=uri, …: no type
        for (const QString& t : param.split(u',', Qt::SkipEmptyParts))
            types.append(t.trimmed().toLower());
    }
    return types;
}

QString phoneNumber(const Property& p) {
    QString number = unescape(valueOf(p)).trimmed();
    // 4.0 may write the number as a "tel:" address.
    if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        number = number.mid(4);
    if (const qsizetype semicolon = number.indexOf(u';'); semicolon >= 0)
        number.truncate(semicolon); // ";ext=…" of a tel: address
    return number;
}

} // namespace

namespace VcardImport {

bool looksLikeVcard(QStringView text) {
    return text.trimmed().startsWith(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive);
}

QList<Card> parse(const QString& text) {
    QList<Card> cards;
    bool inCard = false;
    Card card;
    QString structuredName;
    for (const QString& line : unfold(text)) {
        Property p;
        if (!parseProperty(line, &p))
            continue;
        if (p.name == u"BEGIN" &&
            p.value.trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            inCard = true;
            card = Card();
            structuredName.clear();
        } else if (!inCard) {
            continue;
        } else if (p.name == u"END") {
            if (card.name.isEmpty())
                card.name = structuredName;
            cards.append(card);
            inCard = false;
        } else if (p.name == u"FN") {
            card.name = unescape(valueOf(p)).trimmed();
        } else if (p.name == u"N") {
            // Family; given; additional; prefixes; suffixes.
            const QStringList n = components(valueOf(p));
            const QString given = n.value(1).trimmed();
            const QString family = n.value(0).trimmed();
            structuredName = QString(given + u' ' + family).trimmed();
        } else if (p.name == u"TEL") {
            Phone phone{phoneNumber(p), phoneTypes(p)};
            if (!phone.number.isEmpty())
                card.phones.append(phone);
        }
    }
    return cards;
}

QString preferredNumber(const Card& card) {
    for (const Phone& p : card.phones) {
        if (p.types.contains(QLatin1String("cell")))
            return p.number;
    }
    for (const Phone& p : card.phones) {
        if (!p.types.contains(QLatin1String("fax")) && !p.types.contains(QLatin1String("pager")))
            return p.number;
    }
    return {};
}

} // namespace VcardImport

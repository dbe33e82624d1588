#include "platform/mUrlEncode.h"

#include "platform/CodePage.h"

namespace {

// "%" and the character's Windows-1252 code in two upper-case hex digits; a
// character Windows-1252 cannot hold goes as "?".
void appendEscape(QString& out, QChar c) {
    static const char hex[] = "0123456789ABCDEF";
    int code = CodePage::windows1252Code(c);
    if (code < 0)
        code = '?';
    out += QLatin1Char('%');
    out += QLatin1Char(hex[(code >> 4) & 0xF]);
    out += QLatin1Char(hex[code & 0xF]);
}

} // namespace

namespace mUrlEncode {

QString encodeFormText(const QString& text) {
    QString t = text;
    // "%" first, so the escapes added below are not escaped again.
    t.replace(QLatin1Char('%'), QLatin1String("%25"));
    t.replace(QLatin1Char('&'), QLatin1String("%26"));
    t.replace(QLatin1Char('+'), QLatin1String("%2B"));
    t.replace(QLatin1Char(' '), QLatin1String("%20"));
    return t;
}

QString encodeQueryValue(const QString& text) {
    const QString t = encodeFormText(text);
    QString out;
    out.reserve(t.size());
    for (const QChar c : t) {
        if (c == QLatin1Char('#')) {
            out += QLatin1String("%23");
            continue;
        }
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        // Left raw, a non-ASCII character would go out as UTF-8 escapes, which
        // the service does not read as the character.
        appendEscape(out, c);
    }
    return out;
}

QString urlEncode(const QString& text, bool spaceAsPlus) {
    QString out;
    out.reserve(text.size() * 3);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) {
            out += c;
            continue;
        }
        if (u == ' ') {
            out += spaceAsPlus ? QLatin1String("+") : QLatin1String("%20");
            continue;
        }
        appendEscape(out, c);
    }
    return out;
}

} // namespace mUrlEncode

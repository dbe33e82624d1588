#include "messaging/mUrlEncode.h"

#include "platform/CodePage.h"

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
    QString t = encodeFormText(text);
    t.replace(QLatin1Char('#'), QLatin1String("%23"));
    return t;
}

QString urlEncode(const QString& text, bool spaceAsPlus) {
    static const char hex[] = "0123456789ABCDEF";
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
        // As on the wire: what Windows-1252 cannot hold goes as "?".
        int code = CodePage::windows1252Code(c);
        if (code < 0)
            code = '?';
        out += QLatin1Char('%');
        out += QLatin1Char(hex[(code >> 4) & 0xF]);
        out += QLatin1Char(hex[code & 0xF]);
    }
    return out;
}

} // namespace mUrlEncode

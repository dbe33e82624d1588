#include "messaging/PrefixCatalogue.h"

namespace PrefixCatalogue {

namespace {

QList<Entry> build() {
    QList<Entry> list;
    const auto add = [&list](const char* key, const char* text, const char* picture) {
        list.append({QString::fromLatin1(key), QString::fromLatin1(text), QString::fromLatin1(picture)});
    };
    add("G150", "0150", "germany");
    add("G151", "0151", "germany");
    add("G152", "0152", "germany");
    add("G1520", "01520", "germany");
    add("G155", "0155", "germany");
    add("G156", "0156", "germany");
    add("G157", "0157", "germany");
    add("G160", "0160", "germany");
    add("G162", "0162", "germany");
    add("G163", "0163", "germany");
    add("G170", "0170", "germany");
    add("G171", "0171", "germany");
    add("G172", "0172", "germany");
    add("G173", "0173", "germany");
    add("G174", "0174", "germany");
    add("G175", "0175", "germany");
    // Users know the list in this order; "0177" before "0176" is intended.
    add("G177", "0177", "germany");
    add("G176", "0176", "germany");
    add("G178", "0178", "germany");
    add("G179", "0179", "germany");
    add("A650", "0650", "austria");
    add("A660", "0660", "austria");
    add("A664", "0664", "austria");
    add("A676", "0676", "austria");
    add("A680", "0680", "austria");
    add("A681", "0681", "austria");
    add("A688", "0688", "austria");
    add("A699", "0699", "austria");
    add("S76", "076", "switzerland");
    add("S78", "078", "switzerland");
    add("S79", "079", "switzerland");
    add("W", "Weltweit", "world");
    return list;
}

} // namespace

const QList<Entry>& entries() {
    static const QList<Entry> list = build();
    return list;
}

std::optional<Entry> find(const QString& key) {
    for (const Entry& e : entries()) {
        if (e.key == key)
            return e;
    }
    return std::nullopt;
}

bool contains(const QString& key) {
    return find(key).has_value();
}

bool isWorldwide(const QString& key) {
    return key == QLatin1String("W");
}

QString countryCode(QChar letter) {
    switch (letter.unicode()) {
    case 'G':
        return QStringLiteral("0049");
    case 'A':
        return QStringLiteral("0043");
    case 'S':
        return QStringLiteral("0041");
    default:
        return {};
    }
}

} // namespace PrefixCatalogue

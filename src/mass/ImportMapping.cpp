#include "mass/ImportMapping.h"

#include "platform/ToolRegistry.h"

#include <QCryptographicHash>

namespace {

const QString kKey = QStringLiteral("Software\\Quendal\\SMS\\Import");
constexpr int kGuessRows = 20;

QString folded(const QString& header) {
    QString h = header.trimmed().toLower();
    h.remove(u'-');
    h.remove(u'_');
    h.remove(u' ');
    return h;
}

bool isAny(const QString& h, std::initializer_list<const char*> names) {
    for (const char* n : names) {
        if (h == QLatin1String(n))
            return true;
    }
    return false;
}

bool containsAny(const QString& h, std::initializer_list<const char*> parts) {
    for (const char* p : parts) {
        if (h.contains(QLatin1String(p)))
            return true;
    }
    return false;
}

// Phone columns ranked: 2 mobile, 1 other phone, 0 none.
int phoneRank(const QString& h) {
    if (containsAny(h, {"fax"}))
        return 0;
    if (containsAny(h, {"mobil", "handy", "cell", "natel"}))
        return 2;
    if (containsAny(h, {"telefon", "phone", "rufnummer", "nummer"}) || isAny(h, {"tel", "tel.", "number"}))
        return 1;
    return 0;
}

QString storeName(const QStringList& headerRow) {
    const QByteArray line = headerRow.join(QChar(0x1F)).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(line, QCryptographicHash::Sha1).toHex().left(20));
}

} // namespace

QVariantMap ImportMapping::toVariant() const {
    return {{QStringLiteral("name"), name},     {QStringLiteral("lastName"), lastName},
            {QStringLiteral("number"), number}, {QStringLiteral("frei1"), frei1},
            {QStringLiteral("frei2"), frei2},   {QStringLiteral("header"), header}};
}

ImportMapping ImportMapping::fromVariant(const QVariantMap& map) {
    ImportMapping m;
    m.name = map.value(QStringLiteral("name"), -1).toInt();
    m.lastName = map.value(QStringLiteral("lastName"), -1).toInt();
    m.number = map.value(QStringLiteral("number"), -1).toInt();
    m.frei1 = map.value(QStringLiteral("frei1"), -1).toInt();
    m.frei2 = map.value(QStringLiteral("frei2"), -1).toInt();
    m.header = map.value(QStringLiteral("header"), false).toBool();
    return m;
}

QString ImportMapping::toText() const {
    return QStringLiteral("name=%1;last=%2;number=%3;frei1=%4;frei2=%5;header=%6")
        .arg(name)
        .arg(lastName)
        .arg(number)
        .arg(frei1)
        .arg(frei2)
        .arg(header ? 1 : 0);
}

ImportMapping ImportMapping::fromText(const QString& text, bool* ok) {
    ImportMapping m;
    int found = 0;
    for (const QString& part : text.split(u';')) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq <= 0)
            continue;
        bool isNumber = false;
        const int value = part.mid(eq + 1).toInt(&isNumber);
        if (!isNumber)
            continue;
        const QStringView key = QStringView(part).left(eq);
        int* field = key == u"name"     ? &m.name
                     : key == u"last"   ? &m.lastName
                     : key == u"number" ? &m.number
                     : key == u"frei1"  ? &m.frei1
                     : key == u"frei2"  ? &m.frei2
                                        : nullptr;
        if (field) {
            *field = value;
            ++found;
        } else if (key == u"header") {
            m.header = value != 0;
            ++found;
        }
    }
    if (ok)
        *ok = found == 6;
    return m;
}

bool ImportMapping::fits(int columns) const {
    for (const int c : {name, lastName, number, frei1, frei2}) {
        if (c < -1 || c >= columns)
            return false;
    }
    return number >= 0;
}

namespace ImportMappingRules {

bool looksLikeNumber(const QString& cell) {
    int digits = 0;
    int letters = 0;
    for (const QChar c : cell) {
        if (c.isDigit())
            ++digits;
        else if (c.isLetter())
            ++letters;
    }
    return digits >= 3 && letters == 0;
}

ImportMapping guess(const QList<QStringList>& firstRows) {
    ImportMapping m;
    if (firstRows.isEmpty())
        return m;
    const QStringList& first = firstRows.first();
    qsizetype columns = 0;
    for (const QStringList& r : firstRows)
        columns = std::max(columns, r.size());

    // By column names.
    int bestPhone = 0;
    int firstName = -1;
    int last = -1;
    bool named = false;
    for (int c = 0; c < int(first.size()); ++c) {
        const QString h = folded(first.at(c));
        if (const int rank = phoneRank(h); rank > bestPhone) {
            bestPhone = rank;
            m.number = c;
            named = true;
        } else if (isAny(h, {"name", "anzeigename", "vollständigername", "displayname", "fullname", "kontakt",
                             "empfänger"})) {
            m.name = c;
            named = true;
        } else if (isAny(h, {"vorname", "firstname", "givenname"})) {
            firstName = c;
            named = true;
        } else if (isAny(h, {"nachname", "lastname", "familyname", "surname", "familienname"})) {
            last = c;
            named = true;
        } else if (isAny(h, {"freitext1", "frei1", "freitexteins"})) {
            m.frei1 = c;
            named = true;
        } else if (isAny(h, {"freitext2", "frei2", "freitextzwei"})) {
            m.frei2 = c;
            named = true;
        }
    }
    if (m.name < 0 && (firstName >= 0 || last >= 0)) {
        m.name = firstName >= 0 ? firstName : last;
        m.lastName = firstName >= 0 ? last : -1;
    }
    // A first row that names columns, or one without a number where the next rows have one.
    bool firstHasNumber = false;
    for (const QString& cell : first)
        firstHasNumber = firstHasNumber || looksLikeNumber(cell);
    m.header = named || (!firstHasNumber && firstRows.size() > 1);

    if (m.number < 0) {
        // By values: the column with the most number-like cells.
        int best = 0;
        const qsizetype from = m.header ? 1 : 0;
        for (int c = 0; c < int(columns); ++c) {
            int n = 0;
            for (qsizetype r = from; r < std::min<qsizetype>(firstRows.size(), kGuessRows); ++r)
                n += looksLikeNumber(firstRows.at(r).value(c)) ? 1 : 0;
            if (n > best) {
                best = n;
                m.number = c;
            }
        }
    }
    if (m.name < 0 && !named && m.number >= 0) {
        // Without names: the first column that holds something other than numbers.
        for (int c = 0; c < int(columns) && m.name < 0; ++c) {
            if (c == m.number)
                continue;
            const QString sample = firstRows.value(m.header ? 1 : 0).value(c);
            if (!sample.isEmpty() && !looksLikeNumber(sample))
                m.name = c;
        }
    }
    return m;
}

bool remembered(const QStringList& headerRow, ImportMapping* mapping) {
    const QString text = ToolRegistry::getString(kKey, storeName(headerRow));
    if (text.isEmpty())
        return false;
    bool ok = false;
    const ImportMapping m = ImportMapping::fromText(text, &ok);
    if (!ok || !m.fits(int(headerRow.size())))
        return false;
    *mapping = m;
    return true;
}

void remember(const QStringList& headerRow, const ImportMapping& mapping) {
    ToolRegistry::setString(kKey, storeName(headerRow), mapping.toText());
}

} // namespace ImportMappingRules

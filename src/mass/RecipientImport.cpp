#include "mass/RecipientImport.h"

#include "mass/PhoneNumbers.h"
#include "mass/VcardImport.h"
#include "platform/CodePage.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

constexpr qsizetype kBinarySample = 64 * 1024;
constexpr int kGuessRows = 20;

QString errorText(const char* text) {
    return QString::fromUtf8(text);
}

// NUL or many other control characters: not a text file.
bool looksBinary(QStringView text) {
    const qsizetype n = std::min(text.size(), kBinarySample);
    qsizetype controls = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == 0)
            return true;
        if (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n' && c != 0x0C)
            ++controls;
    }
    return controls * 100 > n;
}

RecipientImport::Source fromCards(const QString& text) {
    RecipientImport::Source s;
    s.kind = RecipientImport::Source::Kind::Vcard;
    const QList<VcardImport::Card> cards = VcardImport::parse(text);
    for (const VcardImport::Card& card : cards) {
        if (s.table.rows.size() >= RecipientImport::kMaxEntries) {
            ++s.table.rowsOverLimit;
            continue;
        }
        s.table.rows.append({card.name, VcardImport::preferredNumber(card)});
    }
    if (cards.isEmpty())
        s.error = errorText("Die Datei enthält keine lesbare Visitenkarte.");
    return s;
}

QString joined(const QString& a, const QString& b) {
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + u' ' + b;
}

// Normalises every number on as many threads as the machine has cores.
void normaliseAll(QList<RecipientEntry>& entries) {
    const qsizetype n = entries.size();
    const int threads =
        int(std::clamp<qsizetype>(QThread::idealThreadCount(), 1, std::max<qsizetype>(1, n / 2000)));
    RecipientEntry* data = entries.data();
    const auto work = [data](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            data[i].number = PhoneNumbers::normalize(data[i].number).number;
    };
    std::vector<std::thread> pool;
    const qsizetype chunk = (n + threads - 1) / threads;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work, std::min(n, t * chunk), std::min(n, (t + 1) * chunk));
    work(0, std::min(n, chunk));
    for (std::thread& th : pool)
        th.join();
}

} // namespace

namespace RecipientImport {

Source readBytes(const QByteArray& bytes) {
    Source s;
    const QString text = CodePage::decodeDetected(bytes);
    if (text.trimmed().isEmpty()) {
        s.error = errorText("Die Datei ist leer.");
        return s;
    }
    if (looksBinary(text)) {
        s.error = errorText("Die Datei ist weder eine CSV- noch eine vCard-Datei.");
        return s;
    }
    if (VcardImport::looksLikeVcard(text))
        return fromCards(text);
    s.table = CsvImport::parse(text, kMaxEntries + 1, CsvImport::detectDelimiter(text));
    if (s.table.rows.isEmpty()) {
        s.error =
            s.table.unclosedQuote
                ? errorText("Die Datei endet in einem Feld in Anführungszeichen, das nicht geschlossen wird.")
                : errorText("Die Datei ist leer.");
        return s;
    }
    // The guess alone: the value store is not for worker threads, and a
    // column that neither its name nor its values show as numbers holds none.
    if (ImportMappingRules::guess(s.table.rows.mid(0, kGuessRows)).number < 0)
        s.error = errorText("In der Datei wurde keine Spalte mit Rufnummern gefunden.");
    return s;
}

Source read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Source s;
        s.error = errorText("Die Datei konnte nicht geöffnet werden.");
        return s;
    }
    if (file.size() > kMaxFileSize) {
        Source s;
        s.error = errorText("Die Datei ist zu groß (mehr als 64 MB).");
        return s;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Source s;
        s.error = errorText("Die Datei konnte nicht gelesen werden.");
        return s;
    }
    return readBytes(bytes);
}

ImportMapping initialMapping(const CsvImport::Table& table) {
    if (table.rows.isEmpty())
        return {};
    ImportMapping m;
    qsizetype columns = 0;
    for (qsizetype r = 0; r < std::min<qsizetype>(table.rows.size(), kGuessRows); ++r)
        columns = std::max(columns, table.rows.at(r).size());
    if (ImportMappingRules::remembered(table.rows.first(), &m) && m.fits(int(columns)))
        return m;
    return ImportMappingRules::guess(table.rows.mid(0, kGuessRows));
}

Result apply(const CsvImport::Table& table, const ImportMapping& mapping) {
    Result r;
    r.leftOut.unclosedQuote = table.unclosedQuote;
    r.leftOut.overLimit = table.rowsOverLimit;
    const qsizetype from = mapping.header ? 1 : 0;
    r.entries.reserve(table.rows.size() - from);
    const auto cell = [](const QStringList& row, int column) {
        return column >= 0 ? row.value(column) : QString();
    };
    for (qsizetype i = from; i < table.rows.size(); ++i) {
        const QStringList& row = table.rows.at(i);
        if (r.entries.size() >= kMaxEntries) {
            ++r.leftOut.overLimit;
            continue;
        }
        RecipientEntry e;
        e.number = cell(row, mapping.number).trimmed();
        if (!std::any_of(e.number.cbegin(), e.number.cend(), [](QChar c) { return c.isDigit(); })) {
            ++r.leftOut.withoutNumber;
            continue;
        }
        e.name = joined(cell(row, mapping.name), cell(row, mapping.lastName));
        e.frei1 = cell(row, mapping.frei1);
        e.frei2 = cell(row, mapping.frei2);
        if (std::max({e.name.size(), e.number.size(), e.frei1.size(), e.frei2.size()}) > kMaxFieldLength) {
            ++r.leftOut.fieldTooLong;
            continue;
        }
        r.entries.append(std::move(e));
    }
    normaliseAll(r.entries);
    // Digits of other scripts count as digits above but leave no number once
    // normalised: such a row has no number the list could take.
    const qsizetype before = r.entries.size();
    r.entries.removeIf([](const RecipientEntry& e) { return e.number.isEmpty(); });
    r.leftOut.withoutNumber += before - r.entries.size();
    return r;
}

ImportMapping vcardMapping() {
    ImportMapping mapping;
    mapping.name = 0;
    mapping.number = 1;
    return mapping;
}

QString noRecipientText() {
    return QStringLiteral("Die Datei enthält keinen Empfänger mit Rufnummer.");
}

QString leftOutText(const LeftOut& leftOut) {
    const qsizetype total = leftOut.total();
    if (total == 0)
        return {};
    QString text = total == 1 ? QStringLiteral("1 Zeile der Datei wurde nicht übernommen:")
                              : QStringLiteral("%1 Zeilen der Datei wurden nicht übernommen:").arg(total);
    if (leftOut.withoutNumber > 0)
        text += QStringLiteral("\r\n  - %1 ohne Rufnummer").arg(leftOut.withoutNumber);
    if (leftOut.fieldTooLong > 0)
        text += QStringLiteral("\r\n  - %1 mit einem Feld über %2 Zeichen")
                    .arg(leftOut.fieldTooLong)
                    .arg(kMaxFieldLength);
    if (leftOut.overLimit > 0)
        text += QStringLiteral("\r\n  - %1 über der Höchstzahl von %2 Einträgen")
                    .arg(leftOut.overLimit)
                    .arg(kMaxEntries);
    if (leftOut.unclosedQuote)
        text += QStringLiteral("\r\n  - die letzte, weil die Datei in einem Feld in Anführungszeichen endet");
    return text;
}

} // namespace RecipientImport

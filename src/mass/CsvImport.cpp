#include "mass/CsvImport.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr int kSampleLines = 20;
// libcsv keeps its state in the open struct: a field begun inside quotes
// that is still open when the input ends.
constexpr int kFieldBegun = 2;

struct Collector {
    CsvImport::Table* table;
    qsizetype maxRows;
    QStringList row;
};

void onField(void* data, size_t length, void* user) {
    auto* c = static_cast<Collector*>(user);
    if (c->table->rows.size() >= c->maxRows)
        return;
    c->row.append(QString::fromUtf8(static_cast<const char*>(data), qsizetype(length)));
}

void onRowEnd(int, void* user) {
    auto* c = static_cast<Collector*>(user);
    if (c->table->rows.size() >= c->maxRows) {
        ++c->table->rowsOverLimit;
        return;
    }
    c->table->rows.append(std::move(c->row));
    c->row = QStringList();
}

struct ParserDeleter {
    void operator()(csv_parser* p) const {
        csv_free(p);
        delete p;
    }
};

} // namespace

namespace CsvImport {

QChar detectDelimiter(QStringView text) {
    const std::array<QChar, 3> candidates = {u';', u'\t', u','};
    // Per candidate, its count in each of the first lines outside quotes.
    std::array<QList<int>, 3> counts;
    std::array<int, 3> current = {0, 0, 0};
    bool quoted = false;
    int lines = 0;
    for (qsizetype i = 0; i < text.size() && lines < kSampleLines; ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u'\n' || c == u'\r')) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            for (int k = 0; k < 3; ++k) {
                counts[k].append(current[k]);
                current[k] = 0;
            }
            ++lines;
        } else if (!quoted) {
            for (int k = 0; k < 3; ++k) {
                if (c == candidates[k])
                    ++current[k];
            }
        }
    }
    if (current != std::array<int, 3>{0, 0, 0} || lines == 0) {
        for (int k = 0; k < 3; ++k)
            counts[k].append(current[k]);
    }
    int best = 0;
    qint64 bestScore = -1;
    for (int k = 0; k < 3; ++k) {
        const QList<int>& n = counts[k];
        if (n.isEmpty() || n.first() == 0)
            continue;
        // Lines that split like the first weigh most, then the number of fields.
        const qint64 same = std::count(n.cbegin(), n.cend(), n.first());
        const qint64 score = same * 10000 + n.first();
        if (score > bestScore) {
            bestScore = score;
            best = k;
        }
    }
    return candidates[best];
}

Table parse(const QString& text, qsizetype maxRows, QChar delimiter) {
    Table table;
    table.delimiter = delimiter;
    std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
    if (csv_init(parser.get(), CSV_APPEND_NULL) != 0) {
        delete parser.release();
        return table;
    }
    csv_set_delim(parser.get(), static_cast<unsigned char>(delimiter.unicode()));
    Collector collector{&table, maxRows, {}};
    const QByteArray bytes = text.toUtf8();
    csv_parse(parser.get(), bytes.constData(), size_t(bytes.size()), onField, onRowEnd, &collector);
    if (parser->pstate == kFieldBegun && parser->quoted) {
        table.unclosedQuote = true;
        return table;
    }
    csv_fini(parser.get(), onField, onRowEnd, &collector);
    return table;
}

} // namespace CsvImport

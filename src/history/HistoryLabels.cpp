#include "history/HistoryLabels.h"

#include "history/SendJournal.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <array>
#include <utility>

namespace {

using Pair = std::pair<const char*, const char*>;

// UTF-8 literals: the labels carry umlauts.
constexpr std::array kStates{
    Pair{SendJournal::kConfirmed, "Bestätigt"},     Pair{SendJournal::kRefused, "Abgelehnt"},
    Pair{SendJournal::kNotSent, "Nicht gesendet"},  Pair{SendJournal::kNoAnswer, "Ohne Antwort"},
    Pair{SendJournal::kHandedOver, "Übergeben"},    Pair{SendJournal::kQueued, "Wartend"},
};
constexpr std::array kKinds{
    Pair{"single", "Einzel-SMS"},   Pair{"split", "Geteilte SMS"},  Pair{"scheduled", "Terminversand"},
    Pair{"mass", "Massenversand"},  Pair{"handover", "Firmenserver"},
};
constexpr std::array kActionStates{
    Pair{SendJournal::kOpen, "Offen"},
    Pair{SendJournal::kDone, "Abgeschlossen"},
    Pair{SendJournal::kCancelled, "Abgebrochen"},
    Pair{SendJournal::kDiscarded, "Verworfen"},
};

template <typename Table>
QString toLabel(const Table& table, const QString& name) {
    for (const auto& [stored, label] : table) {
        if (name == QLatin1String(stored))
            return QString::fromUtf8(label);
    }
    return name;
}

template <typename Table>
QString fromLabel(const Table& table, const QString& label) {
    for (const auto& [stored, shown] : table) {
        if (label == QString::fromUtf8(shown))
            return QString::fromLatin1(stored);
    }
    return {};
}

} // namespace

namespace HistoryLabels {

QStringList requestStates() {
    QStringList out;
    for (const auto& entry : kStates)
        out.append(QString::fromLatin1(entry.first));
    return out;
}

QString stateLabel(const QString& state) {
    return toLabel(kStates, state);
}

QString stateFromLabel(const QString& label) {
    return fromLabel(kStates, label);
}

QString kindLabel(const QString& kind) {
    return toLabel(kKinds, kind);
}

QString kindFromLabel(const QString& label) {
    return fromLabel(kKinds, label);
}

QString actionStateLabel(const QString& state) {
    return toLabel(kActionStates, state);
}

QString time(const QString& stamp) {
    // Read by hand: the stamps are local times as written, and a QDateTime
    // would convert each through the time zone, a noticeable cost on every
    // page of rows.
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2}):(\\d{2})"));
    const QRegularExpressionMatch m = iso.match(stamp);
    if (!m.hasMatch() || !QDate::isValid(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()) ||
        !QTime::isValid(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()))
        return stamp;
    return m.captured(3) + QLatin1Char('.') + m.captured(2) + QLatin1Char('.') + m.captured(1) + QLatin1Char(' ') +
           m.captured(4) + QLatin1Char(':') + m.captured(5) + QLatin1Char(':') + m.captured(6);
}

} // namespace HistoryLabels

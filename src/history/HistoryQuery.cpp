#include "history/HistoryQuery.h"

#include "history/HistoryLabels.h"
#include "history/SendJournal.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The keys of a page, written into the statement: they are numbers read
// from the journal, never typed by anyone, and binding a hundred values
// one by one cost more than the query itself.
template <typename List>
QString numbers(const List& keys) {
    QString s;
    s.reserve(keys.size() * 8);
    for (const auto k : keys) {
        if (!s.isEmpty())
            s += QLatin1Char(',');
        s += QString::number(qint64(k));
    }
    return s;
}

bool run(QSqlQuery& q, const QString& sql, const QVariantList& values, QString* error) {
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    return true;
}

// Whatever a column holds (text, a number, bytes, NULL) as text.
QString value(const QSqlQuery& q, int column) {
    const QVariant v = q.value(column);
    return v.isNull() ? QString() : v.toString();
}

// One line without control characters, cut to the shown length.
QString shown(const QString& s) {
    QString out = s.left(HistoryQuery::kShownTextLength);
    for (QChar& c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    if (s.size() > HistoryQuery::kShownTextLength)
        out += QChar(0x2026);
    return out;
}

QString text(const QSqlQuery& q, int column, bool whole) {
    return whole ? value(q, column) : shown(value(q, column));
}

QString textColumn(const QString& column, bool whole) {
    return whole ? column
                 : QStringLiteral("substr(%1, 1, %2)").arg(column).arg(HistoryQuery::kShownTextLength + 1);
}

QString counted(const QSqlQuery& q, int column) {
    const QVariant v = q.value(column);
    return v.isNull() ? QStringLiteral("0") : v.toString();
}

// "1" for place 0; nothing for the requests of a single send (place -1).
QString ordinal(const QSqlQuery& q, int column) {
    const QVariant v = q.value(column);
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (v.isNull() || (ok && n < 0))
        return {};
    return ok ? QString::number(n + 1) : v.toString();
}

} // namespace

namespace HistoryQuery {

QStringList actionHeaders() {
    return {QStringLiteral("Beginn"),        QStringLiteral("Art"),          QStringLiteral("Status"),
            QStringLiteral("Empfänger"),     QStringLiteral("Name"),         QStringLiteral("Einträge"),
            QStringLiteral("Bestätigt"),     QStringLiteral("Abgelehnt"),    QStringLiteral("Nicht gesendet"),
            QStringLiteral("Ohne Antwort"),  QStringLiteral("Kosten"),       QStringLiteral("Text")};
}

QStringList requestHeaders() {
    return {QStringLiteral("Nr."),   QStringLiteral("Teil"),   QStringLiteral("Zeit"),
            QStringLiteral("Empfänger"), QStringLiteral("Name"), QStringLiteral("Status"),
            QStringLiteral("Kosten"), QStringLiteral("Antwort"), QStringLiteral("Text")};
}

bool actionKeys(const QSqlDatabase& db, const HistoryFilter& filter, QList<qint64>& keys, QString* error) {
    const HistoryFilter::Sql where = filter.actions();
    QSqlQuery q(db);
    if (!run(q, QStringLiteral("SELECT a.id FROM actions a WHERE ") + where.where + QStringLiteral(" ORDER BY a.id DESC"),
             where.values, error))
        return false;
    keys.clear();
    while (q.next())
        keys.append(q.value(0).toLongLong());
    return true;
}

bool actionRows(const QSqlDatabase& db, const QList<qint64>& keys, bool wholeText, QHash<qint64, QStringList>& rows,
                QString* error) {
    if (keys.isEmpty())
        return true;
    const QString in = numbers(keys);
    // The counts of a page's actions in one pass over their requests; the
    // entries a finished run never reached count as not sent.
    const QString sql =
        QStringLiteral("SELECT a.id, a.started, a.kind, a.state, a.recipient, a.name, a.entries, s.confirmed, s.refused,"
                       " COALESCE(s.not_sent, 0) + CASE WHEN a.state = 'open' THEN 0 ELSE (SELECT COUNT(*) %1) END,"
                       " s.no_answer, s.cost, %2 FROM actions a LEFT JOIN (SELECT action_id,"
                       " SUM(state = 'confirmed') AS confirmed, SUM(state = 'refused') AS refused,"
                       " SUM(state = 'not_sent') AS not_sent, SUM(state = 'no_answer') AS no_answer, SUM(cost) AS cost"
                       " FROM requests WHERE action_id IN (%3) GROUP BY action_id) s ON s.action_id = a.id"
                       " WHERE a.id IN (%3)")
            .arg(HistoryFilter::entriesWithoutRequestFrom(QStringLiteral("a.id")), textColumn(QStringLiteral("a.text"), wholeText), in);
    const QVariantList values;
    QSqlQuery q(db);
    if (!run(q, sql, values, error))
        return false;
    while (q.next()) {
        const int entries = q.value(6).toInt();
        rows.insert(q.value(0).toLongLong(),
                    {HistoryLabels::time(value(q, 1)), HistoryLabels::kindLabel(value(q, 2)),
                     HistoryLabels::actionStateLabel(value(q, 3)), text(q, 4, wholeText), text(q, 5, wholeText),
                     entries > 0 ? QString::number(entries) : QString(), counted(q, 7), counted(q, 8), counted(q, 9),
                     counted(q, 10), value(q, 11), text(q, 12, wholeText)});
    }
    return true;
}

std::optional<Action> action(const QSqlDatabase& db, qint64 id) {
    QSqlQuery q(db);
    if (!run(q, QStringLiteral("SELECT id, kind, state, started, text, entries FROM actions WHERE id = ?"), {id}, nullptr) ||
        !q.next())
        return std::nullopt;
    return Action{q.value(0).toLongLong(), value(q, 1), value(q, 2), value(q, 3), value(q, 4), q.value(5).toInt()};
}

QString stateOfEntriesWithoutRequest(const Action& action) {
    return QString::fromLatin1(action.state == QLatin1String(SendJournal::kOpen) ? SendJournal::kQueued
                                                                                : SendJournal::kNotSent);
}

bool requestKeys(const QSqlDatabase& db, const Action& action, const HistoryFilter& filter, QList<qint64>& keys,
                 QString* error) {
    const HistoryFilter::Sql requests = filter.requests();
    const HistoryFilter::Sql entries = filter.entriesWithoutRequest(stateOfEntriesWithoutRequest(action));
    const QString sql = QStringLiteral("SELECT r.id, r.place, r.part FROM requests r WHERE r.action_id = ? AND (%1)"
                                       " UNION ALL SELECT -(e.place + 1), e.place, -1 %2 AND e.place >= 0 AND (%3) ORDER BY 2, 3, 1")
                            .arg(requests.where, HistoryFilter::entriesWithoutRequestFrom(QStringLiteral("?")),
                                 entries.where);
    QVariantList values{action.id};
    values += requests.values;
    values.append(action.id);
    values += entries.values;
    QSqlQuery q(db);
    if (!run(q, sql, values, error))
        return false;
    keys.clear();
    while (q.next())
        keys.append(q.value(0).toLongLong());
    return true;
}

bool requestRows(const QSqlDatabase& db, const Action& action, const QList<qint64>& keys, bool wholeText,
                 QHash<qint64, QStringList>& rows, QString* error) {
    QList<qint64> ids;
    QList<qint64> places;
    for (const qint64 k : keys) {
        if (k > 0)
            ids.append(k);
        else
            places.append(-k - 1);
    }
    const auto read = [&](QSqlQuery& q) {
        while (q.next()) {
            rows.insert(q.value(0).toLongLong(),
                        {ordinal(q, 1), ordinal(q, 2), HistoryLabels::time(value(q, 3)), text(q, 4, wholeText),
                         text(q, 5, wholeText), HistoryLabels::stateLabel(value(q, 6)), value(q, 7),
                         text(q, 8, wholeText), text(q, 9, wholeText)});
        }
    };
    if (!ids.isEmpty()) {
        QSqlQuery q(db);
        if (!run(q,
                 QStringLiteral("SELECT r.id, r.place, r.part, r.at, r.recipient, r.name, r.state, r.cost, %1, %2"
                                " FROM requests r WHERE r.id IN (%3)")
                     .arg(textColumn(QStringLiteral("r.reply"), wholeText), textColumn(QStringLiteral("r.text"), wholeText),
                          numbers(ids)),
                 {}, error))
            return false;
        read(q);
    }
    if (!places.isEmpty()) {
        const QVariantList values{stateOfEntriesWithoutRequest(action), action.id};
        QSqlQuery q(db);
        if (!run(q,
                 QStringLiteral("SELECT -(e.place + 1), e.place, NULL, NULL, e.number, e.name, ?, NULL, NULL, NULL"
                                " FROM entries e WHERE e.action_id = ? AND e.place IN (%1)")
                     .arg(numbers(places)),
                 values, error))
            return false;
        read(q);
    }
    return true;
}

QList<int> noAnswerPlaces(const QSqlDatabase& db, qint64 action) {
    // A part sent again later (and answered) is no longer without an answer.
    QSqlQuery q(db);
    QList<int> places;
    if (!run(q,
             QStringLiteral("SELECT DISTINCT r.place FROM requests r WHERE r.action_id = ? AND r.place >= 0"
                            " AND r.state = 'no_answer' AND NOT EXISTS (SELECT 1 FROM requests l WHERE"
                            " l.action_id = r.action_id AND l.place = r.place AND l.part = r.part AND l.id > r.id)"
                            " ORDER BY r.place"),
             {action}, nullptr))
        return places;
    while (q.next())
        places.append(q.value(0).toInt());
    return places;
}

} // namespace HistoryQuery

#include "history/HistoryFilter.h"

#include "history/SendJournal.h"

#include <QStringList>

namespace {

const QString kEscape = QStringLiteral(" ESCAPE '\\'");
// Only a mass run has requests and entries that differ from the action: the
// other sends hold their text, number and name in the action row itself,
// so a filter need not look at their requests (a third of its time).
const QString kRun = QStringLiteral("(a.kind = 'mass' OR a.entries > 0)");

// A stored number as the pattern sees it.
QString plainNumber(const QString& column) {
    return QStringLiteral("replace(replace(replace(replace(replace(replace(%1, ' ', ''), '/', ''), '-', ''),"
                          " '(', ''), ')', ''), '+', '')")
        .arg(column);
}

QString like(const QString& column) {
    return column + QStringLiteral(" LIKE ?") + kEscape;
}

QString dayStart(const QDate& d) {
    return d.toString(Qt::ISODate);
}

class Conditions {
public:
    void add(const QString& where, const QVariantList& values = {}) {
        m_parts.append(QLatin1Char('(') + where + QLatin1Char(')'));
        m_values += values;
    }
    HistoryFilter::Sql done() const {
        return {m_parts.isEmpty() ? QStringLiteral("1") : m_parts.join(QStringLiteral(" AND ")), m_values};
    }

private:
    QStringList m_parts;
    QVariantList m_values;
};

void addDays(Conditions& c, const HistoryFilter& f, const QString& column) {
    if (f.from.isValid())
        c.add(column + QStringLiteral(" >= ?"), {dayStart(f.from)});
    if (f.to.isValid())
        c.add(column + QStringLiteral(" < ?"), {dayStart(f.to.addDays(1))});
}

} // namespace

bool HistoryFilter::isEmpty() const {
    return textPattern(text).isEmpty() && numberPattern(number).isEmpty() && state.isEmpty() && !from.isValid() &&
           !to.isValid();
}

QString HistoryFilter::numberPattern(const QString& typed) {
    QString n;
    for (const QChar c : typed) {
        if (!c.isSpace() && c != QLatin1Char('/') && c != QLatin1Char('-') && c != QLatin1Char('(') &&
            c != QLatin1Char(')') && c != QLatin1Char('+'))
            n.append(c);
    }
    if (n.startsWith(QLatin1Char('0')) && !n.startsWith(QStringLiteral("00")))
        n.remove(0, 1);
    return n.isEmpty() ? QString() : textPattern(n);
}

QString HistoryFilter::textPattern(const QString& typed) {
    if (typed.isEmpty())
        return {};
    QString p;
    p.reserve(typed.size() + 4);
    p.append(QLatin1Char('%'));
    for (const QChar c : typed) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            p.append(QLatin1Char('\\'));
        p.append(c);
    }
    p.append(QLatin1Char('%'));
    return p;
}

QString HistoryFilter::entriesWithoutRequestFrom(const QString& action) {
    return QStringLiteral("FROM entries e WHERE e.action_id = %1 AND NOT EXISTS"
                          " (SELECT 1 FROM requests q WHERE q.action_id = e.action_id AND q.place = e.place)")
        .arg(action);
}

HistoryFilter::Sql HistoryFilter::actions() const {
    Conditions c;
    const QString unsent = QStringLiteral("EXISTS (SELECT 1 ") + entriesWithoutRequestFrom(QStringLiteral("a.id")) +
                           QLatin1Char(')');
    const QString t = textPattern(text);
    if (!t.isEmpty()) {
        c.add(like(QStringLiteral("a.text")) + QStringLiteral(" OR ") + like(QStringLiteral("a.name")) +
                  QStringLiteral(" OR (") + kRun + QStringLiteral(" AND (EXISTS (SELECT 1 FROM requests r WHERE r.action_id = a.id AND (") +
                  like(QStringLiteral("r.text")) + QStringLiteral(" OR ") + like(QStringLiteral("r.name")) +
                  QStringLiteral(")) OR EXISTS (SELECT 1 FROM entries e WHERE e.action_id = a.id AND ") +
                  like(QStringLiteral("e.name")) + QStringLiteral(")))"),
              {t, t, t, t, t});
    }
    const QString n = numberPattern(number);
    if (!n.isEmpty()) {
        c.add(like(plainNumber(QStringLiteral("a.recipient"))) + QStringLiteral(" OR (") + kRun +
                  QStringLiteral(" AND (EXISTS (SELECT 1 FROM requests r WHERE r.action_id = a.id AND ") +
                  like(plainNumber(QStringLiteral("r.recipient"))) +
                  QStringLiteral(") OR EXISTS (SELECT 1 FROM entries e WHERE e.action_id = a.id AND ") +
                  like(plainNumber(QStringLiteral("e.number"))) + QStringLiteral(")))"),
              {n, n, n});
    }
    if (!state.isEmpty()) {
        QString where = QStringLiteral("EXISTS (SELECT 1 FROM requests r WHERE r.action_id = a.id AND r.state = ?)");
        // Entries a run never reached are waiting while it is open and were
        // not sent once it ended.
        if (state == QLatin1String(SendJournal::kQueued))
            where += QStringLiteral(" OR (a.state = 'open' AND ") + unsent + QLatin1Char(')');
        else if (state == QLatin1String(SendJournal::kNotSent))
            where += QStringLiteral(" OR (a.state != 'open' AND ") + unsent + QLatin1Char(')');
        c.add(where, {state});
    }
    addDays(c, *this, QStringLiteral("a.started"));
    return c.done();
}

HistoryFilter::Sql HistoryFilter::requests() const {
    Conditions c;
    const QString t = textPattern(text);
    if (!t.isEmpty())
        c.add(like(QStringLiteral("r.text")) + QStringLiteral(" OR ") + like(QStringLiteral("r.name")), {t, t});
    const QString n = numberPattern(number);
    if (!n.isEmpty())
        c.add(like(plainNumber(QStringLiteral("r.recipient"))), {n});
    if (!state.isEmpty())
        c.add(QStringLiteral("r.state = ?"), {state});
    addDays(c, *this, QStringLiteral("r.at"));
    return c.done();
}

HistoryFilter::Sql HistoryFilter::entriesWithoutRequest(const QString& shownState) const {
    // They have no time and no text of their own: a range of days or
    // another state leaves them out.
    if ((!state.isEmpty() && state != shownState) || from.isValid() || to.isValid())
        return {QStringLiteral("0"), {}};
    Conditions c;
    const QString t = textPattern(text);
    if (!t.isEmpty())
        c.add(like(QStringLiteral("e.name")), {t});
    const QString n = numberPattern(number);
    if (!n.isEmpty())
        c.add(like(plainNumber(QStringLiteral("e.number"))), {n});
    return c.done();
}

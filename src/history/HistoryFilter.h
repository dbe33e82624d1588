#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

// What the history window is asked to show: a text (in the message, a part
// as sent or a name), a number, a request state and a range of days. Turned
// into SQL conditions whose values are bound, never pasted into the text.
struct HistoryFilter {
    QString text;
    QString number;
    QString state; // a stored request state; empty for all
    QDate from;    // invalid: no lower bound
    QDate to;      // invalid: no upper bound; the day itself counts

    // A condition and the values for its placeholders, in order.
    struct Sql {
        QString where;
        QVariantList values;
    };

    bool isEmpty() const;

    // Over "actions a": the actions that hold something the filter matches.
    Sql actions() const;
    // Over "requests r" of one action.
    Sql requests() const;
    // Over "entries e" of one action that have no request yet; they are
    // shown in the given state ("queued" while the run is open).
    Sql entriesWithoutRequest(const QString& shownState) const;

    // The LIKE pattern for a typed number: blanks, "/", "-", "(", ")" and
    // "+" dropped, and a single leading zero, so "0170 123" finds both
    // "0170123…" of a list and "0049170123…" as sent. Empty: no filter.
    static QString numberPattern(const QString& typed);
    // The LIKE pattern for a text anywhere, with "%", "_" and "\" escaped.
    static QString textPattern(const QString& typed);

    // "FROM entries e WHERE e.action_id = <action> AND …": the entries of an
    // action that never got a request.
    static QString entriesWithoutRequestFrom(const QString& action);
};

#pragma once

#include "history/HistoryFilter.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// The journal read for the history window: which rows a filter leaves, in
// the order shown, and those rows as the window shows them. Rows are read a
// page at a time by their keys, so 100,000 actions cost what is on screen.
namespace HistoryQuery {

// Display rows hold at most this many characters of a text, on one line;
// the export gets the whole text.
constexpr int kShownTextLength = 300;

struct Action {
    qint64 id = -1;
    QString kind;
    QString state;
    QString started;
    QString text;
    int entries = 0;
};

QStringList actionHeaders();
QStringList requestHeaders();

// The actions the filter matches, newest first. False on a read error.
bool actionKeys(const QSqlDatabase& db, const HistoryFilter& filter, QList<qint64>& keys, QString* error);
// One row per action asked for (start, kind, state, recipient, name, entries,
// the counts per outcome, cost, text), keyed by the action.
bool actionRows(const QSqlDatabase& db, const QList<qint64>& keys, bool wholeText, QHash<qint64, QStringList>& rows,
                QString* error);

// The rows of one action: its requests by entry, part and time, and for a
// mass run the entries that never got a request (key -(place + 1)).
bool requestKeys(const QSqlDatabase& db, const Action& action, const HistoryFilter& filter, QList<qint64>& keys,
                 QString* error);
bool requestRows(const QSqlDatabase& db, const Action& action, const QList<qint64>& keys, bool wholeText,
                 QHash<qint64, QStringList>& rows, QString* error);

std::optional<Action> action(const QSqlDatabase& db, qint64 id);
// The state shown for entries of the action that never got a request.
QString stateOfEntriesWithoutRequest(const Action& action);

// The places of a mass run whose last request of some part ended without
// an answer, in order: what "Ohne Antwort erneut senden" offers.
QList<int> noAnswerPlaces(const QSqlDatabase& db, qint64 action);

} // namespace HistoryQuery

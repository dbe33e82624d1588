#pragma once

#include <QString>
#include <QStringList>

// What the history window calls the journal's stored names, in German, and
// back. A stored value this program does not know is shown as it is.
namespace HistoryLabels {

// Request states in the order the state filter offers them.
QStringList requestStates();
QString stateLabel(const QString& state);
// The stored name of a label ("Bestätigt" -> "confirmed"); empty when unknown.
QString stateFromLabel(const QString& label);

QString kindLabel(const QString& kind);
QString kindFromLabel(const QString& label);

// "open", "done", "cancelled", "discarded".
QString actionStateLabel(const QString& state);

// A stored ISO time as "09.12.2026 14:03:00"; a text that is no time is kept.
QString time(const QString& stamp);

} // namespace HistoryLabels

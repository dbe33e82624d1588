#pragma once

#include "history/SendJournal.h"

#include <QString>

// What the user is asked about an interrupted mass run, and what it costs.
namespace ResumeOffer {

// "Der Massenversand vom 08.12.2026 14:03 wurde unterbrochen: 4.213 von
// 10.000 Nachrichten wurden übergeben. Möchten Sie die übrigen 5.787
// Nachrichten jetzt versenden?", followed by the entries that got no answer
// when there are any.
QString questionText(const SendJournal::OpenRun& run);
// The buttons, in the order Yes, No, Cancel: Escape keeps the run.
QStringList captions(); // "Ja", "Verwerfen", "Nein"

// How many SMS the given places of a run cost in parts, with the placeholders
// filled per entry and the text split the way the send session splits it.
qint64 smsCount(const QList<SendRules::MassEntry>& entries, const QList<int>& places, const QString& text,
                bool isAbsenderkennung, bool isLongSmsEnabled);

QString takenElsewhereText(); // another instance resumed the run first

} // namespace ResumeOffer

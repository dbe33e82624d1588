#pragma once

#include "mass/RecipientEntry.h"

#include <QList>
#include <QString>

#include <optional>

// Before a mass run: entries whose number is not a valid mobile number are
// counted, and the user decides whether they get the message too.
namespace UnsendableNumbers {

// Rows of the entries whose number is invalid or not a mobile number.
QList<int> rows(const QList<RecipientEntry>& entries);

// "3 Nummern sind keine gültigen Mobilfunknummern. Trotzdem an alle senden?"
QString questionText(qsizetype count);

// Asks through the prompts seam when there are such entries: the entries to
// send to (all, or all but those), or nullopt when the user cancels.
std::optional<QList<RecipientEntry>> confirm(const QList<RecipientEntry>& entries);

} // namespace UnsendableNumbers

#pragma once

#include "mass/RecipientEntry.h"

#include <QList>
#include <QString>

// Entries that go to the same phone as an earlier entry of the list, their
// numbers compared after normalising ("0170 1234567" and "00491701234567").
namespace DuplicateCheck {

// Rows (ascending) of every entry whose number an earlier entry already has.
QList<int> laterDuplicates(const QList<RecipientEntry>& entries);

// The entries without the given rows (ascending), in list order.
QList<RecipientEntry> withoutRows(const QList<RecipientEntry>& entries, const QList<int>& rows);

// "12 doppelte Nummern gefunden" (one: "1 doppelte Nummer gefunden") and the
// question whether to keep only the first entry of each number.
QString questionText(qsizetype duplicates);

} // namespace DuplicateCheck

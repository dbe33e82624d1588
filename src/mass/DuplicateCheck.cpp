#include "mass/DuplicateCheck.h"

#include "mass/PhoneNumbers.h"

#include <QSet>

namespace DuplicateCheck {

QList<int> laterDuplicates(const QList<RecipientEntry>& entries) {
    QList<int> rows;
    QSet<QString> seen;
    seen.reserve(entries.size());
    for (int i = 0; i < int(entries.size()); ++i) {
        const QString key = PhoneNumbers::duplicateKey(entries.at(i).number);
        if (key.isEmpty())
            continue;
        if (seen.contains(key))
            rows.append(i);
        else
            seen.insert(key);
    }
    return rows;
}

QList<RecipientEntry> withoutRows(const QList<RecipientEntry>& entries, const QList<int>& duplicates) {
    QList<RecipientEntry> kept;
    kept.reserve(entries.size() - duplicates.size());
    qsizetype next = 0;
    for (int i = 0; i < int(entries.size()); ++i) {
        if (next < duplicates.size() && duplicates.at(next) == i) {
            ++next;
            continue;
        }
        kept.append(entries.at(i));
    }
    return kept;
}

QString questionText(qsizetype duplicates) {
    const QString found = duplicates == 1 ? QStringLiteral("1 doppelte Nummer gefunden")
                                          : QStringLiteral("%1 doppelte Nummern gefunden").arg(duplicates);
    return found + QStringLiteral(".\r\nSoll von jeder Nummer nur der erste Eintrag bleiben?");
}

} // namespace DuplicateCheck

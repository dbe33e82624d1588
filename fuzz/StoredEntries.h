#pragma once

#include "mass/RecipientEntry.h"
#include "platform/CodePage.h"

#include <QList>

// The five codes Windows-1252 leaves undefined read as C1 controls, which the
// code page does not write back (they become "?"): the entries as a file can hold them.
inline QList<RecipientEntry> asStored(QList<RecipientEntry> entries) {
    const auto held = [](const QString& s) { return CodePage::fromWindows1252(CodePage::toWindows1252(s)); };
    for (RecipientEntry& e : entries) {
        e.name = held(e.name);
        e.number = held(e.number);
        e.frei1 = held(e.frei1);
        e.frei2 = held(e.frei2);
    }
    return entries;
}

#pragma once

#include "mass/RecipientEntry.h"

#include <QString>

#include <ostream>

// Readable failure messages for Qt texts and recipient entries.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const RecipientEntry& e, std::ostream* os) {
    *os << '{' << e.name.toStdString() << " | " << e.number.toStdString() << " | " << e.frei1.toStdString()
        << " | " << e.frei2.toStdString() << '}';
}

#pragma once

#include <QString>

// Test texts are written as UTF-8 literals.
inline QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

#pragma once

#include <QString>

// Where an export goes: the save dialog of the prompts seam, the extension
// added when none was typed, and the question before a file is replaced.
namespace SaveTarget {

// The chosen path, or empty when the user cancelled either question.
QString choose(const QString& dialogTitle, const QString& suggestedName, const QString& filter,
               const QString& extension, const QString& boxTitle);

} // namespace SaveTarget

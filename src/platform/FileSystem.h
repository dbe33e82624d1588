#pragma once

#include <QString>

// Small file-system helpers shared by several subsystems.
namespace FileSystem {

// True when the path names an existing file or directory; any error counts as false.
bool fileExists(const QString& path);

// The directory for temporary copies: TEMP when set, else the system's.
QString tempDirectory();

// A new GUID in registry form, upper case, without braces (36 characters).
QString newGuid();

} // namespace FileSystem

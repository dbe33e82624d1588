#pragma once

#include <QByteArray>
#include <QString>

// Reads one value of the branding profile. Sections and keys match without
// regard to case; the value is trimmed, cut at its first NUL and stripped of
// trailing spaces; a missing or empty value (or an unreadable file) gives the default.
QString readIniValue(const QString& filePath, const QString& section, const QString& key,
                     const QString& defaultValue = {});
// The same over the bytes of a profile already read.
QString readIniValueFrom(const QByteArray& bytes, const QString& section, const QString& key,
                         const QString& defaultValue = {});

// The branding profile's name and its full path: beside the executable, else
// in the system-wide folder of an installed copy.
inline constexpr const char16_t* kProfileFileName = u"oem.inf";
QString profilePath();
// A file the profile names (a picture), in the profile's folder.
QString profileFile(const QString& name);
bool profileExists();

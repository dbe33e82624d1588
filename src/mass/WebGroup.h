#pragma once

#include "mass/RecipientEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Groups kept on the service: the group page's address, and the group file a
// group link points to, read into recipient entries.
namespace WebGroup {

// The group page: webGroup + "?email=" + e-mail + "&passwort=" + password.
// The e-mail gets the escaping of query values, the password the URL
// encoding, so "&", "%" or "+" in either reach the service intact.
QString pageAddress(const QString& webGroup, const QString& email, const QString& password);

// The entries of a group file (Windows-1252 text, lines separated by LF, each
// in the line format of the mass-SMS data file). A CR before the LF is no
// part of the last field; blanks around a line are dropped, lines of three
// characters or fewer skipped. nullopt when a line cannot be read, the file
// holds a NUL byte, or no entry
// is left: a group is loaded whole or not at all.
std::optional<QList<RecipientEntry>> parseGroupFile(const QByteArray& bytes);

// The message when a group could not be loaded (download or file).
QString loadFailedText(); // "Die Gruppe konnte nicht geladen werden."

} // namespace WebGroup

#pragma once

#include <QString>

// The Outlook profile and contact folder the add-in is to use, as the options
// dialog holds them until it applies.
struct OutlookChoice {
    QString profile;
    QString folderName;
    QString storeID;
    QString entryID;
};

namespace OutlookSettings {

QString contactsOnlyText();
QString notStartedText();

// Asks for a profile; a failed or cancelled logon keeps the current one, silently.
void chooseProfile(OutlookChoice& choice);

// Outlook's folder picker. A cancelled pick keeps the folder; a folder without
// contacts is refused with a warning and keeps it too; without Outlook the
// user is told so and nothing changes. Name and both ids change together.
// True when a folder was taken.
bool chooseFolder(OutlookChoice& choice);

} // namespace OutlookSettings

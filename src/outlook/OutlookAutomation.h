#pragma once

#include <QString>

#include <optional>

// An Outlook folder as the add-in needs it.
struct OutlookFolder {
    // Outlook's item type of the folder's default items; 2 means contacts.
    int defaultItemType = 0;
    QString addressBookName;
    QString storeID;
    QString entryID;
};

// The seam to Outlook automation: the messaging system's profile choice and
// Outlook's own folder picker. Where there is no Outlook automation (every
// platform but Windows with Outlook installed) the production version says so;
// tests install one that answers from a list of folders.
class OutlookAutomation {
public:
    static constexpr int kContactItemType = 2;

    enum class PickStatus { Picked, Cancelled, Unavailable };
    struct Pick {
        PickStatus status = PickStatus::Unavailable;
        OutlookFolder folder;
    };

    virtual ~OutlookAutomation() = default;
    // The profile the user logged on with; nothing when the logon failed or
    // was cancelled.
    virtual std::optional<QString> logonProfile() = 0;
    virtual Pick pickFolder() = 0;
};

namespace Outlook {

// The automation in force: the installed one, else the platform's own.
OutlookAutomation& automation();
// Tests point the seam elsewhere; nullptr restores the platform's own.
void install(OutlookAutomation* automation);

} // namespace Outlook

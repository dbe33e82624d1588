#include "outlook/OutlookSettings.h"

#include "config/Product.h"
#include "outlook/OutlookAutomation.h"
#include "platform/Prompts.h"

namespace OutlookSettings {

QString contactsOnlyText() {
    return QStringLiteral(
        "Der gewählte Ordner muss Kontakte enthalten.\r\nBitte wählen Sie einen anderen Ordner.");
}

QString notStartedText() {
    return QStringLiteral("Outlook konnte nicht gestartet werden.");
}

void chooseProfile(OutlookChoice& choice) {
    if (const std::optional<QString> profile = Outlook::automation().logonProfile())
        choice.profile = *profile;
}

bool chooseFolder(OutlookChoice& choice) {
    const OutlookAutomation::Pick pick = Outlook::automation().pickFolder();
    switch (pick.status) {
    case OutlookAutomation::PickStatus::Cancelled:
        return false;
    case OutlookAutomation::PickStatus::Unavailable:
        Prompts::show(Prompts::Icon::Warning, Product::productName(), notStartedText());
        return false;
    case OutlookAutomation::PickStatus::Picked:
        break;
    }
    if (pick.folder.defaultItemType != OutlookAutomation::kContactItemType) {
        Prompts::show(Prompts::Icon::Warning, Product::productName(), contactsOnlyText());
        return false;
    }
    choice.folderName = pick.folder.addressBookName;
    choice.storeID = pick.folder.storeID;
    choice.entryID = pick.folder.entryID;
    return true;
}

} // namespace OutlookSettings

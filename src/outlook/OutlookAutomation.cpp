#include "outlook/OutlookAutomation.h"

namespace {

// There is no Outlook automation on this platform: nothing can be started.
class NoOutlook : public OutlookAutomation {
public:
    std::optional<QString> logonProfile() override { return std::nullopt; }
    Pick pickFolder() override { return Pick{PickStatus::Unavailable, {}}; }
};

OutlookAutomation*& installedAutomation() {
    static OutlookAutomation* current = nullptr;
    return current;
}

} // namespace

namespace Outlook {

OutlookAutomation& automation() {
    static NoOutlook platformOwn;
    OutlookAutomation* current = installedAutomation();
    return current ? *current : platformOwn;
}

void install(OutlookAutomation* automation) {
    installedAutomation() = automation;
}

} // namespace Outlook

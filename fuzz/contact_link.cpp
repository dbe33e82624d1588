// Links clicked in the service's pages: contact links fill the recipient,
// group links name a group file, close links end a window.
#include "FuzzSupport.h"

#include "messaging/PrefixCatalogue.h"
#include "messaging/ServiceContract.h"
#include "web/ContactLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString link = fuzz::text(data, size);

    fuzz::require(ContactLink::isContactLink(link) == ServiceContract::isTelefonLink(link),
                  "contact link checks disagree", link);
    fuzz::require(ContactLink::isCloseLink(link) == ServiceContract::isCloseLink(link),
                  "close link checks disagree", link);
    if (ContactLink::isContactLink(link)) {
        const ContactLink::Resolution r = ContactLink::resolve(link);
        const auto parsed = ServiceContract::parseTelefonLink(link);
        fuzz::require((r.outcome == ContactLink::Resolution::Broken) == !parsed.has_value(),
                      "contact link readers disagree on a broken link", link);
        switch (r.outcome) {
        case ContactLink::Resolution::Broken:
            fuzz::require(r.number.isEmpty() && !r.message.isEmpty(), "broken link fills the number", link);
            break;
        case ContactLink::Resolution::Filled:
            fuzz::require(PrefixCatalogue::contains(r.prefixKey), "filled with an unknown prefix", link);
            [[fallthrough]];
        case ContactLink::Resolution::NotMobile:
            fuzz::require(r.name == parsed->name, "contact names differ", link);
            fuzz::require(!r.number.contains(QLatin1Char('/')), "number keeps a separator", link);
            fuzz::require(!r.name.contains(QStringLiteral("%20")), "name keeps an escape", link);
            break;
        }
    }

    const QString dir = QStringLiteral("http://127.0.0.1/gruppen/");
    if (const auto file = ServiceContract::groupFileFromLink(link, dir)) {
        fuzz::require(ServiceContract::isGroupLink(link), "group file from a link that is none", link);
        fuzz::require(file->startsWith(dir), "group file outside the group folder", *file);
    }
    return 0;
}

#include "Charging.h"

#include "Utf8.h"

namespace charging {

int countedSize(std::string_view utf8Text) {
    int n = 0;
    utf8::forEachCodePoint(utf8Text, [&n](char32_t cp) { n += (cp == U'€' || cp == U'"') ? 2 : 1; });
    return n;
}

Charge charge(const ChargeRequest& r) {
    Charge c;
    if (r.countedSize == 0) {
        c.problem = Charge::Empty;
        return c;
    }
    if (r.countedSize > kMaxLength) {
        c.problem = Charge::TooLong;
        return c;
    }
    if (r.countedSize > kSmsLength && !r.longMessage) {
        c.problem = Charge::NeedsLong;
        return c;
    }
    c.parts = r.countedSize <= kSmsLength ? 1 : (r.countedSize + kLongPartLength - 1) / kLongPartLength;
    if (r.push) {
        c.push = true;
        c.cost = kPushCost;
        return c;
    }
    const int perPart = (r.senderId ? kCostPerSmsWithSenderId : kCostPerSms) + (r.reply ? kReplyExtra : 0);
    c.cost = c.parts * perPart;
    return c;
}

} // namespace charging

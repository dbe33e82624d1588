#pragma once

#include <string_view>

// What a message costs, reckoned as the client reckons it before it sends.
namespace charging {

inline constexpr int kSmsLength = 160;      // counted characters of one SMS
inline constexpr int kLongPartLength = 153; // counted characters per part of a long SMS
inline constexpr int kMaxLength = 1500;     // longest text the client sends
inline constexpr int kCostPerSms = 10;
inline constexpr int kCostPerSmsWithSenderId = 14;
inline constexpr int kReplyExtra = 1;
inline constexpr int kPushCost = 5;

// Characters, where "€" and '"' count twice (each takes two places in the
// GSM alphabet the gateway sends in).
int countedSize(std::string_view utf8Text);

struct Charge {
    int parts = 0; // SMS parts; 0 when the text cannot be sent (see problem)
    int cost = 0;  // credits in all
    bool push = false;
    enum Problem { None, Empty, TooLong, NeedsLong } problem = None;
};

struct ChargeRequest {
    int countedSize = 0;
    bool longMessage = false; // "long=true": one request carries the whole text
    bool senderId = false;    // "absenderkennung=true"
    bool reply = false;       // "antwort=true"
    bool push = false;        // push wanted ("skippush=0") and the recipient has the app
};

// A message delivered as push costs a flat kPushCost. Otherwise each part
// costs 10 credits, 14 with a sender id, one more with replies. A text of up
// to 160 counted characters is one part; a longer one is allowed only as a
// long message and costs one part per 153 counted characters.
Charge charge(const ChargeRequest& r);

} // namespace charging

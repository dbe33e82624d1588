// The SmsCount reply: what the credit label shows and which balance the
// credit check then uses.
#include "FuzzSupport.h"

#include "messaging/CreditBalance.h"
#include "messaging/ServiceContract.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString reply = fuzz::text(data, size);
    const CreditBalance::Display d = CreditBalance::interpretBalanceReply(reply, true);
    const ServiceContract::BalanceReply r = ServiceContract::parseBalanceReply(reply);
    switch (r.kind) {
    case ServiceContract::BalanceReply::Kind::Balance:
        fuzz::require(d.balance == r.balance, "shown balance differs from the reply", reply);
        fuzz::require(d.labelText == QString::number(r.balance) + QStringLiteral(" Credits"),
                      "label is not the number", reply);
        fuzz::require(d.low == (r.balance <= CreditBalance::kLowThreshold), "low mark wrong", reply);
        break;
    case ServiceContract::BalanceReply::Kind::NotLoggedIn:
        fuzz::require(d.balance == CreditBalance::kUnknown, "not logged in keeps a balance", reply);
        fuzz::require(d.enabled == CreditBalance::Enabled::Off, "not logged in leaves the label on", reply);
        break;
    case ServiceContract::BalanceReply::Kind::Invalid:
        // A broken reply must never become a balance that blocks or allows a send.
        fuzz::require(d.balance == CreditBalance::kUnknown, "broken reply gives a balance", reply);
        fuzz::require(d.labelText == CreditBalance::noInternetText(), "broken reply label", reply);
        fuzz::require(d.enabled == CreditBalance::Enabled::Keep, "broken reply changes the label state", reply);
        break;
    }
    const CreditBalance::Display failed = CreditBalance::interpretBalanceReply(reply, false);
    fuzz::require(failed.balance == CreditBalance::kUnknown && failed.labelText == CreditBalance::noInternetText(),
                  "a failed transfer reads its body", reply);
    return 0;
}

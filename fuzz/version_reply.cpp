// The CheckVersion reply: the two readers of it agree, and a number that is
// read back always lies in the 16-bit fields the reply allows.
#include "FuzzSupport.h"

#include "messaging/ServiceContract.h"
#include "web/UpdateCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString reply = fuzz::text(data, size);
    const auto contract = ServiceContract::parseVersionReply(reply);
    // The start-up check trims the reply before reading it.
    const auto number = UpdateCheck::parseVersion(reply.trimmed());
    fuzz::require(contract.has_value() == number.has_value(), "version readers disagree", reply);
    if (contract) {
        fuzz::require(contract->number() == *number, "version numbers differ", reply);
        for (const int field : {contract->major, contract->minor, contract->revision})
            fuzz::require(field >= -32768 && field <= 32767, "field outside 16 bits", reply);
    }
    return 0;
}

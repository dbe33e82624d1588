// The CheckInfo reply and what it means for the news window.
#include "FuzzSupport.h"

#include "messaging/ServiceContract.h"
#include "web/UpdateCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // The first two bytes are the number last shown.
    const qint16 lastShown = qint16(quint16(data[0]) << 8 | data[1]);
    const QString reply = fuzz::text(data + 2, size - 2);
    const auto number = ServiceContract::parseNewsNumber(reply);
    const UpdateCheck::NewsDecision d = UpdateCheck::decideNews(reply, lastShown);
    if (!number) {
        fuzz::require(d.action == UpdateCheck::NewsDecision::Nothing && !d.remember,
                      "a broken reply acts on the news", reply);
        return 0;
    }
    fuzz::require(d.number == *number, "decision for another number", reply);
    if (*number == -1)
        fuzz::require(d.action == UpdateCheck::NewsDecision::Show && !d.remember, "-1 is shown, not kept", reply);
    else if (*number > lastShown)
        fuzz::require(d.action == UpdateCheck::NewsDecision::Show && d.remember, "newer news not shown", reply);
    else
        fuzz::require(d.action == UpdateCheck::NewsDecision::Unload && !d.remember, "old news shown", reply);
    return 0;
}

#pragma once

#include "platform/Transfer.h"

#include <QSignalSpy>

// The state the next asynchronous request of the component ends in, or -1
// when none ends within 20 s.
inline int waitForState(Transfer& t) {
    QSignalSpy spy(&t, &Transfer::stateChanged);
    if (spy.isEmpty() && !spy.wait(20000))
        return -1;
    return spy.first().first().toInt();
}

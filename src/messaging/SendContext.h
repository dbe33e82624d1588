#pragma once

#include "schedule/CCronjob.h"

#include <QString>

#include <optional>

// What the main window holds for the duration of a send.
struct SendContext {
    bool massMode = false;
    // A mass run is under way: no second send, no mode switch.
    bool massRunActive = false;
    // Set at the start of each send, emptied once the send has been started.
    QString password;
    // Present only while a scheduled send is being started.
    std::optional<CCronjob> schedule;
    QString lastScheduleStart;
    // The text of the last single send the gateway confirmed.
    QString lastSentText;
    // -1: unknown; never blocks a send.
    qint32 creditBalance = -1;
};

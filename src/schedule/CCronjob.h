#pragma once

#include <QString>

// A schedule record: lives for one send action and travels with every request
// of that action as start, five-field cron string and end.
class CCronjob {
public:
    QString StartTime;
    QString CronString;
    QString EndTime;
};

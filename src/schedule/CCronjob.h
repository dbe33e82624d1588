#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

struct ScheduleChoices;
struct CronjobBuild;

// A schedule record: lives for one send action and travels with every request
// of that action as start, five-field cron string and end.
class CCronjob {
public:
    QString StartTime;
    QString CronString;
    QString EndTime;

    // "Senden" in the recurrence editor: reads the editor's choices and says
    // what the editor is to show and whether it may close.
    using Build = CronjobBuild;
    static Build build(const ScheduleChoices& choices);

    // "yyyy-MM-dd hh:mm:ss"
    static QString formatMoment(const QDateTime& moment);

    // How the record crosses the prompts seam.
    QVariant toVariant() const;
    static std::optional<CCronjob> fromVariant(const QVariant& value);
};

// The outcome of CCronjob::build: the record, whether the editor may close,
// and the messages to show, in order.
struct CronjobBuild {
    CCronjob record;
    bool close = true;
    QList<Prompts::Message> messages;
};

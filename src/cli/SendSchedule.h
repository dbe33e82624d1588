#pragma once

#include "platform/Prompts.h"
#include "schedule/CCronjob.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct ScheduleChoices;

// --at, --cron and --until turned into the recurrence editor's choices, so
// that CCronjob::build makes the same schedule strings (and refusals) as the
// editor does.
namespace SendSchedule {

// "2027-01-05 08:30" (also with "T"); nullopt for anything else.
std::optional<QDateTime> parseMoment(const QString& text);
// "2027-01-05"; nullopt for anything else.
std::optional<QDate> parseDate(const QString& text);

// The five cron fields as the editor's pattern; nullopt with a German reason
// in *why when the editor has no pattern for them.
std::optional<ScheduleChoices> choicesFromCron(const QString& cron, QString* why);

struct Result {
    std::optional<CCronjob> job;             // none for a send now
    QString error;                           // set when the schedule is refused
    QList<Prompts::Message> notices;         // the editor's notices (short months, fifth weekday)
};
// at, cron and until as given (empty when absent); now is the moment of the call.
Result build(const QString& at, const QString& cron, const QString& until, const QDateTime& now);

} // namespace SendSchedule

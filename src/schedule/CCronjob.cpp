#include "schedule/CCronjob.h"

#include "schedule/RecurrenceRules.h"
#include "schedule/ScheduleChoices.h"

#include <QStringList>

#include <algorithm>

namespace {

using namespace RecurrenceRules;

Prompts::Message refusal(const QString& text) {
    return {Prompts::Icon::Error, dialogTitle(), text, Prompts::Buttons::Ok};
}

Prompts::Message notice(const QString& text) {
    return {Prompts::Icon::Information, noticeTitle(), text, Prompts::Buttons::Ok};
}

QString noWeekdayText() {
    return QStringLiteral("Sie müssen mind. einen Wochentag auswählen");
}
QString badTimeText() {
    return QStringLiteral("Bitte geben Sie eine gültige Uhrzeit an: Stunde 00 bis 23 und Minute 00 bis 59.");
}
QString incompletePatternText() {
    return QStringLiteral(
        "Das Serienmuster ist unvollständig. Bitte wählen Sie Tag, Wochentag und Monat aus den "
        "Listen aus.");
}
QString endBeforeStartText() {
    return QStringLiteral(
        "Das Ende der Serie liegt vor dem ersten Versand. Bitte wählen Sie ein späteres Ende.");
}

// Hour or minute as it goes into the cron string: two digits within range.
std::optional<int> timePart(const QString& text, int max) {
    if (text.size() != 2 || !isNumber(text) || text.toInt() > max)
        return std::nullopt;
    return text.toInt();
}

// A day text that names a day of the month (or of one given month).
bool isDay(const QString& text, int lastDay) {
    return isNumber(text) && text.size() <= 2 && text.toInt() >= 1 && text.toInt() <= lastDay;
}

QString weekdayList(const std::array<bool, 7>& shown) {
    QList<int> numbers;
    for (int i = 0; i < 7; ++i) {
        if (shown[i])
            numbers << cronWeekday(weekdayNames()[i]);
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList out;
    for (const int n : numbers)
        out << QString::number(n);
    return out.join(QLatin1Char(','));
}

// The three fields after minute and hour, or nothing when the chosen variant
// lacks a value (an empty field would reach the service as a broken string).
std::optional<QString> patternFields(const ScheduleChoices& c) {
    using C = ScheduleChoices;
    auto join = [](const QString& day, const QString& month, const QString& weekday) -> QString {
        return day + QLatin1Char(' ') + month + QLatin1Char(' ') + weekday;
    };
    const QString any = QStringLiteral("*");
    switch (c.pattern) {
    case C::Pattern::Daily:
        return join(any, any, c.daily == C::DailyVariant::EveryDay ? any : weekdayList(c.weekdays));
    case C::Pattern::Monthly:
        if (c.monthly == C::MonthlyVariant::Day) {
            if (!isDay(c.monthDay, 31))
                return std::nullopt;
            return join(c.monthDay, any, any);
        } else {
            const QString range = occurrenceRange(c.monthOccurrence);
            const int weekday = cronWeekday(c.monthWeekday);
            if (range.isEmpty() || weekday < 0)
                return std::nullopt;
            return join(range, any, QString::number(weekday));
        }
    case C::Pattern::Yearly:
        if (c.yearly == C::YearlyVariant::Date) {
            const int month = monthNumber(c.yearMonth);
            // 29 February is a day of the month as well.
            if (month == 0 || !isDay(c.yearDay, DayOfMonthCount(month, 2000)))
                return std::nullopt;
            return join(c.yearDay, QString::number(month), any);
        } else {
            const QString range = occurrenceRange(c.yearOccurrence);
            const int weekday = cronWeekday(c.yearWeekday);
            const int month = monthNumber(c.yearOccurrenceMonth);
            if (range.isEmpty() || weekday < 0 || month == 0)
                return std::nullopt;
            return join(range, QString::number(month), QString::number(weekday));
        }
    }
    return std::nullopt;
}

} // namespace

CCronjob::Build CCronjob::build(const ScheduleChoices& c) {
    using C = ScheduleChoices;
    Build b;
    auto refuse = [&b](const QString& text) {
        b.close = false;
        b.messages << refusal(text);
        return b;
    };

    // The start is checked as numbers ("1e1" or an empty hour must not become
    // a start) but written from the date and the field texts: a local time
    // the clocks skip or repeat is still the moment the user typed, and the
    // service reads it in its own zone.
    const QString hourText = padOnLeave(c.hour);
    const QString minuteText = padOnLeave(c.minute);
    const auto hour = timePart(hourText, 23);
    const auto minute = timePart(minuteText, 59);
    if (!hour || !minute || !c.startDate.isValid())
        return refuse(badTimeText());
    const QString start = c.startDate.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') + hourText +
                          QLatin1Char(':') + minuteText + QStringLiteral(":00");

    if (!c.series) {
        b.record.StartTime = start + QLatin1Char(' ');
        b.record.CronString = QStringLiteral("0");
        b.record.EndTime = QStringLiteral("0");
        return b;
    }

    if (c.pattern == C::Pattern::Daily && c.daily == C::DailyVariant::Weekdays &&
        std::none_of(c.weekdays.begin(), c.weekdays.end(), [](bool on) { return on; }))
        return refuse(noWeekdayText());
    const auto fields = patternFields(c);
    if (!fields)
        return refuse(incompletePatternText());
    // Compared as wall-clock texts, like the start itself.
    if (c.ending == C::Ending::OnDate && (!c.endAt.isValid() || formatMoment(c.endAt) < start))
        return refuse(endBeforeStartText());

    if (c.pattern == C::Pattern::Monthly && c.monthly == C::MonthlyVariant::Day) {
        if (const auto text = monthDayNotice(c.monthDay))
            b.messages << notice(*text);
    }
    if (c.pattern == C::Pattern::Yearly && c.yearly == C::YearlyVariant::NthWeekday &&
        c.yearOccurrence == u"5")
        b.messages << notice(fifthWeekdayNotice());

    b.record.CronString = minuteText + QLatin1Char(' ') + hourText + QLatin1Char(' ') + *fields;
    b.record.StartTime = start;
    // A count is always at least one delivery, in every pattern.
    b.record.EndTime =
        c.ending == C::Ending::AfterCount ? countOnLeave(countOnChange(c.count)) : formatMoment(c.endAt);
    return b;
}

QString CCronjob::formatMoment(const QDateTime& moment) {
    // Date and time of day as they stand, without any zone arithmetic.
    return moment.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
           moment.time().toString(QStringLiteral("HH:mm:ss"));
}

QVariant CCronjob::toVariant() const {
    return QVariantMap{{QStringLiteral("StartTime"), StartTime},
                       {QStringLiteral("CronString"), CronString},
                       {QStringLiteral("EndTime"), EndTime}};
}

std::optional<CCronjob> CCronjob::fromVariant(const QVariant& value) {
    if (!value.isValid())
        return std::nullopt;
    const QVariantMap map = value.toMap();
    CCronjob job;
    job.StartTime = map.value(QStringLiteral("StartTime")).toString();
    job.CronString = map.value(QStringLiteral("CronString")).toString();
    job.EndTime = map.value(QStringLiteral("EndTime")).toString();
    return job;
}

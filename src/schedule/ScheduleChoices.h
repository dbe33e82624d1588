#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>

// What the recurrence editor's fields hold when "Senden" is pressed: the
// input of CCronjob::build. Texts are kept as the fields show them, because
// the cron string copies several of them unchanged.
struct ScheduleChoices {
    enum class Pattern { Daily, Monthly, Yearly };
    enum class DailyVariant { EveryDay, Weekdays };
    enum class MonthlyVariant { Day, NthWeekday };
    enum class YearlyVariant { Date, NthWeekday };
    enum class Ending { AfterCount, OnDate };

    QDate startDate;
    QString hour;   // cmbTimeHour
    QString minute; // cmbTimeMinutes
    bool series = false;

    Pattern pattern = Pattern::Daily;
    DailyVariant daily = DailyVariant::EveryDay;
    // In the order the editor shows them: Montag first, Sonntag last.
    std::array<bool, 7> weekdays{};

    MonthlyVariant monthly = MonthlyVariant::Day;
    QString monthDay;        // cmbMonthDayDate
    QString monthOccurrence; // cmbMonthWDayMulti
    QString monthWeekday;    // cmbMonthWDAy

    YearlyVariant yearly = YearlyVariant::Date;
    QString yearDay;             // cmbYearlyDayDate
    QString yearMonth;           // cmbYearlyMonthDate
    QString yearOccurrence;      // cmbYearlyWDayMulti
    QString yearWeekday;         // cmbYearlyWDay
    QString yearOccurrenceMonth; // cmbYearlyWDayMonth

    Ending ending = Ending::AfterCount;
    QString count;   // tbSendTimes
    QDateTime endAt; // DTPickerStop
};

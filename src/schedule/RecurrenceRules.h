#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// The recurrence editor's rules without its widgets: the lists it offers, the
// defaults of an opening, the corrections while typing and on leaving a field,
// and the date picker rules.
namespace RecurrenceRules {

QString dialogTitle(); // "Terminversand"
QString noticeTitle(); // "Vorsicht"

QStringList hourList();       // "00" … "23"
QStringList minuteList();     // "00", "05" … "55"
QStringList monthDayList();   // "01" … "31"
QStringList occurrenceList(); // "1" … "5"
QStringList weekdayNames();   // "Montag" … "Sonntag", as shown
QStringList monthNames();     // "Januar" … "Dezember"

// Day-of-week number of the cron string: "Sonntag" 0, "Montag" 1 … "Samstag" 6;
// -1 for any other text.
int cronWeekday(const QString& name);
// 1 … 12; 0 for any other text.
int monthNumber(const QString& name);
// "1" -> "1-7" … "5" -> "29-31"; empty for any other text.
QString occurrenceRange(const QString& occurrence);

// Digits only: "1e1", "1.5", " 7" and "-1" are not numbers here.
bool isNumber(const QString& text);

// Days of that month in that year; 0 when the month or year is not valid.
int DayOfMonthCount(int month, int year);
// The week of the month a day falls in: "1" … "5".
QString weekOfMonth(int dayOfMonth);

// Corrections while typing: the text as it should stand afterwards.
QString hourOnChange(const QString& text);       // 0 … 23 stay
QString minuteOnChange(const QString& text);     // 0 … 55 stay
QString occurrenceOnChange(const QString& text); // 1 … 5 stay
QString yearDayOnChange(const QString& text, int listSize);
QString countOnChange(const QString& text); // below 1 becomes "1"
// Corrections on leaving a field.
QString padOnLeave(const QString& text); // "7" -> "07"
QString yearDayOnLeave(const QString& text, const QDate& today);
QString countOnLeave(const QString& text); // empty becomes "1"
// The short-month notice for a monthly day, if that day needs one.
std::optional<QString> monthDayNotice(const QString& dayText);
QString fifthWeekdayNotice();

// The start offered at an opening: from the previous start text when it is a
// date-time, otherwise the next five-minute slot after now (which may fall on
// the next day). The end is offered one day after the start.
struct StartPreset {
    QDate date;
    QString hour;
    QString minute;
    QDateTime end;
};
StartPreset presetStart(const QString& previousStart, const QDateTime& now);

// The yearly day list for the chosen month: its length and the day text that
// goes with it. Nothing for a text that is not a month name.
struct YearDays {
    int count = 0;
    QString day;
};
std::optional<YearDays> yearDays(const QString& dayText, const QString& monthName, const QString& hour,
                                 const QString& minute, const QDateTime& now);

// Start picker: a date before today becomes today.
QDate startPicked(const QDate& picked, const QDateTime& now);
// End picker (and a start moved past the end): an end on a day before the
// start takes the start's full value.
QDateTime endFollowingStart(const QDateTime& end, const QDateTime& start);

} // namespace RecurrenceRules

#include "schedule/RecurrenceRules.h"

#include <gtest/gtest.h>

using namespace RecurrenceRules;

namespace {
QString s(const char* text) {
    return QString::fromUtf8(text);
}
QDateTime at(int y, int mo, int d, int h, int mi, int sec = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, sec));
}
} // namespace

TEST(RecurrenceRules, NextFiveMinuteSlotIsOffered) {
    struct Case {
        QDateTime now;
        QDate date;
        const char* hour;
        const char* minute;
    };
    const Case cases[] = {
        {at(2026, 6, 10, 14, 50), QDate(2026, 6, 10), "14", "55"},
        {at(2026, 6, 10, 14, 52, 59), QDate(2026, 6, 10), "14", "55"},
        {at(2026, 6, 10, 14, 55), QDate(2026, 6, 10), "15", "00"},
        {at(2026, 6, 10, 14, 59), QDate(2026, 6, 10), "15", "00"},
        {at(2026, 6, 10, 10, 0), QDate(2026, 6, 10), "10", "05"},
        {at(2026, 6, 10, 0, 3), QDate(2026, 6, 10), "00", "05"},
        {at(2026, 6, 10, 23, 50), QDate(2026, 6, 10), "23", "55"},
        // From 23:55 on the slot is midnight of the next day, across month and year ends.
        {at(2026, 6, 10, 23, 55), QDate(2026, 6, 11), "00", "00"},
        {at(2026, 6, 30, 23, 59, 59), QDate(2026, 7, 1), "00", "00"},
        {at(2026, 12, 31, 23, 57), QDate(2027, 1, 1), "00", "00"},
        {at(2028, 2, 28, 23, 56), QDate(2028, 2, 29), "00", "00"},
    };
    for (const Case& c : cases) {
        const StartPreset p = presetStart(QString(), c.now);
        EXPECT_EQ(p.date, c.date) << c.now.toString().toStdString();
        EXPECT_EQ(p.hour, s(c.hour)) << c.now.toString().toStdString();
        EXPECT_EQ(p.minute, s(c.minute)) << c.now.toString().toStdString();
        // The end is offered a day after the start, never before it.
        EXPECT_EQ(p.end, QDateTime(c.date, QTime(p.hour.toInt(), p.minute.toInt())).addDays(1));
    }
}

TEST(RecurrenceRules, PreviousStartIsOfferedAgain) {
    const QDateTime now = at(2026, 6, 10, 9, 12);
    StartPreset p = presetStart(s("2026-07-04 18:35:00"), now);
    EXPECT_EQ(p.date, QDate(2026, 7, 4));
    EXPECT_EQ(p.hour, s("18"));
    EXPECT_EQ(p.minute, s("35"));
    EXPECT_EQ(p.end, at(2026, 7, 5, 18, 35));

    // A single send's start (trailing blank) reads the same.
    p = presetStart(s("2026-07-04 08:05:00 "), now);
    EXPECT_EQ(p.date, QDate(2026, 7, 4));
    EXPECT_EQ(p.hour, s("08"));

    // A start that has passed since keeps its time but moves to today.
    p = presetStart(s("2026-06-09 18:35:00"), now);
    EXPECT_EQ(p.date, QDate(2026, 6, 10));
    EXPECT_EQ(p.hour, s("18"));
    EXPECT_EQ(p.end, at(2026, 6, 11, 18, 35));

    // Anything that is not a start falls back to the next slot.
    for (const char* junk : {"", "morgen", "2026-13-01 10:00:00", "2026-06-10 25:00:00"}) {
        p = presetStart(s(junk), now);
        EXPECT_EQ(p.date, QDate(2026, 6, 10)) << junk;
        EXPECT_EQ(p.hour + u':' + p.minute, s("09:15")) << junk;
    }
}

TEST(RecurrenceRules, DayOfMonthCount) {
    const int cases[][3] = {{1, 2015, 31}, {2, 2015, 28}, {2, 2016, 29},  {2, 2000, 29},
                            {2, 2100, 28}, {4, 2016, 30}, {12, 2016, 31}, {0, 2016, 0},
                            {13, 2016, 0}, {2, 0, 0},     {-1, 2016, 0},  {2, 10000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(DayOfMonthCount(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

TEST(RecurrenceRules, TypingCorrections) {
    struct Case {
        QString (*rule)(const QString&);
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {hourOnChange, "23", "23"},    {hourOnChange, "24", ""},       {hourOnChange, "0", "0"},
        {hourOnChange, "1e1", ""},     {hourOnChange, "1.5", ""},      {hourOnChange, "-1", ""},
        {hourOnChange, "x", ""},       {hourOnChange, "", ""},         {hourOnChange, "99999999999999", ""},
        {minuteOnChange, "53", "53"},  {minuteOnChange, "55", "55"},   {minuteOnChange, "56", ""},
        {minuteOnChange, "57", ""},    {minuteOnChange, "00", "00"},   {occurrenceOnChange, "6", ""},
        {occurrenceOnChange, "0", ""}, {occurrenceOnChange, "5", "5"}, {occurrenceOnChange, "1", "1"},
        {countOnChange, "0", "1"},     {countOnChange, "abc", ""},     {countOnChange, "12", "12"},
        {countOnChange, "00", "1"},    {padOnLeave, "7", "07"},        {padOnLeave, "0", "00"},
        {padOnLeave, "07", "07"},      {padOnLeave, "", ""},           {padOnLeave, "x", "x"},
        {countOnLeave, "", "1"},       {countOnLeave, "4", "4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rule(s(c.typed)), s(c.kept)) << c.typed;
}

TEST(RecurrenceRules, YearlyDayFieldFollowsItsList) {
    EXPECT_EQ(yearDayOnChange(s("29"), 28), QString());
    EXPECT_EQ(yearDayOnChange(s("28"), 28), s("28"));
    EXPECT_EQ(yearDayOnChange(s("0"), 28), QString());
    EXPECT_EQ(yearDayOnChange(s("45"), 0), s("45")); // no list yet: nothing to compare with
    EXPECT_EQ(yearDayOnChange(s("a"), 31), QString());
    const QDate today(2026, 6, 7);
    EXPECT_EQ(yearDayOnLeave(QString(), today), s("7"));
    EXPECT_EQ(yearDayOnLeave(s("05"), today), s("05"));
    EXPECT_EQ(yearDayOnLeave(s("5"), today), s("05"));
}

TEST(RecurrenceRules, YearlyDayListForTheNextTimeTheDateComesRound) {
    struct Case {
        QDateTime now;
        const char* day;
        const char* month;
        const char* time;
        int count;
        const char* shown;
    };
    const Case cases[] = {
        {at(2015, 1, 10, 12, 0), "31", "Februar", "08:00", 28, "28"},
        {at(2016, 1, 10, 12, 0), "31", "Februar", "08:00", 29, "29"},
        {at(2016, 1, 10, 12, 0), "15", "Februar", "08:00", 29, "15"},
        {at(2016, 1, 10, 12, 0), "31", "April", "08:00", 30, "30"},
        {at(2016, 1, 10, 12, 0), "31", "Dezember", "08:00", 31, "31"},
        // February of this year has passed: the next one is a leap February.
        {at(2027, 3, 1, 10, 0), "29", "Februar", "14:00", 29, "29"},
        // Today at a time still to come: this year's February counts.
        {at(2028, 2, 29, 10, 0), "29", "Februar", "14:00", 29, "29"},
        // Today, but the time has passed: next year, whose February is short.
        {at(2028, 2, 29, 15, 0), "29", "Februar", "14:00", 28, "28"},
        {at(2028, 3, 1, 10, 0), "29", "Februar", "14:00", 28, "28"},
    };
    for (const Case& c : cases) {
        const QString t = s(c.time);
        const auto r = yearDays(s(c.day), s(c.month), t.left(2), t.mid(3, 2), c.now);
        ASSERT_TRUE(r) << c.month;
        EXPECT_EQ(r->count, c.count) << c.now.toString().toStdString() << " " << c.day << " " << c.month;
        EXPECT_EQ(r->day, s(c.shown)) << c.now.toString().toStdString() << " " << c.day << " " << c.month;
    }
    EXPECT_FALSE(yearDays(s("3"), s("Febr"), s("08"), s("00"), at(2016, 1, 1, 0, 0)));
}

TEST(RecurrenceRules, NamesAndNumbers) {
    EXPECT_EQ(cronWeekday(s("Sonntag")), 0);
    EXPECT_EQ(cronWeekday(s("Montag")), 1);
    EXPECT_EQ(cronWeekday(s("Samstag")), 6);
    EXPECT_EQ(cronWeekday(s("sonntag")), -1);
    EXPECT_EQ(monthNumber(s("März")), 3);
    EXPECT_EQ(monthNumber(s("Dezember")), 12);
    EXPECT_EQ(monthNumber(s("Maerz")), 0);
    const char* ranges[] = {"", "1-7", "8-14", "15-21", "22-28", "29-31", ""};
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(occurrenceRange(QString::number(i)), s(ranges[i])) << i;
    EXPECT_EQ(occurrenceRange(s("01")), QString());
    const int days[][2] = {{1, 1}, {7, 1}, {8, 2}, {14, 2}, {28, 4}, {29, 5}, {31, 5}};
    for (const auto& d : days)
        EXPECT_EQ(weekOfMonth(d[0]), QString::number(d[1])) << d[0];
}

TEST(RecurrenceRules, DatePickers) {
    const QDateTime now = at(2026, 6, 10, 14, 52);
    EXPECT_EQ(startPicked(QDate(2026, 6, 9), now), QDate(2026, 6, 10));
    EXPECT_EQ(startPicked(QDate(2026, 6, 10), now), QDate(2026, 6, 10));
    EXPECT_EQ(startPicked(QDate(2026, 6, 11), now), QDate(2026, 6, 11));
    EXPECT_EQ(startPicked(QDate(), now), QDate(2026, 6, 10));

    const QDateTime start = at(2026, 6, 20, 8, 30);
    EXPECT_EQ(endFollowingStart(at(2026, 6, 19, 23, 0), start), start);
    EXPECT_EQ(endFollowingStart(at(2026, 6, 20, 7, 0), start), at(2026, 6, 20, 7, 0));
    EXPECT_EQ(endFollowingStart(at(2026, 7, 1, 7, 0), start), at(2026, 7, 1, 7, 0));
    EXPECT_EQ(endFollowingStart(QDateTime(), start), start);
}

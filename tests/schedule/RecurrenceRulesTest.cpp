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

TEST(RecurrenceRules, StartPresetIsTheNextFiveMinuteSlotOrThePreviousStart) {
    const QDateTime june10 = at(2026, 6, 10, 9, 12);
    struct Case {
        const char* previous;
        QDateTime now;
        QDate date;
        const char* time;
    };
    const Case cases[] = {
        {"", at(2026, 6, 10, 14, 52, 59), QDate(2026, 6, 10), "14:55"},
        {"", at(2026, 6, 10, 14, 55), QDate(2026, 6, 10), "15:00"},
        {"", at(2026, 6, 10, 0, 3), QDate(2026, 6, 10), "00:05"},
        {"", at(2026, 6, 10, 23, 50), QDate(2026, 6, 10), "23:55"},
        // From 23:55 on the slot is midnight of the next day, across month and year ends.
        {"", at(2026, 6, 10, 23, 55), QDate(2026, 6, 11), "00:00"},
        {"", at(2026, 12, 31, 23, 57), QDate(2027, 1, 1), "00:00"},
        {"", at(2028, 2, 28, 23, 56), QDate(2028, 2, 29), "00:00"},
        {"2026-07-04 18:35:00", june10, QDate(2026, 7, 4), "18:35"},
        {"2026-07-04 08:05:00 ", june10, QDate(2026, 7, 4), "08:05"}, // a single send's start
        // A start that has passed since keeps its time but moves to today.
        {"2026-06-09 18:35:00", june10, QDate(2026, 6, 10), "18:35"},
        {"morgen", june10, QDate(2026, 6, 10), "09:15"},
        {"2026-13-01 10:00:00", june10, QDate(2026, 6, 10), "09:15"},
        {"2026-06-10 25:00:00", june10, QDate(2026, 6, 10), "09:15"},
    };
    for (const Case& c : cases) {
        const StartPreset p = presetStart(s(c.previous), c.now);
        const std::string what = c.previous + c.now.toString().toStdString();
        EXPECT_EQ(p.date, c.date) << what;
        EXPECT_EQ(p.hour + u':' + p.minute, s(c.time)) << what;
        // The end is offered a day after the start, never before it.
        EXPECT_EQ(p.end, QDateTime(c.date, QTime::fromString(s(c.time), u"hh:mm")).addDays(1)) << what;
    }
}

TEST(RecurrenceRules, DayOfMonthCount) {
    const int cases[][3] = {{1, 2015, 31}, {2, 2015, 28}, {2, 2016, 29}, {2, 2000, 29}, {2, 2100, 28},
                            {4, 2016, 30}, {0, 2016, 0},  {13, 2016, 0}, {2, 0, 0},     {2, 10000, 0}};
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
        {hourOnChange, "23", "23"},     {hourOnChange, "24", ""},
        {hourOnChange, "0", "0"},       {hourOnChange, "1e1", ""},
        {hourOnChange, "1.5", ""},      {hourOnChange, "-1", ""},
        {hourOnChange, "", ""},         {hourOnChange, "99999999999999", ""},
        {minuteOnChange, "55", "55"},   {minuteOnChange, "56", ""},
        {occurrenceOnChange, "6", ""},  {occurrenceOnChange, "0", ""},
        {occurrenceOnChange, "5", "5"}, {countOnChange, "0", "1"},
        {countOnChange, "abc", ""},     {countOnChange, "12", "12"},
        {countOnChange, "00", "1"},     {padOnLeave, "7", "07"},
        {padOnLeave, "07", "07"},       {padOnLeave, "", ""},
        {padOnLeave, "x", "x"},         {countOnLeave, "", "1"},
        {countOnLeave, "4", "4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rule(s(c.typed)), s(c.kept)) << c.typed;

    EXPECT_EQ(yearDayOnChange(s("29"), 28), QString());
    EXPECT_EQ(yearDayOnChange(s("28"), 28), s("28"));
    EXPECT_EQ(yearDayOnChange(s("0"), 28), QString());
    EXPECT_EQ(yearDayOnChange(s("45"), 0), s("45")); // no list yet: nothing to compare with
    EXPECT_EQ(yearDayOnLeave(QString(), QDate(2026, 6, 7)), s("7"));
    EXPECT_EQ(yearDayOnLeave(s("5"), QDate(2026, 6, 7)), s("05"));
}

TEST(RecurrenceRules, YearlyDayListForTheNextTimeTheDateComesRound) {
    struct Case {
        QDateTime now;
        const char* day;
        const char* month;
        int count;
        const char* shown;
    };
    const Case cases[] = {
        {at(2015, 1, 10, 12, 0), "31", "Februar", 28, "28"},
        {at(2016, 1, 10, 12, 0), "31", "Februar", 29, "29"},
        {at(2016, 1, 10, 12, 0), "15", "Februar", 29, "15"},
        {at(2016, 1, 10, 12, 0), "31", "April", 30, "30"},
        // An earlier date moves to next year only once the time of day is past
        // the chosen time (14:00): at 10:00 it is this year's short February,
        // at 15:00 next year's leap February.
        {at(2027, 3, 1, 10, 0), "29", "Februar", 28, "28"},
        {at(2027, 3, 1, 15, 0), "29", "Februar", 29, "29"},
        {at(2027, 12, 31, 15, 0), "29", "Februar", 29, "29"},
        // Today at a time still to come (14:00): this year's February counts.
        {at(2028, 2, 29, 10, 0), "29", "Februar", 29, "29"},
        // Today, but the time has passed: next year, whose February is short.
        {at(2028, 2, 29, 15, 0), "29", "Februar", 28, "28"},
    };
    for (const Case& c : cases) {
        const auto r = yearDays(s(c.day), s(c.month), s("14"), s("00"), c.now);
        ASSERT_TRUE(r) << c.month;
        const std::string what = c.now.toString().toStdString() + " " + c.day + " " + c.month;
        EXPECT_EQ(r->count, c.count) << what;
        EXPECT_EQ(r->day, s(c.shown)) << what;
    }
    EXPECT_FALSE(yearDays(s("3"), s("Febr"), s("08"), s("00"), at(2016, 1, 1, 0, 0)));
}

TEST(RecurrenceRules, NamesAndNumbers) {
    EXPECT_EQ(cronWeekday(s("Sonntag")), 0);
    EXPECT_EQ(cronWeekday(s("Samstag")), 6);
    EXPECT_EQ(cronWeekday(s("sonntag")), -1);
    EXPECT_EQ(monthNumber(s("März")), 3);
    EXPECT_EQ(monthNumber(s("Maerz")), 0);
    const char* ranges[] = {"", "1-7", "8-14", "15-21", "22-28", "29-31", ""};
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(occurrenceRange(QString::number(i)), s(ranges[i])) << i;
    EXPECT_EQ(occurrenceRange(s("01")), QString());
    const int days[][2] = {{1, 1}, {7, 1}, {8, 2}, {28, 4}, {29, 5}, {31, 5}};
    for (const auto& d : days)
        EXPECT_EQ(weekOfMonth(d[0]), QString::number(d[1])) << d[0];
}

TEST(RecurrenceRules, DatePickers) {
    const QDateTime now = at(2026, 6, 10, 14, 52);
    EXPECT_EQ(startPicked(QDate(2026, 6, 9), now), QDate(2026, 6, 10));
    EXPECT_EQ(startPicked(QDate(2026, 6, 11), now), QDate(2026, 6, 11));
    EXPECT_EQ(startPicked(QDate(), now), QDate(2026, 6, 10));
    const QDateTime start = at(2026, 6, 20, 8, 30);
    EXPECT_EQ(endFollowingStart(at(2026, 6, 19, 23, 0), start), start);
    EXPECT_EQ(endFollowingStart(at(2026, 6, 20, 7, 0), start), at(2026, 6, 20, 7, 0));
    EXPECT_EQ(endFollowingStart(QDateTime(), start), start);
}

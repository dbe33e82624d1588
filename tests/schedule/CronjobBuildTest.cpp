#include "schedule/CCronjob.h"
#include "schedule/ScheduleChoices.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <time.h>

namespace {

using C = ScheduleChoices;
QString s(const char* text) {
    return QString::fromUtf8(text);
}

// Index of each weekday box in the order the editor shows them.
enum Shown { Mon, Die, Mit, Don, Fre, Sam, Son };

C series(const char* hour = "08", const char* minute = "30") {
    C c;
    c.startDate = QDate(2015, 12, 1);
    c.hour = s(hour), c.minute = s(minute), c.series = true, c.count = s("3");
    return c;
}
C weekdays(std::initializer_list<Shown> checked, C::DailyVariant v = C::DailyVariant::Weekdays) {
    C c = series("10", "00");
    c.daily = v;
    for (Shown d : checked)
        c.weekdays[d] = true;
    return c;
}
C monthlyDay(const char* day) {
    C c = series("12", "00");
    c.pattern = C::Pattern::Monthly, c.monthDay = s(day);
    return c;
}
C monthlyNth(const char* occurrence, const char* weekday) {
    C c = series("09", "00");
    c.pattern = C::Pattern::Monthly, c.monthly = C::MonthlyVariant::NthWeekday;
    c.monthOccurrence = s(occurrence), c.monthWeekday = s(weekday);
    return c;
}
C yearlyDate(const char* day, const char* month) {
    C c = series("18", "00");
    c.pattern = C::Pattern::Yearly, c.yearDay = s(day), c.yearMonth = s(month);
    return c;
}
C yearlyNth(const char* occurrence, const char* weekday, const char* month) {
    C c = series("10", "30");
    c.pattern = C::Pattern::Yearly, c.yearly = C::YearlyVariant::NthWeekday;
    c.yearOccurrence = s(occurrence), c.yearWeekday = s(weekday), c.yearOccurrenceMonth = s(month);
    return c;
}

QStringList texts(const CCronjob::Build& b) {
    QStringList out;
    for (const auto& m : b.messages)
        out << m.title + QStringLiteral(": ") + m.text;
    return out;
}

} // namespace

TEST(CronjobBuild, PatternsGiveTheirCronStringsAndNotices) {
    const QString mind = s("Vorsicht: Die SMS wird nur in Monaten mit mind. %1 Tagen versendet");
    const QString fifth =
        s("Vorsicht: Die SMS wird nur in Monaten versendet, in denen der Wochentag fünf Mal vorkommt");
    struct Case {
        C choices;
        const char* cron;
        QStringList notices;
    };
    const Case cases[] = {
        {series(), "30 08 * * *", {}},
        {weekdays({Mon, Mit, Fre}), "00 10 * * 1,3,5", {}},
        // Sonntag is 0 although the editor shows it last.
        {weekdays({Son, Sam}), "00 10 * * 0,6", {}},
        {weekdays({Mon}, C::DailyVariant::EveryDay), "00 10 * * *", {}},
        {monthlyDay("07"), "00 12 07 * *", {}},
        {monthlyDay("28"), "00 12 28 * *", {}},
        {monthlyDay("29"), "00 12 29 * *", {mind.arg(u"29")}},
        {monthlyDay("31"),
         "00 12 31 * *",
         {s("Vorsicht: Die SMS wird nur in Monaten mit 31 Tagen versendet")}},
        {monthlyNth("2", "Dienstag"), "00 09 8-14 * 2", {}},
        // Only the yearly pattern warns about a fifth weekday.
        {monthlyNth("5", "Sonntag"), "00 09 29-31 * 0", {}},
        {yearlyDate("24", "Dezember"), "00 18 24 12 *", {}},
        {yearlyDate("29", "Februar"), "00 18 29 2 *", {}},
        {yearlyDate("01", "März"), "00 18 01 3 *", {}},
        {yearlyNth("4", "Donnerstag", "November"), "30 10 22-28 11 4", {}},
        {yearlyNth("5", "Freitag", "März"), "30 10 29-31 3 5", {fifth}},
    };
    for (const Case& c : cases) {
        const CCronjob::Build b = CCronjob::build(c.choices);
        ASSERT_TRUE(b.close) << c.cron << ": " << texts(b).join(u'|').toStdString();
        EXPECT_EQ(b.record.CronString, s(c.cron));
        EXPECT_EQ(b.record.StartTime, QStringLiteral("2015-12-01 ") + c.choices.hour + u':' +
                                          c.choices.minute + QStringLiteral(":00"));
        EXPECT_EQ(b.record.EndTime, s("3")) << c.cron;
        EXPECT_EQ(texts(b), c.notices) << c.cron;
        for (const auto& m : b.messages)
            EXPECT_EQ(m.icon, Prompts::Icon::Information);
    }
}

TEST(CronjobBuild, SingleDelayedSendHasATrailingBlankAndNoSeries) {
    // Series fields left over from an earlier choice do not leak into a single send.
    C c = monthlyDay("31");
    c.series = false, c.hour = s("14"), c.minute = s("05"), c.count = s("9");
    const CCronjob::Build b = CCronjob::build(c);
    ASSERT_TRUE(b.close);
    EXPECT_TRUE(b.messages.isEmpty());
    EXPECT_EQ(b.record.StartTime, s("2015-12-01 14:05:00 "));
    EXPECT_EQ(b.record.CronString, s("0"));
    EXPECT_EQ(b.record.EndTime, s("0"));
}

TEST(CronjobBuild, StartIsBuiltFromTheNumbersNotFromTheTexts) {
    const std::array<const char*, 3> cases[] = {
        {"7", "5", "2016-02-29 07:05:00"}, // one digit is padded as on leaving the field
        {"23", "55", "2016-02-29 23:55:00"},
        {"", "30", ""},
        {"24", "00", ""},
        {"08", "60", ""},
        {"1e1", "00", ""},
        {"1.5", "00", ""},
        {"08", " 5", ""},
        {"-1", "00", ""},
        {"008", "00", ""},
    };
    for (const auto& [hour, minute, start] : cases) {
        C c = series(hour, minute);
        c.startDate = QDate(2016, 2, 29);
        const CCronjob::Build b = CCronjob::build(c);
        EXPECT_EQ(b.record.StartTime, s(start)) << hour << ":" << minute;
        if (*start) {
            ASSERT_TRUE(b.close);
            EXPECT_EQ(b.record.CronString.left(6), s(start).mid(14, 2) + u' ' + s(start).mid(11, 2) + u' ');
        } else {
            EXPECT_FALSE(b.close);
            ASSERT_EQ(b.messages.size(), 1);
            EXPECT_EQ(b.messages[0].title, s("Terminversand"));
            EXPECT_EQ(b.messages[0].icon, Prompts::Icon::Error);
        }
    }
}

TEST(CronjobBuild, IncompletePatternsAreRefusedInsteadOfSendingAnEmptyField) {
    const C cases[] = {
        weekdays({}),
        monthlyNth("6", "Dienstag"), // would give "00 09  * 2"
        monthlyNth("2", "Dienstags"),
        monthlyDay(""),
        monthlyDay("32"),
        monthlyDay("0"),
        yearlyDate("24", "Dez"),
        yearlyDate("30", "Februar"),
        yearlyDate("31", "April"),
        yearlyNth("4", "Donnerstag", ""),
        yearlyNth("0", "Donnerstag", "November"),
    };
    for (const C& c : cases) {
        const CCronjob::Build b = CCronjob::build(c);
        EXPECT_FALSE(b.close) << c.monthDay.toStdString() << c.monthOccurrence.toStdString()
                              << c.yearDay.toStdString() << c.yearMonth.toStdString();
        ASSERT_EQ(b.messages.size(), 1);
        EXPECT_EQ(b.messages[0].icon, Prompts::Icon::Error);
        EXPECT_TRUE(b.record.CronString.isEmpty());
    }
    EXPECT_EQ(texts(CCronjob::build(weekdays({}))),
              QStringList{s("Terminversand: Sie müssen mind. einen Wochentag auswählen")});
}

TEST(CronjobBuild, EndAfterACountIsAlwaysAtLeastOneDelivery) {
    const std::pair<const char*, const char*> cases[] = {{"12", "12"}, {"0", "1"},  {"abc", "1"},
                                                         {"", "1"},    {"-4", "1"}, {"2x", "1"}};
    for (const auto& [typed, sent] : cases) {
        for (C c : {series(), monthlyDay("15"), yearlyDate("24", "Dezember")}) {
            c.count = s(typed);
            const CCronjob::Build b = CCronjob::build(c);
            ASSERT_TRUE(b.close);
            EXPECT_EQ(b.record.EndTime, s(sent)) << typed;
        }
    }
}

TEST(CronjobBuild, EndOnADateCarriesItsOwnTimeAndMayNotPrecedeTheStart) {
    // The start is 2015-12-01 08:30; an end a minute before it is refused.
    const std::pair<QDateTime, const char*> cases[] = {
        {QDateTime(QDate(2016, 1, 31), QTime(17, 45)), "2016-01-31 17:45:00"},
        {QDateTime(QDate(2015, 12, 1), QTime(8, 30)), "2015-12-01 08:30:00"},
        {QDateTime(QDate(2015, 12, 1), QTime(8, 29)), ""},
    };
    for (const auto& [end, sent] : cases) {
        C c = series();
        c.ending = C::Ending::OnDate, c.endAt = end;
        const CCronjob::Build b = CCronjob::build(c);
        EXPECT_EQ(b.close, *sent != 0) << sent;
        EXPECT_EQ(b.record.EndTime, s(sent));
        EXPECT_EQ(b.messages.size(), *sent ? 0 : 1);
    }
}

TEST(CronjobBuild, RecordCrossesThePromptsSeamUnchanged) {
    const CCronjob r = CCronjob::build(series()).record;
    const auto back = CCronjob::fromVariant(r.toVariant());
    ASSERT_TRUE(back);
    EXPECT_EQ(QStringList({back->StartTime, back->CronString, back->EndTime}),
              QStringList({s("2015-12-01 08:30:00"), s("30 08 * * *"), s("3")}));
    EXPECT_FALSE(CCronjob::fromVariant(QVariant()));
}

// On the days the clocks change, the hour that is skipped (spring) or repeated
// (autumn) is still written as typed: the strings are wall-clock texts, and
// the local zone's rules must not empty or shift them.
TEST(CronjobBuild, StartOnTheDaysTheClocksChangeIsWrittenAsTyped) {
    const QByteArray zoneBefore = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    // The premise: in this zone 02:30 does not exist on the spring day.
    ASSERT_FALSE(QDateTime(QDate(2027, 3, 28), QTime(2, 30)).isValid());

    const std::pair<QDate, const char*> days[] = {{QDate(2027, 3, 28), "2027-03-28"},
                                                  {QDate(2027, 10, 31), "2027-10-31"}};
    for (const auto& [date, text] : days) {
        C single = series("02", "30");
        single.series = false;
        single.startDate = date;
        EXPECT_EQ(CCronjob::build(single).record.StartTime, s(text) + s(" 02:30:00 "));

        C daily = series("02", "30");
        daily.startDate = date;
        daily.ending = C::Ending::OnDate;
        daily.endAt = QDateTime(date.addDays(1), QTime(2, 30));
        const CCronjob::Build b = CCronjob::build(daily);
        ASSERT_TRUE(b.close) << text;
        EXPECT_EQ(b.record.StartTime, s(text) + s(" 02:30:00"));
        EXPECT_EQ(b.record.CronString, s("30 02 * * *"));
        EXPECT_EQ(b.record.EndTime, date.addDays(1).toString(s("yyyy-MM-dd")) + s(" 02:30:00"));
    }

    if (zoneBefore.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zoneBefore);
    tzset();
}

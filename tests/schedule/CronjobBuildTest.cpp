#include "schedule/CCronjob.h"
#include "schedule/ScheduleChoices.h"

#include <gtest/gtest.h>

namespace {

using C = ScheduleChoices;
QString s(const char* text) {
    return QString::fromUtf8(text);
}

// Index of each weekday box in the order the editor shows them.
enum Shown { Mon, Die, Mit, Don, Fre, Sam, Son };

C series(const char* hour, const char* minute) {
    C c;
    c.startDate = QDate(2015, 12, 1);
    c.hour = s(hour);
    c.minute = s(minute);
    c.series = true;
    c.count = s("3");
    return c;
}

C weekdays(const char* hour, const char* minute, std::initializer_list<Shown> checked) {
    C c = series(hour, minute);
    c.daily = C::DailyVariant::Weekdays;
    for (Shown d : checked)
        c.weekdays[d] = true;
    return c;
}

C monthlyDay(const char* day) {
    C c = series("12", "00");
    c.pattern = C::Pattern::Monthly;
    c.monthDay = s(day);
    return c;
}

C monthlyNth(const char* occurrence, const char* weekday) {
    C c = series("09", "00");
    c.pattern = C::Pattern::Monthly;
    c.monthly = C::MonthlyVariant::NthWeekday;
    c.monthOccurrence = s(occurrence);
    c.monthWeekday = s(weekday);
    return c;
}

C yearlyDate(const char* day, const char* month) {
    C c = series("18", "00");
    c.pattern = C::Pattern::Yearly;
    c.yearDay = s(day);
    c.yearMonth = s(month);
    return c;
}

C yearlyNth(const char* occurrence, const char* weekday, const char* month) {
    C c = series("10", "30");
    c.pattern = C::Pattern::Yearly;
    c.yearly = C::YearlyVariant::NthWeekday;
    c.yearOccurrence = s(occurrence);
    c.yearWeekday = s(weekday);
    c.yearOccurrenceMonth = s(month);
    return c;
}

QStringList texts(const CCronjob::Build& b) {
    QStringList out;
    for (const auto& m : b.messages)
        out << m.title + QStringLiteral(": ") + m.text;
    return out;
}

} // namespace

TEST(CronjobBuild, PatternsGiveTheirCronStrings) {
    struct Case {
        const char* what;
        C choices;
        const char* cron;
    };
    const Case cases[] = {
        {"daily", series("08", "30"), "30 08 * * *"},
        {"Mo Mi Fr", weekdays("07", "05", {Mon, Mit, Fre}), "05 07 * * 1,3,5"},
        // Sonntag is 0 although the editor shows it last.
        {"Sa So", weekdays("10", "00", {Son, Sam}), "00 10 * * 0,6"},
        {"So Mo", weekdays("10", "00", {Mon, Son}), "00 10 * * 0,1"},
        {"all seven", weekdays("10", "00", {Mon, Die, Mit, Don, Fre, Sam, Son}), "00 10 * * 0,1,2,3,4,5,6"},
        {"monthly 15", monthlyDay("15"), "00 12 15 * *"},
        {"monthly day stays as typed", monthlyDay("07"), "00 12 07 * *"},
        {"monthly one digit", monthlyDay("7"), "00 12 7 * *"},
        {"2nd Dienstag", monthlyNth("2", "Dienstag"), "00 09 8-14 * 2"},
        {"5th Sonntag", monthlyNth("5", "Sonntag"), "00 09 29-31 * 0"},
        {"1st Samstag", monthlyNth("1", "Samstag"), "00 09 1-7 * 6"},
        {"24 Dezember", yearlyDate("24", "Dezember"), "00 18 24 12 *"},
        {"29 Februar", yearlyDate("29", "Februar"), "00 18 29 2 *"},
        {"1 März", yearlyDate("01", "März"), "00 18 01 3 *"},
        {"4th Donnerstag November", yearlyNth("4", "Donnerstag", "November"), "30 10 22-28 11 4"},
        {"3rd Montag Januar", yearlyNth("3", "Montag", "Januar"), "30 10 15-21 1 1"},
    };
    for (const Case& c : cases) {
        const CCronjob::Build b = CCronjob::build(c.choices);
        ASSERT_TRUE(b.close) << c.what << ": " << texts(b).join(u'|').toStdString();
        EXPECT_EQ(b.record.CronString, s(c.cron)) << c.what;
        EXPECT_EQ(b.record.StartTime, QStringLiteral("2015-12-01 ") + c.choices.hour + u':' +
                                          c.choices.minute + QStringLiteral(":00"))
            << c.what;
        EXPECT_EQ(b.record.EndTime, s("3")) << c.what;
    }
}

TEST(CronjobBuild, SingleDelayedSendHasATrailingBlankAndNoSeries) {
    C c;
    c.startDate = QDate(2015, 12, 1);
    c.hour = s("14");
    c.minute = s("05");
    // Series fields left over from an earlier choice do not leak into a single send.
    c.pattern = C::Pattern::Monthly;
    c.monthDay = s("31");
    c.count = s("9");
    const CCronjob::Build b = CCronjob::build(c);
    ASSERT_TRUE(b.close);
    EXPECT_TRUE(b.messages.isEmpty());
    EXPECT_EQ(b.record.StartTime, s("2015-12-01 14:05:00 "));
    EXPECT_EQ(b.record.CronString, s("0"));
    EXPECT_EQ(b.record.EndTime, s("0"));
}

TEST(CronjobBuild, StartIsBuiltFromTheNumbersNotFromTheTexts) {
    struct Case {
        const char* hour;
        const char* minute;
        const char* start; // empty: refused
    };
    const Case cases[] = {
        {"7", "5", "2016-02-29 07:05:00"}, // one digit is padded as on leaving the field
        {"00", "00", "2016-02-29 00:00:00"},
        {"23", "55", "2016-02-29 23:55:00"},
        {"", "30", ""},
        {"08", "", ""},
        {"24", "00", ""},
        {"08", "60", ""},
        {"1e1", "00", ""},
        {"1.5", "00", ""},
        {"08", " 5", ""},
        {"-1", "00", ""},
        {"008", "00", ""},
    };
    for (const Case& t : cases) {
        C c;
        c.startDate = QDate(2016, 2, 29);
        c.hour = s(t.hour);
        c.minute = s(t.minute);
        c.series = true;
        c.count = s("1");
        const CCronjob::Build b = CCronjob::build(c);
        if (*t.start) {
            ASSERT_TRUE(b.close) << t.hour << ":" << t.minute;
            EXPECT_EQ(b.record.StartTime, s(t.start));
            EXPECT_TRUE(b.record.CronString.startsWith(b.record.StartTime.mid(14, 2) + u' ' +
                                                       b.record.StartTime.mid(11, 2) + u' '))
                << b.record.CronString.toStdString();
        } else {
            EXPECT_FALSE(b.close) << t.hour << ":" << t.minute;
            ASSERT_EQ(b.messages.size(), 1);
            EXPECT_EQ(b.messages[0].title, s("Terminversand"));
            EXPECT_EQ(b.messages[0].icon, Prompts::Icon::Error);
            EXPECT_TRUE(b.record.StartTime.isEmpty());
        }
    }
}

TEST(CronjobBuild, NoWeekdayCheckedKeepsTheEditorOpen) {
    const CCronjob::Build b = CCronjob::build(weekdays("10", "00", {}));
    EXPECT_FALSE(b.close);
    EXPECT_EQ(texts(b), QStringList{s("Terminversand: Sie müssen mind. einen Wochentag auswählen")});
    EXPECT_TRUE(b.record.CronString.isEmpty());
}

TEST(CronjobBuild, WeekdayBoxesDoNotCountForEveryDay) {
    C c = weekdays("10", "00", {Mon});
    c.daily = C::DailyVariant::EveryDay;
    EXPECT_EQ(CCronjob::build(c).record.CronString, s("00 10 * * *"));
}

TEST(CronjobBuild, ShortMonthNoticesGoWithTheBuild) {
    struct Case {
        C choices;
        const char* cron;
        QStringList notices;
    };
    const QString mind = s("Vorsicht: Die SMS wird nur in Monaten mit mind. %1 Tagen versendet");
    const QString fifth =
        s("Vorsicht: Die SMS wird nur in Monaten versendet, in denen der Wochentag fünf Mal vorkommt");
    const Case cases[] = {
        {monthlyDay("28"), "00 12 28 * *", {}},
        {monthlyDay("29"), "00 12 29 * *", {mind.arg(u"29")}},
        {monthlyDay("30"), "00 12 30 * *", {mind.arg(u"30")}},
        {monthlyDay("31"),
         "00 12 31 * *",
         {s("Vorsicht: Die SMS wird nur in Monaten mit 31 Tagen versendet")}},
        {yearlyNth("5", "Freitag", "März"), "30 10 29-31 3 5", {fifth}},
        {yearlyNth("4", "Freitag", "März"), "30 10 22-28 3 5", {}},
        // Only the yearly pattern warns about a fifth weekday.
        {monthlyNth("5", "Freitag"), "00 09 29-31 * 5", {}},
        {yearlyDate("31", "Januar"), "00 18 31 1 *", {}},
    };
    for (const Case& c : cases) {
        const CCronjob::Build b = CCronjob::build(c.choices);
        EXPECT_TRUE(b.close) << c.cron;
        EXPECT_EQ(b.record.CronString, s(c.cron));
        EXPECT_EQ(texts(b), c.notices) << c.cron;
        for (const auto& m : b.messages)
            EXPECT_EQ(m.icon, Prompts::Icon::Information);
    }
}

TEST(CronjobBuild, IncompletePatternsAreRefusedInsteadOfSendingAnEmptyField) {
    const C cases[] = {
        monthlyNth("6", "Dienstag"), // would give "00 09  * 2"
        monthlyNth("", "Dienstag"),
        monthlyNth("2", "Dienstags"),
        monthlyDay(""),
        monthlyDay("32"),
        monthlyDay("0"),
        monthlyDay("x"),
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
}

TEST(CronjobBuild, EndAfterACountIsAlwaysAtLeastOneDelivery) {
    const std::pair<const char*, const char*> cases[] = {{"3", "3"},   {"0", "1"},  {"abc", "1"}, {"", "1"},
                                                         {"12", "12"}, {"-4", "1"}, {"2x", "1"}};
    for (const auto& [typed, sent] : cases) {
        for (C c : {series("08", "30"), monthlyDay("15"), yearlyDate("24", "Dezember")}) {
            c.count = s(typed);
            const CCronjob::Build b = CCronjob::build(c);
            ASSERT_TRUE(b.close);
            EXPECT_EQ(b.record.EndTime, s(sent)) << typed;
        }
    }
}

TEST(CronjobBuild, EndOnADateCarriesItsOwnTimeAndMayNotPrecedeTheStart) {
    C c = series("08", "30");
    c.ending = C::Ending::OnDate;
    c.endAt = QDateTime(QDate(2016, 1, 31), QTime(17, 45, 0));
    CCronjob::Build b = CCronjob::build(c);
    ASSERT_TRUE(b.close);
    EXPECT_EQ(b.record.EndTime, s("2016-01-31 17:45:00"));

    // The same day as the start, but earlier: the series would end before it begins.
    c.endAt = QDateTime(QDate(2015, 12, 1), QTime(8, 29, 0));
    b = CCronjob::build(c);
    EXPECT_FALSE(b.close);
    ASSERT_EQ(b.messages.size(), 1);
    EXPECT_EQ(b.messages[0].icon, Prompts::Icon::Error);
    EXPECT_TRUE(b.record.EndTime.isEmpty());

    c.endAt = QDateTime(QDate(2015, 12, 1), QTime(8, 30, 0));
    b = CCronjob::build(c);
    ASSERT_TRUE(b.close);
    EXPECT_EQ(b.record.EndTime, s("2015-12-01 08:30:00"));
}

TEST(CronjobBuild, RecordCrossesThePromptsSeamUnchanged) {
    const CCronjob::Build b = CCronjob::build(series("08", "30"));
    const auto back = CCronjob::fromVariant(b.record.toVariant());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->StartTime, s("2015-12-01 08:30:00"));
    EXPECT_EQ(back->CronString, s("30 08 * * *"));
    EXPECT_EQ(back->EndTime, s("3"));
    EXPECT_FALSE(CCronjob::fromVariant(QVariant()));
}

#include "cli/SendSchedule.h"

#include "PrintQt.h"

#include <gtest/gtest.h>

// --at, --cron and --until to the records the recurrence editor builds for
// the same choices, and the refusals it gives.

namespace {
const QDateTime kNow(QDate(2027, 1, 4), QTime(10, 0));

SendSchedule::Result build(const char* at, const char* cron, const char* until) {
    return SendSchedule::build(QString::fromUtf8(at), QString::fromUtf8(cron), QString::fromUtf8(until), kNow);
}
} // namespace

TEST(SendSchedule, NothingGivenIsASendNow) {
    const auto r = build("", "", "");
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_FALSE(r.job.has_value());
}

TEST(SendSchedule, RecordsAreTheEditors) {
    struct Case {
        const char* at;
        const char* cron;
        const char* until;
        const char* start;
        const char* cronString;
        const char* end;
    };
    const QList<Case> cases = {
        // Once: the start with a trailing blank, no pattern, no end.
        {"2027-01-05 08:30", "", "", "2027-01-05 08:30:00 ", "0", "0"},
        {"2027-01-04T10:00", "", "", "2027-01-04 10:00:00 ", "0", "0"},
        // Series: the first day from --at (today without it), the time from the pattern.
        {"2027-01-05", "30 08 * * *", "3", "2027-01-05 08:30:00", "30 08 * * *", "3"},
        {"", "5 7 * * *", "0", "2027-01-04 07:05:00", "05 07 * * *", "1"},
        {"2027-01-05 08:30", "30 8 * * *", "2027-02-01", "2027-01-05 08:30:00", "30 08 * * *", "2027-02-01 08:30:00"},
        {"", "30 08 * * 5,1,3", "2027-02-01 12:00", "2027-01-04 08:30:00", "30 08 * * 1,3,5", "2027-02-01 12:00:00"},
        {"", "30 08 * * 0", "4", "2027-01-04 08:30:00", "30 08 * * 0", "4"},
        {"", "0 9 5 * *", "12", "2027-01-04 09:00:00", "00 09 05 * *", "12"},
        {"", "0 9 8-14 * 2", "6", "2027-01-04 09:00:00", "00 09 8-14 * 2", "6"},
        {"", "0 9 24 12 *", "2", "2027-01-04 09:00:00", "00 09 24 12 *", "2"},
        {"", "0 9 1-7 5 0", "2", "2027-01-04 09:00:00", "00 09 1-7 5 0", "2"},
    };
    for (const Case& c : cases) {
        const auto r = build(c.at, c.cron, c.until);
        ASSERT_TRUE(r.error.isEmpty()) << c.cron << " " << r.error.toStdString();
        ASSERT_TRUE(r.job.has_value()) << c.cron;
        EXPECT_EQ(r.job->StartTime, QString::fromUtf8(c.start)) << c.at << " " << c.cron;
        EXPECT_EQ(r.job->CronString, QString::fromUtf8(c.cronString)) << c.cron;
        EXPECT_EQ(r.job->EndTime, QString::fromUtf8(c.end)) << c.until;
    }
}

TEST(SendSchedule, NoticesOfTheEditorArePassedOn) {
    const auto shortMonths = build("", "0 9 30 * *", "3");
    ASSERT_TRUE(shortMonths.job.has_value());
    ASSERT_EQ(shortMonths.notices.size(), 1);
    EXPECT_EQ(shortMonths.notices[0].text, QStringLiteral("Die SMS wird nur in Monaten mit mind. 30 Tagen versendet"));
    const auto fifth = build("", "0 9 29-31 3 1", "3");
    ASSERT_TRUE(fifth.job.has_value());
    EXPECT_EQ(fifth.notices.size(), 1);
}

TEST(SendSchedule, WhatTheEditorCannotOfferIsRefused) {
    struct Case {
        const char* at;
        const char* cron;
        const char* until;
        const char* error;
    };
    const QList<Case> cases = {
        {"2027-01-03 23:59", "", "", "Der Zeitpunkt liegt in der Vergangenheit."},
        {"2027-01-04 09:59", "", "", "Der Zeitpunkt liegt in der Vergangenheit."},
        {"2027-01-03", "30 08 * * *", "3", "Der Zeitpunkt liegt in der Vergangenheit."},
        {"2027-01-05", "", "", "Kein Zeitpunkt: »2027-01-05« (erwartet: JJJJ-MM-TT HH:MM)."},
        {"2027-02-30 08:00", "", "", "Kein Zeitpunkt: »2027-02-30 08:00« (erwartet: JJJJ-MM-TT HH:MM)."},
        {"2027-01-05 24:00", "", "", "Kein Zeitpunkt: »2027-01-05 24:00« (erwartet: JJJJ-MM-TT HH:MM)."},
        {"morgen", "", "", "Kein Zeitpunkt: »morgen« (erwartet: JJJJ-MM-TT HH:MM)."},
        {"2027-01-05 09:00", "30 08 * * *", "3", "Die Uhrzeit von --at passt nicht zum Muster von --cron."},
        {"", "30 08 * *", "3", "Das Muster braucht fünf Felder: Minute Stunde Tag Monat Wochentag."},
        {"", "60 08 * * *", "3", "Bitte geben Sie eine gültige Uhrzeit an: Stunde 00 bis 23 und Minute 00 bis 59."},
        {"", "30 24 * * *", "3", "Bitte geben Sie eine gültige Uhrzeit an: Stunde 00 bis 23 und Minute 00 bis 59."},
        {"", "*/5 * * * *", "3", "Bitte geben Sie eine gültige Uhrzeit an: Stunde 00 bis 23 und Minute 00 bis 59."},
        {"", "30 08 */2 * *", "3", "Dieses Muster bietet der Terminversand nicht an: »30 08 */2 * *«."},
        {"", "30 08 * * 7", "3", "Dieses Muster bietet der Terminversand nicht an: »30 08 * * 7«."},
        {"", "30 08 * * 1,,2", "3", "Dieses Muster bietet der Terminversand nicht an: »30 08 * * 1,,2«."},
        {"", "30 08 1-6 * 1", "3", "Dieses Muster bietet der Terminversand nicht an: »30 08 1-6 * 1«."},
        {"", "30 08 15 13 *", "3", "Dieses Muster bietet der Terminversand nicht an: »30 08 15 13 *«."},
        {"", "30 08 31 2 *", "3",
         "Das Serienmuster ist unvollständig. Bitte wählen Sie Tag, Wochentag und Monat aus den Listen aus."},
        {"2027-01-05", "30 08 * * *", "2027-01-04",
         "Das Ende der Serie liegt vor dem ersten Versand. Bitte wählen Sie ein späteres Ende."},
        {"", "30 08 * * *", "bald", "--until erwartet eine Anzahl oder ein Datum (JJJJ-MM-TT [HH:MM])."},
    };
    for (const Case& c : cases) {
        const auto r = build(c.at, c.cron, c.until);
        EXPECT_EQ(r.error, QString::fromUtf8(c.error)) << c.at << " | " << c.cron << " | " << c.until;
        EXPECT_FALSE(r.job.has_value()) << c.at << " | " << c.cron;
    }
}

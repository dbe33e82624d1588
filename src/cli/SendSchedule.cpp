#include "cli/SendSchedule.h"

#include "schedule/RecurrenceRules.h"
#include "schedule/ScheduleChoices.h"

#include <QRegularExpression>

namespace SendSchedule {

namespace {

using C = ScheduleChoices;

QString pastText() {
    return QStringLiteral("Der Zeitpunkt liegt in der Vergangenheit.");
}
QString badMomentText(const QString& text) {
    return QStringLiteral("Kein Zeitpunkt: »") + text + QStringLiteral("« (erwartet: JJJJ-MM-TT HH:MM).");
}

// A number of at most two digits within [lo, hi].
std::optional<int> smallNumber(const QString& text, int lo, int hi) {
    if (text.isEmpty() || text.size() > 2 || !RecurrenceRules::isNumber(text))
        return std::nullopt;
    const int v = text.toInt();
    if (v < lo || v > hi)
        return std::nullopt;
    return v;
}

QString two(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// The editor's weekday name for a cron day of week (0 Sunday … 6 Saturday).
QString weekdayName(int cronDay) {
    for (const QString& name : RecurrenceRules::weekdayNames()) {
        if (RecurrenceRules::cronWeekday(name) == cronDay)
            return name;
    }
    return {};
}

// "1-7" … "29-31" back to the occurrence "1" … "5".
QString occurrenceOf(const QString& range) {
    for (const QString& o : RecurrenceRules::occurrenceList()) {
        if (RecurrenceRules::occurrenceRange(o) == range)
            return o;
    }
    return {};
}

} // namespace

std::optional<QDateTime> parseMoment(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})[ T](\\d{2}):(\\d{2})$"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

std::optional<QDate> parseDate(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<ScheduleChoices> choicesFromCron(const QString& cron, QString* why) {
    const QStringList f = cron.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto refuse = [why](const QString& text) -> std::optional<ScheduleChoices> {
        if (why)
            *why = text;
        return std::nullopt;
    };
    if (f.size() != 5)
        return refuse(QStringLiteral("Das Muster braucht fünf Felder: Minute Stunde Tag Monat Wochentag."));
    const auto minute = smallNumber(f[0], 0, 59);
    const auto hour = smallNumber(f[1], 0, 23);
    if (!minute || !hour)
        return refuse(QStringLiteral("Bitte geben Sie eine gültige Uhrzeit an: Stunde 00 bis 23 und Minute 00 bis 59."));
    C c;
    c.series = true;
    c.hour = two(*hour);
    c.minute = two(*minute);
    const QString& day = f[2];
    const QString& month = f[3];
    const QString& weekday = f[4];
    const bool anyDay = day == u"*", anyMonth = month == u"*", anyWeekday = weekday == u"*";
    const auto dayOfMonth = smallNumber(day, 1, 31);
    const QString occurrence = occurrenceOf(day);
    const auto monthNo = smallNumber(month, 1, 12);
    const auto weekdayNo = smallNumber(weekday, 0, 6);
    const QString unsupported =
        QStringLiteral("Dieses Muster bietet der Terminversand nicht an: »") + cron.simplified() + QStringLiteral("«.");

    if (anyDay && anyMonth && anyWeekday) {
        c.pattern = C::Pattern::Daily;
        c.daily = C::DailyVariant::EveryDay;
    } else if (anyDay && anyMonth) {
        c.pattern = C::Pattern::Daily;
        c.daily = C::DailyVariant::Weekdays;
        const QStringList names = RecurrenceRules::weekdayNames();
        for (const QString& part : weekday.split(QLatin1Char(','))) {
            const auto n = smallNumber(part, 0, 6);
            if (!n || part.size() != 1)
                return refuse(unsupported);
            c.weekdays[size_t(names.indexOf(weekdayName(*n)))] = true;
        }
    } else if (anyMonth && dayOfMonth && anyWeekday) {
        c.pattern = C::Pattern::Monthly;
        c.monthly = C::MonthlyVariant::Day;
        c.monthDay = two(*dayOfMonth);
    } else if (anyMonth && !occurrence.isEmpty() && weekdayNo && weekday.size() == 1) {
        c.pattern = C::Pattern::Monthly;
        c.monthly = C::MonthlyVariant::NthWeekday;
        c.monthOccurrence = occurrence;
        c.monthWeekday = weekdayName(*weekdayNo);
    } else if (monthNo && dayOfMonth && anyWeekday) {
        c.pattern = C::Pattern::Yearly;
        c.yearly = C::YearlyVariant::Date;
        c.yearDay = two(*dayOfMonth);
        c.yearMonth = RecurrenceRules::monthNames().at(*monthNo - 1);
    } else if (monthNo && !occurrence.isEmpty() && weekdayNo && weekday.size() == 1) {
        c.pattern = C::Pattern::Yearly;
        c.yearly = C::YearlyVariant::NthWeekday;
        c.yearOccurrence = occurrence;
        c.yearWeekday = weekdayName(*weekdayNo);
        c.yearOccurrenceMonth = RecurrenceRules::monthNames().at(*monthNo - 1);
    } else {
        return refuse(unsupported);
    }
    return c;
}

Result build(const QString& at, const QString& cron, const QString& until, const QDateTime& now) {
    Result r;
    if (at.isEmpty() && cron.isEmpty())
        return r;

    C c;
    if (!cron.isEmpty()) {
        const auto fromCron = choicesFromCron(cron, &r.error);
        if (!fromCron)
            return r;
        c = *fromCron;
    }
    // With --cron, --at names the first day; a time given with it must be the pattern's.
    QDate startDate = now.date();
    if (!at.isEmpty()) {
        const auto moment = parseMoment(at);
        const auto dateOnly = cron.isEmpty() ? std::nullopt : parseDate(at);
        if (!moment && !dateOnly) {
            r.error = badMomentText(at);
            return r;
        }
        if (moment) {
            startDate = moment->date();
            const QString hour = two(moment->time().hour());
            const QString minute = two(moment->time().minute());
            if (cron.isEmpty()) {
                if (*moment < now) {
                    r.error = pastText();
                    return r;
                }
                c.hour = hour;
                c.minute = minute;
            } else if (hour != c.hour || minute != c.minute) {
                r.error = QStringLiteral("Die Uhrzeit von --at passt nicht zum Muster von --cron.");
                return r;
            }
        } else {
            startDate = *dateOnly;
        }
        // The editor's start picker offers no day before today.
        if (startDate < now.date()) {
            r.error = pastText();
            return r;
        }
    }
    c.startDate = startDate;

    if (!cron.isEmpty()) {
        if (!until.isEmpty() && RecurrenceRules::isNumber(until)) {
            c.ending = C::Ending::AfterCount;
            c.count = RecurrenceRules::countOnChange(until);
        } else if (const auto end = parseMoment(until)) {
            c.ending = C::Ending::OnDate;
            c.endAt = *end;
        } else if (const auto endDay = parseDate(until)) {
            // A day alone ends at the pattern's time on that day.
            c.ending = C::Ending::OnDate;
            c.endAt = QDateTime(*endDay, QTime(c.hour.toInt(), c.minute.toInt()));
        } else {
            r.error = QStringLiteral("--until erwartet eine Anzahl oder ein Datum (JJJJ-MM-TT [HH:MM]).");
            return r;
        }
    }

    const CCronjob::Build b = CCronjob::build(c);
    for (const Prompts::Message& m : b.messages) {
        if (!b.close && m.icon == Prompts::Icon::Error && r.error.isEmpty())
            r.error = m.text;
        else
            r.notices << m;
    }
    if (!b.close) {
        if (r.error.isEmpty())
            r.error = QStringLiteral("Der Terminversand wurde abgelehnt.");
        return r;
    }
    r.job = b.record;
    return r;
}

} // namespace SendSchedule

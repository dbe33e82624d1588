#include "schedule/RecurrenceRules.h"

namespace RecurrenceRules {
namespace {

// The value of a number text; nothing for anything else, and for values too
// large to mean a day, an hour or a count.
std::optional<int> valueOf(const QString& text) {
    if (!isNumber(text) || text.size() > 9)
        return std::nullopt;
    return text.toInt();
}

QStringList numbered(int from, int to, int step, int width) {
    QStringList out;
    for (int i = from; i <= to; i += step)
        out << QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
    return out;
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString dialogTitle() {
    return QStringLiteral("Terminversand");
}
QString noticeTitle() {
    return QStringLiteral("Vorsicht");
}

QStringList hourList() {
    return numbered(0, 23, 1, 2);
}
QStringList minuteList() {
    return numbered(0, 55, 5, 2);
}
QStringList monthDayList() {
    return numbered(1, 31, 1, 2);
}
QStringList occurrenceList() {
    return numbered(1, 5, 1, 1);
}

QStringList weekdayNames() {
    return {QStringLiteral("Montag"),     QStringLiteral("Dienstag"), QStringLiteral("Mittwoch"),
            QStringLiteral("Donnerstag"), QStringLiteral("Freitag"),  QStringLiteral("Samstag"),
            QStringLiteral("Sonntag")};
}

QStringList monthNames() {
    return {QStringLiteral("Januar"),  QStringLiteral("Februar"),  QStringLiteral("März"),
            QStringLiteral("April"),   QStringLiteral("Mai"),      QStringLiteral("Juni"),
            QStringLiteral("Juli"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")};
}

int cronWeekday(const QString& name) {
    const int shown = weekdayNames().indexOf(name);
    // The editor lists Montag first; the cron string counts from Sonntag = 0.
    return shown < 0 ? -1 : (shown + 1) % 7;
}

int monthNumber(const QString& name) {
    return monthNames().indexOf(name) + 1;
}

QString occurrenceRange(const QString& occurrence) {
    static const QStringList ranges = {QStringLiteral("1-7"), QStringLiteral("8-14"), QStringLiteral("15-21"),
                                       QStringLiteral("22-28"), QStringLiteral("29-31")};
    const int i = occurrenceList().indexOf(occurrence);
    return i < 0 ? QString() : ranges[i];
}

bool isNumber(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

int DayOfMonthCount(int month, int year) {
    if (year < 1 || year > 9999)
        return 0;
    const QDate first(year, month, 1);
    return first.isValid() ? first.addMonths(1).addDays(-1).day() : 0;
}

QString weekOfMonth(int dayOfMonth) {
    return QString::number((dayOfMonth + 6) / 7);
}

QString hourOnChange(const QString& text) {
    if (text.isEmpty())
        return text;
    const auto v = valueOf(text);
    return v && *v < 24 ? text : QString();
}

QString minuteOnChange(const QString& text) {
    if (text.isEmpty())
        return text;
    const auto v = valueOf(text);
    return v && *v < 56 ? text : QString();
}

QString occurrenceOnChange(const QString& text) {
    if (text.isEmpty())
        return text;
    const auto v = valueOf(text);
    return v && *v > 0 && *v < 6 ? text : QString();
}

QString yearDayOnChange(const QString& text, int listSize) {
    if (text.isEmpty())
        return text;
    const auto v = valueOf(text);
    if (!v)
        return {};
    if (listSize > 0 && (*v <= 0 || *v >= listSize + 1))
        return {};
    return text;
}

QString countOnChange(const QString& text) {
    if (text.isEmpty())
        return text;
    const auto v = valueOf(text);
    if (!v)
        return {};
    return *v < 1 ? QStringLiteral("1") : text;
}

QString padOnLeave(const QString& text) {
    const auto v = valueOf(text);
    return text.size() == 1 && v && *v < 10 ? QLatin1Char('0') + text : text;
}

QString yearDayOnLeave(const QString& text, const QDate& today) {
    return text.isEmpty() ? QString::number(today.day()) : padOnLeave(text);
}

QString countOnLeave(const QString& text) {
    return text.isEmpty() ? QStringLiteral("1") : text;
}

std::optional<QString> monthDayNotice(const QString& dayText) {
    const auto v = valueOf(dayText);
    if (v && *v > 28 && *v < 31)
        return QStringLiteral("Die SMS wird nur in Monaten mit mind. ") + dayText +
               QStringLiteral(" Tagen versendet");
    if (v && *v == 31)
        return QStringLiteral("Die SMS wird nur in Monaten mit ") + dayText +
               QStringLiteral(" Tagen versendet");
    return std::nullopt;
}

QString fifthWeekdayNotice() {
    return QStringLiteral("Die SMS wird nur in Monaten versendet, in denen der Wochentag fünf Mal vorkommt");
}

StartPreset presetStart(const QString& previousStart, const QDateTime& now) {
    StartPreset p;
    const QDateTime previous =
        QDateTime::fromString(previousStart.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QDateTime start;
    if (previous.isValid()) {
        p.date = startPicked(previous.date(), now);
        p.hour = previousStart.mid(11, 2);
        p.minute = previousStart.mid(14, 2);
        start = QDateTime(p.date, QTime(previous.time().hour(), previous.time().minute()));
    } else {
        // The next five-minute slot; from 23:55 on that is midnight of the next
        // day, not an hour "24" of today.
        const QTime t = now.time();
        const int rounded = t.minute() / 5 * 5;
        int minutes = rounded < 55 ? t.hour() * 60 + rounded + 5 : (t.hour() + 1) * 60;
        QDate date = now.date();
        if (minutes >= 24 * 60) {
            minutes -= 24 * 60;
            date = date.addDays(1);
        }
        start = QDateTime(date, QTime(minutes / 60, minutes % 60));
        p.date = start.date();
        p.hour = twoDigits(start.time().hour());
        p.minute = twoDigits(start.time().minute());
    }
    p.end = start.addDays(1);
    return p;
}

std::optional<YearDays> yearDays(const QString& dayText, const QString& monthName, const QString& hour,
                                 const QString& minute, const QDateTime& now) {
    const int month = monthNumber(monthName);
    if (month == 0)
        return std::nullopt;
    const int day = valueOf(dayText).value_or(0);
    const int year = now.date().year();
    const int thisYear = DayOfMonthCount(month, year);
    const QDate candidate(year, month, qBound(1, day, thisYear));
    QTime at(valueOf(hour).value_or(0), valueOf(minute).value_or(0));
    if (!at.isValid())
        at = QTime(0, 0);
    // Next year when the date is today or earlier and the time of day is past
    // the chosen time; in every other case this year.
    const bool passed = candidate <= now.date() && now.time() > at;
    const int days = DayOfMonthCount(month, passed ? year + 1 : year);
    return YearDays{days, day > days ? QString::number(days) : dayText};
}

QDate startPicked(const QDate& picked, const QDateTime& now) {
    return !picked.isValid() || picked < now.date() ? now.date() : picked;
}

QDateTime endFollowingStart(const QDateTime& end, const QDateTime& start) {
    return !end.isValid() || end.date() < start.date() ? start : end;
}

} // namespace RecurrenceRules

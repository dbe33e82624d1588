// velvox-send's command line: the pieces of the input (split at NUL bytes)
// are its arguments. Whatever it reads, the parser says yes with a usable
// struct or no with a reason; a schedule it accepts is one the service can
// take; a number it resolves is an international number of digits.
#include "FuzzSupport.h"

#include "cli/SendArguments.h"
#include "cli/SendRecipients.h"
#include "cli/SendSchedule.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

QStringList arguments(const QByteArray& in) {
    QStringList args;
    for (const QByteArray& piece : in.split('\0'))
        args << QString::fromUtf8(piece);
    return args;
}

void checkSchedule(const SendArguments& a) {
    static const QDateTime now(QDate(2027, 1, 4), QTime(10, 0));
    const SendSchedule::Result r = SendSchedule::build(a.at, a.cron, a.until, now);
    fuzz::require(r.error.isEmpty() || !r.job, "a refused schedule has a record");
    if (a.at.isEmpty() && a.cron.isEmpty()) {
        fuzz::require(!r.job && r.error.isEmpty(), "a send now got a schedule");
        return;
    }
    if (!r.job) {
        fuzz::require(!r.error.isEmpty(), "a schedule was dropped without a reason", a.at + u'|' + a.cron);
        return;
    }
    static const QRegularExpression start(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:00 ?$"));
    fuzz::require(start.match(r.job->StartTime).hasMatch(), "a start the service cannot read", r.job->StartTime);
    fuzz::require(!r.job->StartTime.startsWith(u"2027-01-03") && r.job->StartTime >= QStringLiteral("2027-01-04"),
                  "a start before today", r.job->StartTime);
    if (a.cron.isEmpty()) {
        fuzz::require(r.job->CronString == u"0" && r.job->EndTime == u"0", "a single delivery with a pattern");
    } else {
        const QStringList fields = r.job->CronString.split(u' ');
        fuzz::require(fields.size() == 5 && !fields.contains(QString()), "a pattern of other than five fields",
                      r.job->CronString);
        fuzz::require(!r.job->EndTime.isEmpty() && r.job->EndTime != u"0", "a series without an end",
                      r.job->EndTime);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList args = arguments(fuzz::bytes(data, size));
    const SendArgumentsParser::Result r = SendArgumentsParser::parse(args);
    // A line with a password in it gets only the one fixed answer, which
    // repeats nothing of the line.
    static const QString passwordRefusal = SendArgumentsParser::parse({QStringLiteral("--password")}).error;
    const bool passwordGiven = std::any_of(args.begin(), args.end(), [](const QString& a) {
        return a == u"--password" || a.startsWith(u"--password=");
    });
    if (passwordGiven)
        fuzz::require(r.error == passwordRefusal, "a password on the line was not refused alone", r.error);
    if (!r.error.isEmpty())
        return 0;
    const SendArguments& a = r.args;
    if (a.mode == SendArguments::Mode::Send) {
        fuzz::require(a.to.isEmpty() != a.list.isEmpty(), "neither or both of --to and --list");
        fuzz::require(a.cron.isEmpty() == a.until.isEmpty(), "--cron and --until apart");
    }
    checkSchedule(a);
    if (!a.to.isEmpty()) {
        const SendRecipients::Single s = SendRecipients::resolve(a.to, a.prefix);
        if (s.error.isEmpty()) {
            static const QRegularExpression international(QStringLiteral("^00\\d+$"));
            fuzz::require(international.match(s.recipient).hasMatch(), "a recipient the gateway cannot take",
                          s.recipient);
        } else {
            fuzz::require(s.recipient.isEmpty(), "a refused number was resolved", s.recipient);
        }
    }
    return 0;
}

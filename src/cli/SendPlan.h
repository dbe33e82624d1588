#pragma once

#include "cli/RunOutput.h"
#include "cli/SendArguments.h"
#include "cli/SendRecipients.h"
#include "messaging/SendRules.h"
#include "schedule/CCronjob.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Everything decided before the first request: the recipients, the text,
// the schedule, what it costs. Built by the window's rules; nothing here
// talks to the service.
struct SendPlan {
    bool mass = false;
    QString text;
    SendRecipients::Single single;          // when not mass
    QList<SendRules::MassEntry> entries;    // when mass
    std::optional<CCronjob> schedule;
    int perSms = 0;          // credits per SMS (CreditBalance::creditsPerSms)
    qint64 sms = 0;          // SMS the credit check counts, as the window counts them
    qint64 requests = 0;     // requests that will be handed over, parts included
    QList<RunOutput::Planned> planned; // one per recipient, for --dry-run

    qint64 credits() const { return sms * perSms; }
};

namespace SendPlanner {

struct Result {
    SendPlan plan;
    QString error;       // German; empty when the plan can be carried out
    bool answered = false; // the error came from a question answered No (already printed)
    QStringList notices; // printed before the send
};
Result make(const SendArguments& args, const QString& text, const QDateTime& now);

} // namespace SendPlanner

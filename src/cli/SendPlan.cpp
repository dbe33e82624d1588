#include "cli/SendPlan.h"

#include "cli/SendSchedule.h"
#include "config/cOptionen.h"
#include "mass/UnsendableNumbers.h"
#include "messaging/CreditBalance.h"
#include "messaging/GatewayRequest.h"
#include "messaging/MessageText.h"

namespace SendPlanner {

namespace {

RunOutput::Planned plannedFor(const QString& recipient, const QString& text, bool longSms) {
    const cOptionen& o = options();
    RunOutput::Planned p;
    p.recipient = recipient;
    p.requests = int(GatewayRequest::splitForSending(text, o.isAbsenderkennung, o.isLongSmsEnabled).size());
    p.characters = MessageText::calcSmsSize(text);
    p.sms = MessageText::smsCount(p.characters, longSms);
    return p;
}

} // namespace

Result make(const SendArguments& args, const QString& text, const QDateTime& now) {
    Result r;
    SendPlan& p = r.plan;
    p.mass = !args.list.isEmpty();
    p.text = text;
    const cOptionen& o = options();
    const bool longSms = MessageText::longSmsInForce(o.isLongSmsEnabled, o.isAbsenderkennung);
    p.perSms = CreditBalance::creditsPerSms(o.isAbsenderkennung, o.isAntwortEnabled);

    if (!p.mass) {
        p.single = SendRecipients::resolve(args.to, args.prefix);
        if (!p.single.error.isEmpty()) {
            r.error = p.single.error;
            return r;
        }
    }
    // The text as the send button checks it (the number was checked above).
    if (const QString complaints = SendRecipients::formComplaints(true, {}, text); !complaints.isEmpty()) {
        r.error = complaints;
        return r;
    }
    MessageText::SizeInput size;
    size.text = text;
    size.longSms = longSms;

    if (p.mass) {
        SendRecipients::List list = SendRecipients::load(args.list);
        if (!list.error.isEmpty()) {
            r.error = list.error;
            return r;
        }
        if (!list.notice.isEmpty())
            r.notices << list.notice;
        const QList<RecipientEntry>& all = list.entries.entries();
        const std::optional<QList<RecipientEntry>> chosen = UnsendableNumbers::confirm(all);
        if (!chosen || chosen->isEmpty()) {
            r.answered = true;
            r.error = QStringLiteral("Es wurde nichts gesendet.");
            return r;
        }
        size.massMode = true;
        size.maxName = list.entries.getMaxNameSize();
        size.maxFrei1 = list.entries.getMaxFrei1Size();
        size.maxFrei2 = list.entries.getMaxFrei2Size();
        size.entries = list.entries.count();
        const MessageText::SizeResult measured = MessageText::recalcSmsSize(size);
        if (measured.overLimit) {
            r.error = MessageText::overLimitWarning();
            return r;
        }
        p.sms = CreditBalance::massSmsFor(measured.massTotal, chosen->size(), all.size());
        for (const RecipientEntry& e : *chosen) {
            const SendRules::MassEntry entry{e.name, e.number, e.frei1, e.frei2};
            p.entries.append(entry);
            const SendRules::MassJob job = SendRules::massJob(entry, text);
            p.planned.append(plannedFor(job.recipient, job.text, longSms));
            p.requests += p.planned.last().requests;
        }
    } else {
        const MessageText::SizeResult measured = MessageText::recalcSmsSize(size);
        if (measured.overLimit) {
            r.error = MessageText::overLimitWarning();
            return r;
        }
        p.sms = measured.smsCount;
        p.planned.append(plannedFor(p.single.recipient, text, longSms));
        p.requests = p.planned.last().requests;
    }

    const SendSchedule::Result schedule = SendSchedule::build(args.at, args.cron, args.until, now);
    if (!schedule.error.isEmpty()) {
        r.error = schedule.error;
        return r;
    }
    for (const Prompts::Message& m : schedule.notices)
        r.notices << m.text;
    p.schedule = schedule.job;
    return r;
}

} // namespace SendPlanner

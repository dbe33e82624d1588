#include "messaging/SendSession.h"

#include "config/Product.h"
#include "config/cOptionen.h"
#include "messaging/GatewayReply.h"
#include "platform/Prompts.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

// A mass run: its start (new or resumed from the record), the walk over its
// snapshot one entry per turn of the event loop, and its end.

bool SendSession::startMass(const QList<SendRules::MassEntry>& entries, const Action& action) {
    if (m_run.active)
        return false;
    beginAction(action, true);
    if (m_record) {
        SendRecord::ActionInfo info;
        info.kind = SendRecord::ActionKind::Mass;
        info.text = action.text;
        info.schedule = action.schedule;
        info.entries = entries;
        m_actionKey = recordAction(info);
        if (m_actionKey < 0) {
            Prompts::show(Prompts::Icon::Error, Product::productName(), runNotStartedText(m_record->lastError()));
            return false;
        }
    }
    QList<int> places;
    places.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i)
        places.append(i);
    return startRun(entries, places);
}

bool SendSession::resumeMass(qint64 recordedAction, const QList<SendRules::MassEntry>& snapshot,
                             const QList<int>& places, const Action& action) {
    if (m_run.active)
        return false;
    beginAction(action, true);
    m_actionKey = recordedAction;
    return startRun(snapshot, places);
}

bool SendSession::startRun(const QList<SendRules::MassEntry>& snapshot, const QList<int>& places) {
    m_run = Run{};
    m_run.active = true;
    m_run.entries = snapshot;
    m_run.places = places;
    const int window = m_window == kWindowFromOptions ? options().parallelTransfers : m_window;
    m_run.window = std::clamp(window, cOptionen::kMinParallel, cOptionen::kMaxParallel);
    emit runStarted(SendRules::massProgressMaximum(int(places.size())));
    step();
    return true;
}

void SendSession::cancelRun() {
    if (!m_run.active)
        return;
    m_run.cancelled = true;
    withdrawStaged();
}

void SendSession::interruptRun() {
    if (!m_run.active)
        return;
    m_run.cancelled = m_run.interrupted = true;
    withdrawStaged();
}

void SendSession::step() {
    const int total = int(m_run.places.size());
    const QPointer<SendSession> alive(this);
    while (m_run.active && m_run.next < total) {
        const int i = m_run.next + 1;
        Progress progress{i + 1, SendRules::massProgressMaximum(total), {}};
        if (m_run.cancelled) {
            progress.status = SendRules::massCancellingText();
        } else {
            const int place = m_run.places.at(m_run.next);
            const SendRules::MassJob job = SendRules::massJob(m_run.entries.at(place), m_action.text);
            if (sendText(job.recipient, job.text, job.name, place) == 0 && senderNameRefused()) {
                // Asked once for the whole run: a No sends none of it.
                emit runLogLine(GatewayReply::massLogLine(SendRules::massNoSenderText(), GatewayReply::logStamp()));
                finishRun(SendRules::massNoSenderText());
                return;
            }
            if (!alive)
                return;
            progress.status = SendRules::massProgressText(i, total);
        }
        ++m_run.next;
        emit runProgress(progress);
        if (!alive)
            return;
        if (!m_run.cancelled) {
            // Up to the run's window of entries under way; past it, a reply
            // (or, with the company server, the next turn of the event loop)
            // moves the run on.
            if (!isIdle() && runHasRoom())
                continue;
            if (isIdle())
                QTimer::singleShot(0, this, &SendSession::step);
            else
                m_run.waitingForIdle = true;
            return;
        }
    }
    if (!m_run.active)
        return;
    // Complete only once the last request has been answered or has failed.
    if (!isIdle()) {
        m_run.waitingForIdle = true;
        return;
    }
    finishRun();
}

void SendSession::onIdleForRun() {
    if (!m_run.active || !m_run.waitingForIdle)
        return;
    m_run.waitingForIdle = false;
    step();
}

void SendSession::finishRun(const QString& status) {
    m_outstanding.remove(m_serial);
    const SendOutcome::RunCounts counts = m_run.counts;
    const bool cancelled = m_run.cancelled || !status.isEmpty();
    const bool interrupted = m_run.interrupted;
    m_run = Run{};
    if (!interrupted)
        endRecordedAction(m_actionKey, cancelled);
    if (counts.total() > 0)
        emit runLogLine(GatewayReply::massLogLine(counts.endLine(), GatewayReply::logStamp()));
    const QPointer<SendSession> alive(this);
    emit runFinished(status, counts);
    if (!alive)
        return;
    confirmHandovers();
    if (alive)
        emit actionEnded();
}

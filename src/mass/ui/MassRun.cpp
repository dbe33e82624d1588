#include "mass/ui/MassRun.h"

#include "mass/ui/frmMultiSMSLog.h"
#include "messaging/GatewayReply.h"
#include "messaging/SendRules.h"
#include "messaging/ui/GatewaySender.h"

#include <QTimer>

MassRun::MassRun(GatewaySender& sender, frmMultiSMSLog& log, QObject* parent)
    : QObject(parent), m_sender(sender), m_log(&log) {
    connect(&m_sender, &GatewaySender::idle, this, &MassRun::onSenderIdle);
    connect(&m_sender, &GatewaySender::massRequestEnded, this, [this](SendOutcome::Kind k) {
        if (m_running)
            m_counts.add(k);
    });
}

void MassRun::start(const QList<SendRules::MassEntry>& entries, const QString& text) {
    if (m_running || !m_log)
        return;
    m_entries = entries;
    m_text = text;
    m_next = 0;
    m_running = true;
    m_waitingForIdle = false;
    m_counts = {};
    m_log->startRun(SendRules::massProgressMaximum(int(m_entries.size())));
    step();
}

void MassRun::step() {
    if (!m_log)
        return;
    const int total = int(m_entries.size());
    while (m_next < total) {
        const int i = m_next + 1;
        if (m_log->cancelSend()) {
            m_log->setStatus(SendRules::massCancellingText());
        } else {
            const SendRules::MassJob job = SendRules::massJob(m_entries.at(m_next), m_text);
            if (m_sender.sendText(job.recipient, job.text, job.name) == 0 && m_sender.senderNameRefused()) {
                // Asked once for the whole run: a No sends none of it.
                m_log->addLine(GatewayReply::massLogLine(SendRules::massNoSenderText(), GatewayReply::logStamp()));
                finish(SendRules::massNoSenderText());
                return;
            }
            m_log->setStatus(SendRules::massProgressText(i, total));
        }
        ++m_next;
        m_log->setProgress(i + 1);
        if (!m_log->cancelSend()) {
            // One entry per turn of the event loop: its reply (or, with the
            // company server, nothing) moves the run on.
            if (m_sender.isIdle())
                QTimer::singleShot(0, this, &MassRun::step);
            else
                m_waitingForIdle = true;
            return;
        }
    }
    // Complete only once the last request has been answered or has failed.
    if (!m_sender.isIdle()) {
        m_waitingForIdle = true;
        return;
    }
    finish();
}

void MassRun::onSenderIdle() {
    if (!m_running || !m_waitingForIdle)
        return;
    m_waitingForIdle = false;
    step();
}

void MassRun::finish(const QString& status) {
    m_running = false;
    m_entries.clear();
    if (m_log && m_counts.total() > 0)
        m_log->addLine(GatewayReply::massLogLine(m_counts.endLine(), GatewayReply::logStamp()));
    if (m_log)
        m_log->finishRun(status);
    if (m_onFinished)
        m_onFinished();
}

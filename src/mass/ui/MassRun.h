#pragma once

#include "messaging/SendOutcome.h"
#include "messaging/SendRules.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class GatewaySender;
class frmMultiSMSLog;

// One mass run: walks a snapshot of the recipient list taken at its start, in
// list order, one gateway send per entry, and writes its progress into the
// run log. The cancel flag of the log is read before each entry; a cancelled
// run walks the rest without sending.
//
// The run is driven by events, not by a loop on the caller's stack: the next
// entry goes out when the sending component is idle again, so the windows
// stay responsive and closing any of them cannot pull a running loop's frame
// away.
class MassRun : public QObject {
    Q_OBJECT
public:
    MassRun(GatewaySender& sender, frmMultiSMSLog& log, QObject* parent = nullptr);

    // Starts a run over the entries with the message text (placeholders not
    // yet filled). The send action is started by the caller.
    void start(const QList<SendRules::MassEntry>& entries, const QString& text);
    bool isRunning() const { return m_running; }

    // Run after the last reply is in, once the log reads "Vorgang abgeschlossen".
    void setOnFinished(std::function<void()> f) { m_onFinished = std::move(f); }

private:
    void step();
    void onSenderIdle();
    void finish(const QString& status = {});

    GatewaySender& m_sender;
    QPointer<frmMultiSMSLog> m_log;
    QList<SendRules::MassEntry> m_entries;
    QString m_text;
    int m_next = 0;
    bool m_running = false;
    bool m_waitingForIdle = false;
    SendOutcome::RunCounts m_counts;
    std::function<void()> m_onFinished;
};

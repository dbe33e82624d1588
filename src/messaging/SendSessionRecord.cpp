#include "messaging/SendSession.h"

#include "config/Product.h"
#include "platform/Prompts.h"

#include <utility>

// What the session writes into its record, and what it does when a write
// fails: a single send goes unrecorded with a warning, a run stops.

QString SendSession::notRecordedText() {
    return QStringLiteral("Achtung: Diese SMS wird nicht im Verlauf gespeichert.");
}

QString SendSession::runNotStartedText(const QString& why) {
    return QStringLiteral("Der Massenversand wurde nicht gestartet, weil der Verlauf nicht gespeichert werden "
                          "kann. Ohne Verlauf ließe sich ein unterbrochener Versand nicht sicher fortsetzen.\r\n") +
           why;
}

QString SendSession::runStoppedText(const QString& why) {
    return QStringLiteral("Der Massenversand wurde angehalten, weil der Verlauf nicht mehr gespeichert werden "
                          "kann. Die bereits übergebenen Nachrichten sind verzeichnet.\r\n") +
           why;
}

qint64 SendSession::recordAction(const SendRecord::ActionInfo& info) {
    if (!m_record)
        return -1;
    const qint64 key = m_record->actionStarted(info);
    m_recordFailed = key < 0;
    return key;
}

qint64 SendSession::recordRequest(int entry, int part, const QString& recipient, const QString& name,
                                  const QString& text) {
    if (!m_record || m_actionKey < 0)
        return -1;
    const qint64 key = m_record->requestQueued({m_actionKey, entry, part, recipient, name, text});
    if (key < 0)
        m_recordFailed = true;
    return key;
}

void SendSession::warnNotRecorded() {
    if (!std::exchange(m_warnedNotRecorded, true))
        emit headerWarning(notRecordedText());
}

bool SendSession::mayHandOver(qint64 key) {
    // Without a record everything goes; with one, a request goes only once it
    // is stored as handed over. A single send may go unrecorded (the header
    // says so); a run stops, since it could not be resumed safely.
    if (!m_record)
        return true;
    if (key >= 0 && m_record->handingOver(key))
        return true;
    if (!m_mass) {
        warnNotRecorded();
        return true;
    }
    stopRunUnrecorded();
    return false;
}

void SendSession::stopRunUnrecorded() {
    if (m_run.active && !m_run.cancelled) {
        m_run.cancelled = true;
        withdrawStaged();
        Prompts::show(Prompts::Icon::Error, Product::productName(), runStoppedText(m_record->lastError()));
    }
}

void SendSession::recordEnd(qint64 key, SendOutcome::Kind kind, const QString& reply) {
    if (m_record && key >= 0)
        m_record->requestEnded(key, kind, reply);
}

void SendSession::endRecordedAction(qint64 key, bool cancelled) {
    if (m_record && key >= 0)
        m_record->actionEnded(key, cancelled);
}

void SendSession::requestDone(const Flight& flight) {
    // A single send's action is over with its last request; a run's when the
    // run ends.
    const auto it = m_outstanding.find(flight.serial);
    if (it == m_outstanding.end())
        return;
    if (--it.value() > 0 || flight.mass || (m_submitting && flight.serial == m_serial))
        return;
    m_outstanding.erase(it);
    endRecordedAction(flight.actionKey, false);
    emit actionEnded();
}

#include "messaging/SendSession.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "messaging/GatewayReply.h"
#include "messaging/GatewayRequest.h"
#include "platform/Prompts.h"
#include "platform/Transfer.h"
#include "server/xmlServer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace {
constexpr int kChunkSize = 1024;

// The stamp of a run's log lines. Reading the clock as local time looks up
// the time zone every time, which cost a fifth of a run's own work per
// message; the stamp shows whole seconds, so it is made once per second and
// kept while the monotonic clock says the same second still runs.
QString runStamp() {
    static QString stamp;
    static QElapsedTimer since;
    static qint64 keepMs = 0;
    if (!since.isValid() || since.elapsed() >= keepMs) {
        const QDateTime now = QDateTime::currentDateTime();
        stamp = GatewayReply::logStamp(now);
        keepMs = 1000 - now.time().msec();
        since.start();
    }
    return stamp;
}
} // namespace

SendSession::SendSession(QObject* parent) : QObject(parent), m_iNet(new Transfer(this)) {
    m_tm.setInterval(m_sendTimeoutMs);
    m_lanes.append(Lane{m_iNet, std::nullopt, std::nullopt});
    connect(m_iNet, &Transfer::stateChanged, this, &SendSession::onStateChanged);
    connect(&m_tm, &QTimer::timeout, this, &SendSession::onTimeout);
}

SendSession::~SendSession() = default;

QString SendSession::timeoutText() {
    return GatewayReply::timeoutText();
}

bool SendSession::isIdle() const {
    if (!m_queue.isEmpty())
        return false;
    return std::none_of(m_lanes.cbegin(), m_lanes.cend(),
                        [](const Lane& l) { return l.flight || l.staged || l.transfer->stillExecuting(); });
}

void SendSession::beginAction(const Action& action, bool mass) {
    m_action = action;
    m_mass = mass;
    m_senderAnswer.reset();
    m_dropFailureShown = false;
    m_handovers = 0;
    m_actionKey = -1;
    m_recordFailed = false;
    m_warnedNotRecorded = false;
    ++m_serial;
}

int SendSession::sendSingle(const QString& recipient, const Action& action) {
    m_tm.setInterval(m_sendTimeoutMs);
    m_tm.start();
    emit busyChanged(true);
    beginAction(action, false);
    if (m_record) {
        const cOptionen& o = options();
        SendRecord::ActionInfo info;
        const int parts = int(GatewayRequest::splitForSending(action.text, o.isAbsenderkennung, o.isLongSmsEnabled).size());
        info.kind = o.xmlIsServerUsed ? SendRecord::ActionKind::Handover
                    : action.schedule ? SendRecord::ActionKind::Scheduled
                    : parts > 1       ? SendRecord::ActionKind::Split
                                      : SendRecord::ActionKind::Single;
        info.text = action.text;
        info.recipient = recipient;
        info.name = action.name;
        info.schedule = action.schedule;
        m_actionKey = recordAction(info);
        if (m_actionKey < 0)
            warnNotRecorded();
    }
    m_submitting = true;
    const int started = sendText(recipient, action.text, action.name);
    m_submitting = false;
    if (started == 0 || options().xmlIsServerUsed) {
        m_tm.stop();
        emit busyChanged(false);
    }
    confirmHandovers();
    // Over already when nothing waits for an answer (hand-overs, refusals).
    if (m_outstanding.value(m_serial) <= 0) {
        m_outstanding.remove(m_serial);
        endRecordedAction(m_actionKey, false);
        emit actionEnded();
    }
    return started;
}

int SendSession::sendText(const QString& recipient, const QString& text, const QString& name, int entry) {
    const cOptionen& o = options();
    int started = 0;
    int part = 0;
    for (const QString& piece : GatewayRequest::splitForSending(text, o.isAbsenderkennung, o.isLongSmsEnabled)) {
        if (submitMessage(recipient, piece, name, entry, part++))
            ++started;
    }
    return started;
}

bool SendSession::senderNameConfirmed() {
    // Asked once per send action: a mass run or a split text asks one question.
    if (!m_senderAnswer) {
        const cOptionen& o = options();
        m_senderAnswer = GatewayRequest::confirmMissingSender(o.isAbsenderkennung, o.Absenderkennung);
    }
    return *m_senderAnswer;
}

bool SendSession::submitMessage(const QString& recipient, const QString& text, const QString& name, int entry,
                                int part) {
    const cOptionen& o = options();
    if (o.xmlIsServerUsed) {
        const qint64 key = recordRequest(entry, part, recipient, name, text);
        ++m_outstanding[m_serial];
        const Flight flight{m_action, recipient, m_mass, key, m_actionKey, m_serial, entry, part};
        if (!mayHandOver(key)) {
            endWithoutSending(flight);
            emit busyChanged(false);
            return false;
        }
        const auto outcome = xmlServer::handOver(xmlServer::handoverValues(o, recipient, text, m_action.password));
        if (outcome.kind == xmlServer::HandoverOutcome::Kind::Failed) {
            // A failed drop is not a hand-over: it must never be confirmed as
            // one. Said once per send action, not once per part or entry.
            if (!m_dropFailureShown) {
                m_dropFailureShown = true;
                Prompts::show(Prompts::Icon::Warning, Product::applicationTitle(), outcome.error);
            }
            recordEnd(key, SendOutcome::Kind::NotSent, outcome.error);
            emit requestEnded(recipient, SendOutcome::Kind::NotSent, outcome.error);
        } else {
            countHandover();
            recordEnd(key, SendOutcome::Kind::Confirmed, QString());
            emit requestEnded(recipient, SendOutcome::Kind::Confirmed, QString());
        }
        requestDone(flight);
        emit busyChanged(false);
        return outcome.kind == xmlServer::HandoverOutcome::Kind::Written;
    }

    GatewayRequest::Fields fields;
    fields.email = o.Username;
    fields.password = m_action.password;
    fields.recipient = recipient;
    fields.recipientName = name;
    fields.massMode = m_mass;
    fields.privateBook = m_action.privateBook;
    fields.publicBook = m_action.publicBook;
    fields.pushEnabled = o.isPushEnabled;
    fields.version = Product::versionText();
    fields.text = text;
    fields.isAbsenderkennung = o.isAbsenderkennung;
    fields.absender = o.Absenderkennung;
    fields.statusbericht = o.isStatusberichtEnabled;
    fields.antwort = o.isAntwortEnabled;
    fields.einlieferung = o.isControlEmail;
    fields.referer = Product::productName();
    fields.isLongSmsEnabled = o.isLongSmsEnabled;
    if (const auto& job = m_action.schedule)
        fields.schedule = GatewayRequest::Schedule{job->StartTime, job->CronString, job->EndTime};

    if (!senderNameConfirmed()) {
        emit busyChanged(false);
        return false;
    }

    // The body is built now, with the password and schedule of this send; the
    // queue keeps the parts of a text and the entries of a run in order.
    const QString url = m_action.schedule ? urlStore().getCronSMS() : urlStore().getSendSMS();
    const qint64 key = recordRequest(entry, part, recipient, name, text);
    ++m_outstanding[m_serial];
    m_queue.enqueue(
        {url, GatewayRequest::buildBody(fields), {m_action, recipient, m_mass, key, m_actionKey, m_serial, entry, part}});
    pump();
    return true;
}

void SendSession::pump() {
    while (!m_queue.isEmpty()) {
        // The first request that may go: a later recipient may pass one whose
        // earlier part is still under way, never one of its own parts.
        qsizetype pick = -1;
        for (qsizetype i = 0; i < m_queue.size(); ++i) {
            if (mayGoNow(m_queue.at(i))) {
                pick = i;
                break;
            }
            if (!m_queue.at(i).flight.mass || flightsUnderWay() >= m_run.window)
                break;
        }
        Lane* lane = pick < 0 ? nullptr : freeLane(m_queue.at(pick).flight.mass);
        if (!lane) {
            stageNext();
            return;
        }
        Pending next = m_queue.takeAt(pick);
        if (!mayHandOver(next.flight.key)) {
            endWithoutSending(next.flight);
            continue;
        }
        if (lane->transfer != m_iNet) {
            // The run's other components go as iNet does, also after a
            // change of the proxy settings during the run.
            lane->transfer->setProxySettings(m_iNet->accessType(), m_iNet->proxy());
            lane->transfer->setTimeoutMs(m_iNet->timeoutMs());
        }
        lane->flight = std::move(next.flight);
        lane->transfer->execute(next.url, QStringLiteral("POST"), next.body, {GatewayRequest::contentTypeHeader()});
    }
}

void SendSession::endWithoutSending(const Flight& flight) {
    // Its bytes never left: not sent, and said so like any other outcome.
    const SendOutcome::Ending ending{false, QString(), 0, true};
    if (flight.mass) {
        for (const QString& line : SendOutcome::massLogLines(ending, flight.recipient, runStamp()))
            emit runLogLine(line);
        if (m_run.active)
            m_run.counts.add(SendOutcome::Kind::NotSent);
    }
    recordEnd(flight.key, SendOutcome::Kind::NotSent, QString());
    emit requestEnded(flight.recipient, SendOutcome::Kind::NotSent, QString());
    requestDone(flight);
}

void SendSession::onStateChanged(int state) {
    onLaneStateChanged(m_iNet, state);
}

void SendSession::onLaneStateChanged(Transfer* transfer, int state) {
    const auto laneOf = [this, transfer]() -> Lane* {
        for (Lane& l : m_lanes) {
            if (l.transfer == transfer)
                return &l;
        }
        return nullptr;
    };
    Lane* lane = laneOf();
    if (!lane || !lane->flight)
        return;
    QString response;
    const int status = transfer->lastStatus();
    const bool beforeSending = transfer->lastFailedBeforeSending();
    const bool heldBack = transfer->lastHeldBack();
    if (state == Transfer::StateResponseComplete) {
        // The request stays "in flight" while its reply is read: a send
        // started from the events run here waits in the queue and cannot
        // replace the response being read.
        const QPointer<SendSession> alive(this);
        // Window events run between the pieces of a long reply; after the
        // last piece they run once the next request is out, not before it.
        // Not while a staged request follows: its outcome would land first.
        const bool yield = !lane->staged;
        for (QString chunk = transfer->getChunk(kChunkSize); !chunk.isEmpty();) {
            response += chunk;
            chunk = transfer->getChunk(kChunkSize);
            if (chunk.isEmpty() || !yield)
                continue;
            QCoreApplication::processEvents();
            if (!alive)
                return; // the owner went meanwhile
        }
    }
    lane = laneOf(); // the lanes may have grown while the reply was read
    if (!lane || !lane->flight)
        return;
    // A staged request is now the one under way on this component.
    const Flight flight = *std::exchange(lane->flight, std::exchange(lane->staged, std::nullopt));
    const QPointer<SendSession> alive(this);
    if (heldBack && flight.mass && m_run.cancelled) {
        // Kept back after the run stopped: as an entry walked after a cancel.
        recordEnd(flight.key, SendOutcome::Kind::NotSent, QString());
        requestDone(flight);
    } else if (heldBack) {
        // Its hand-over could not be written down: it never left.
        stopRunUnrecorded();
        if (!alive)
            return;
        endWithoutSending(flight);
    } else {
        reportEnding(flight, state, response, status, beforeSending);
        if (!alive)
            return;
    }
    pump();
    if (!alive)
        return;
    if (!isIdle()) {
        // A run with room for more walks on before every request is in.
        if (m_run.active && m_run.waitingForIdle && runHasRoom())
            onIdleForRun();
        return;
    }
    emit idle();
    if (!alive)
        return;
    if (m_run.active)
        onIdleForRun();
}

void SendSession::reportEnding(const Flight& flight, int state, const QString& response, int status,
                               bool beforeSending) {
    const SendOutcome::Ending ending{state == Transfer::StateResponseComplete, response, status, beforeSending};
    const SendOutcome::Kind kind = SendOutcome::classify(ending);
    if (flight.mass) {
        // In a run nobody waits for a time-out box: the log says what became
        // of the entry, and an unanswered one is not called unsent.
        for (const QString& line : SendOutcome::massLogLines(ending, flight.recipient, runStamp()))
            emit runLogLine(line);
        if (m_run.active)
            m_run.counts.add(kind);
        recordEnd(flight.key, kind, response);
        emit requestEnded(flight.recipient, kind, response);
        requestDone(flight);
    } else {
        recordEnd(flight.key, kind, response);
        emit requestEnded(flight.recipient, kind, response);
        // A single send's failure is reported by the time-out.
        if (state == Transfer::StateResponseComplete) {
            const QPointer<SendSession> alive(this);
            handleReply(flight, response);
            if (!alive)
                return;
        }
        requestDone(flight);
    }
}

void SendSession::handleReply(const Flight& flight, const QString& response) {
    const GatewayReply::SingleOutcome outcome = GatewayReply::interpretSingleReply(response);
    if (outcome.acceptedPieces > 0) {
        // The whole text of the send action, also after a split send.
        emit singleAccepted(flight.action.text, flight.action.name, flight.action.number);
        emit headerCleared();
    }
    m_tm.stop();
    emit busyChanged(false);
    // The box first: a slow balance query must not hold it back.
    const QPointer<SendSession> alive(this);
    Prompts::show(Prompts::Icon::Information, GatewayReply::replyBoxTitle(), outcome.boxText);
    if (alive)
        emit singleReplyHandled();
}

void SendSession::onTimeout() {
    if (options().xmlIsServerUsed)
        return;
    emit busyChanged(false);
    m_tm.stop();
    Prompts::show(Prompts::Icon::Information, Product::productName(), timeoutText());
}

void SendSession::confirmHandovers() {
    // Once per send action, after its last part, whatever number of parts or
    // entries it handed over (also when the folder setting is missing).
    if (m_handovers == 0)
        return;
    m_handovers = 0;
    const cOptionen& o = options();
    Prompts::show(Prompts::Icon::None, Product::applicationTitle(),
                  xmlServer::reportHandoverText(o.XmlPfad, o.xmlSingleUser, o.xmlGroupUser));
}

#include "messaging/SendSession.h"

#include "messaging/GatewayRequest.h"
#include "platform/Transfer.h"

#include <algorithm>
#include <utility>

// The window of a mass run: how many requests may be under way, on which
// transfer components, and which waiting request may go next.

int SendSession::flightsUnderWay() const {
    return int(std::count_if(m_lanes.cbegin(), m_lanes.cend(), [](const Lane& l) { return l.flight.has_value(); }));
}

namespace {
// With one request at a time, the time from an answer to the next request is
// all a fast link loses: the next entry waits on the component, ready to go
// the moment the answer is in. With more under way the others fill that gap.
bool stages(int window) {
    return window == 1;
}
} // namespace

bool SendSession::runHasRoom() const {
    // Recipients under way, staged or waiting, each counted once: a split
    // text's later parts wait for its earlier ones, not for a free place.
    QList<int> entries;
    for (const Lane& l : m_lanes) {
        for (const std::optional<Flight>* f : {&l.flight, &l.staged}) {
            if (*f && !entries.contains((*f)->entry))
                entries.append((*f)->entry);
        }
    }
    for (const Pending& p : m_queue) {
        if (!entries.contains(p.flight.entry))
            entries.append(p.flight.entry);
    }
    return entries.size() < m_run.window + (stages(m_run.window) ? 1 : 0);
}

void SendSession::stageNext() {
    if (!m_run.active || m_run.cancelled || !stages(m_run.window) || m_queue.isEmpty())
        return;
    const Pending& next = m_queue.head();
    // Without its hand-over on record it waits for the usual way, which stops the run.
    if (!next.flight.mass || (m_record && next.flight.key < 0))
        return;
    const auto lane = std::find_if(m_lanes.begin(), m_lanes.end(),
                                   [](const Lane& l) { return l.flight && l.flight->mass && !l.staged; });
    if (lane == m_lanes.end())
        return;
    Transfer::Gate gate;
    if (m_record) {
        // On the component's thread: the answer just in and this request as
        // handed over go on record before the bytes go, exactly as when this
        // thread hands it over after taking that answer.
        SendRecord* record = m_record;
        const qint64 key = next.flight.key;
        const qint64 before = lane->flight->key;
        gate = [record, key, before](const Transfer::Answer& a) {
            if (before >= 0)
                record->answerIn(before, SendOutcome::classify({a.complete, a.text, a.status, a.failedBeforeSending}),
                                 a.text);
            return record->handingOver(key);
        };
    }
    if (lane->transfer != m_iNet) {
        lane->transfer->setProxySettings(m_iNet->accessType(), m_iNet->proxy());
        lane->transfer->setTimeoutMs(m_iNet->timeoutMs());
    }
    if (!lane->transfer->executeNext(next.url, QStringLiteral("POST"), next.body,
                                     {GatewayRequest::contentTypeHeader()}, std::move(gate)))
        return;
    lane->staged = m_queue.dequeue().flight;
}

void SendSession::withdrawStaged() {
    // Nothing new goes out: what waits on a component is taken back, and so
    // is every waiting request of a recipient whose first part has not left.
    // A recipient whose first part is out gets the rest: no message is cut.
    QList<int> unstarted;
    const auto drop = [this](const Flight& f) {
        recordEnd(f.key, SendOutcome::Kind::NotSent, QString());
        requestDone(f);
    };
    for (Lane& l : m_lanes) {
        if (!l.staged || !l.transfer->withdrawNext())
            continue;
        const Flight f = *std::exchange(l.staged, std::nullopt);
        if (f.part == 0)
            unstarted.append(f.entry);
        drop(f);
    }
    // The parts of a recipient wait in order: its first comes before the rest.
    for (qsizetype i = 0; i < m_queue.size();) {
        const Flight& waiting = m_queue.at(i).flight;
        if (waiting.mass && waiting.part == 0)
            unstarted.append(waiting.entry);
        if (!waiting.mass || !unstarted.contains(waiting.entry)) {
            ++i;
            continue;
        }
        drop(m_queue.takeAt(i).flight);
    }
}

bool SendSession::mayGoNow(const Pending& pending) const {
    const int underWay = flightsUnderWay();
    if (!pending.flight.mass)
        return underWay == 0;
    if (underWay >= m_run.window)
        return false;
    // The parts of one recipient go one after the other.
    return std::none_of(m_lanes.cbegin(), m_lanes.cend(), [&](const Lane& l) {
        return l.flight && l.flight->mass && l.flight->entry == pending.flight.entry;
    });
}

SendSession::Lane* SendSession::freeLane(bool mass) {
    for (Lane& l : m_lanes) {
        if (!l.flight && !l.transfer->stillExecuting())
            return &l;
        if (!mass)
            return nullptr; // one request at a time goes through iNet
    }
    if (m_lanes.size() >= m_run.window)
        return nullptr;
    auto* t = new Transfer(this);
    connect(t, &Transfer::stateChanged, this, [this, t](int state) { onLaneStateChanged(t, state); });
    m_lanes.append(Lane{t, std::nullopt, std::nullopt});
    return &m_lanes.last();
}

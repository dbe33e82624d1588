#include "messaging/SendSession.h"

#include "platform/Transfer.h"

#include <algorithm>

// The window of a mass run: how many requests may be under way, on which
// transfer components, and which waiting request may go next.

int SendSession::flightsUnderWay() const {
    return int(std::count_if(m_lanes.cbegin(), m_lanes.cend(), [](const Lane& l) { return l.flight.has_value(); }));
}

bool SendSession::runHasRoom() const {
    // Recipients under way or waiting, each counted once: a split text's
    // later parts wait for its earlier ones, not for a free place.
    QList<int> entries;
    for (const Lane& l : m_lanes) {
        if (l.flight && !entries.contains(l.flight->entry))
            entries.append(l.flight->entry);
    }
    for (const Pending& p : m_queue) {
        if (!entries.contains(p.flight.entry))
            entries.append(p.flight.entry);
    }
    return entries.size() < m_run.window;
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
    m_lanes.append(Lane{t, std::nullopt});
    return &m_lanes.last();
}

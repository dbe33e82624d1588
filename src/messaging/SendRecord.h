#pragma once

#include "messaging/SendOutcome.h"
#include "messaging/SendRules.h"
#include "schedule/CCronjob.h"

#include <QList>
#include <QString>

#include <optional>

// Where the send session writes down what it does, as it does it: every send
// action and every request of it. A request is written down as handed over
// before its bytes leave, so after a crash a request is never taken for
// unsent when it may have gone out (and been charged).
//
// The session works without one; with one, a write that fails is told to
// the session, which decides what may still go out.
class SendRecord {
public:
    enum class ActionKind { Single, Split, Scheduled, Mass, Handover };
    struct ActionInfo {
        ActionKind kind = ActionKind::Single;
        QString text;      // as typed, before placeholders and parts
        QString recipient; // single sends: the number as sent
        QString name;      // single sends
        std::optional<CCronjob> schedule;
        // Mass runs: the snapshot the run walks, so it can be resumed as it
        // was started whatever becomes of the list's file.
        QList<SendRules::MassEntry> entries;
    };
    struct RequestInfo {
        qint64 action = -1;
        int entry = -1; // the entry's place in the run's snapshot; -1 for single sends
        int part = 0;   // the part of the text, from 0
        QString recipient;
        QString name;
        QString text; // the part as sent
    };

    virtual ~SendRecord() = default;

    // A new action; its key, or -1 when it could not be written.
    virtual qint64 actionStarted(const ActionInfo& info) = 0;
    // A request waits in the queue; its key, or -1 when it could not be written.
    virtual qint64 requestQueued(const RequestInfo& info) = 0;
    // Its bytes are about to leave: true once that is stored for good.
    virtual bool handingOver(qint64 request) = 0;
    virtual void requestEnded(qint64 request, SendOutcome::Kind outcome, const QString& reply) = 0;
    // The answer to a request as it arrived, told on the transfer's thread by
    // the hand-over of the request that follows it, just before that one's
    // handingOver: a record may write both down at once. requestEnded with
    // the same outcome still follows on the session's thread.
    virtual void answerIn(qint64 /*request*/, SendOutcome::Kind /*outcome*/, const QString& /*reply*/) {}
    // Every request of the action has ended (or a cancelled run stopped).
    virtual void actionEnded(qint64 action, bool cancelled) = 0;
    // Why the last write failed, in German, for the user.
    virtual QString lastError() const = 0;
};

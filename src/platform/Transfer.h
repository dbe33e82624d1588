#pragma once

#include "platform/HttpWorker.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>


// One HTTP(S) transfer component per window that talks to the service.
// Carries one asynchronous request at a time; every request ends at its
// time-out however its bytes arrive, and TLS certificates are always verified
// against the system's authorities. The requests run on worker threads that
// keep their connections open; results come back as events of this thread.
//
// The blocking waits let window events run, so the window that owns the
// component may be closed while one waits. A window released by deleteLater()
// is kept until the wait has unwound; a component deleted outright ends the
// wait at once. Either way the wait hands back a failure.
class Transfer : public QObject {
    Q_OBJECT
public:
    enum State : int {
        StateRequestFailed = 11,
        StateResponseComplete = 12,
    };
    enum AccessType : int {
        SystemProxy = 0,
        Direct = 1,
        NamedProxy = 2,
    };
    static constexpr int kDefaultTimeoutMs = 60000;

    explicit Transfer(QObject* parent = nullptr);
    ~Transfer() override;

    // A new choice applies to requests started from now on; a request under
    // way finishes on the connection it started on. Handing over the settings
    // the component already has changes nothing.
    void setAccessType(int type);
    int accessType() const { return m_accessType; }
    // "host:port", used with access type 2.
    void setProxy(const QString& proxyText);
    // Both at once, so a change of both is one change.
    void setProxySettings(int type, const QString& proxyText);
    QString proxy() const { return m_proxyText; }
    // The whole request, from sending to the last byte of the reply.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    int timeoutMs() const { return m_timeoutMs; }

    // Blocking fetch that lets window events run while it waits. Returns the
    // body as text; ok (when given) tells whether the transfer succeeded.
    QString openUrl(const QString& url, bool* ok = nullptr);
    QByteArray openUrlBytes(const QString& url, bool* ok = nullptr);

    // Lets window events run until no request is under way, at most
    // deadlineMs. False when the time ran out or the component or its owner
    // went away meanwhile; the caller then must not start another request.
    bool waitUntilIdle(int deadlineMs);

    // Starts a request and returns at once; stateChanged reports the outcome.
    // Header lines are "Name: value". The body is sent as the bytes given.
    void execute(const QString& url, const QString& method, const QByteArray& body,
                 const QStringList& headerLines = {});
    bool stillExecuting() const;
    // A request to go as soon as the one under way has its answer, on the
    // same connection, without waiting for this thread to take that answer:
    // one request after the other with no gap between them. The gate runs on
    // the worker's thread right before the bytes go (false keeps the request
    // back: its outcome is a failure before sending, lastHeldBack()). Each
    // request's outcome is told by its own stateChanged, in order. False when
    // nothing is under way or a follow-on waits already.
    // What the request before a follow-on came to, as its gate sees it.
    struct Answer {
        bool complete = false; // a whole answer below 300
        int status = 0;
        bool failedBeforeSending = false;
        QString text; // the decoded body of a complete answer
    };
    using Gate = std::function<bool(const Answer& before)>;
    bool executeNext(const QString& url, const QString& method, const QByteArray& body,
                     const QStringList& headerLines, Gate gate);
    // Takes back a follow-on that has not started: false when there is none
    // or it is on its way (its outcome will be told).
    bool withdrawNext();
    // The next piece of the last complete response, at most max characters;
    // empty at the end.
    QString getChunk(int max);
    // The HTTP status of the last finished request (0 when none arrived).
    int lastStatus() const { return m_lastStatus; }
    // The last failure as the user may read it (TransferFailure::text):
    // never the address; empty after a success.
    QString lastError() const { return m_lastError; }
    // The last request failed where its bytes cannot have reached the server
    // (refused connection, unknown host or proxy, failed TLS handshake).
    bool lastFailedBeforeSending() const { return m_lastFailedBeforeSending; }
    // The last request was a follow-on that its gate kept back.
    bool lastHeldBack() const { return m_lastHeldBack; }

signals:
    void stateChanged(int state);

private:
    HttpWorker& idleWorker();
    // False (with the failure noted) for an address that cannot be requested.
    bool prepare(const QString& url, const QString& method, const QByteArray& body,
                 const QStringList& headerLines, HttpWorker::Request& request);
    void noteFailure(int status, bool beforeSending);
    void onAsyncResult(quint64 serial, const HttpWorker::Result& result);
    void onAsyncDeadline();

    std::vector<std::unique_ptr<HttpWorker>> m_workers;
    HttpWorker* m_asyncWorker = nullptr; // carries the asynchronous request
    quint64 m_asyncSerial = 0;           // a replaced request's late result is dropped
    quint64 m_nextSerial = 0;            // the follow-on's, 0 when none waits
    std::uint64_t m_asyncRequest = 0;    // its number on the worker
    std::uint64_t m_nextRequest = 0;
    int m_nextTimeoutMs = kDefaultTimeoutMs;
    bool m_asyncPending = false;
    QTimer m_asyncDeadline;
    int m_accessType = SystemProxy;
    QString m_proxyText;
    int m_timeoutMs = kDefaultTimeoutMs;
    QString m_response;
    qsizetype m_readPos = 0;
    int m_lastStatus = 0;
    QByteArray m_lastContentType;
    QString m_lastError;
    bool m_lastFailedBeforeSending = false;
    bool m_lastHeldBack = false;
};

// Decodes a reply body by the charset of its Content-Type, Windows-1252 when none is named.
QString decodeReplyBody(const QByteArray& body, const QByteArray& contentType);

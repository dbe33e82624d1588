#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// One HTTP(S) transfer component per window that talks to the service.
// Carries one asynchronous request at a time; every request ends at its
// time-out however its bytes arrive, and TLS certificates are always verified.
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

signals:
    void stateChanged(int state);

private:
    void applyProxy();
    QNetworkAccessManager* makeManager();
    bool managerBusy() const;
    void retireManager(QNetworkAccessManager* nam);
    void noteFailure(const QNetworkReply& reply);
    QNetworkRequest makeRequest(const QString& url) const;
    void armDeadline(QNetworkReply* reply) const;
    void onFinished();

    QNetworkAccessManager* m_nam;
    QPointer<QNetworkReply> m_reply;
    int m_accessType = SystemProxy;
    QString m_proxyText;
    int m_timeoutMs = kDefaultTimeoutMs;
    QString m_response;
    qsizetype m_readPos = 0;
    int m_lastStatus = 0;
    QByteArray m_lastContentType;
    QString m_lastError;
    bool m_lastFailedBeforeSending = false;
};

// Decodes a reply body by the charset of its Content-Type, Windows-1252 when none is named.
QString decodeReplyBody(const QByteArray& body, const QByteArray& contentType);

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

// A small HTTP server on a loopback ephemeral port whose answers a test
// scripts: a fixed body per path, optionally after a delay, trickled a byte at
// a time, never at all, without end, or reset. It records every request it gets. For replies the
// stand-in service does not give (odd shapes, stalls).
class ScriptedServer {
public:
    struct Request {
        QString method;
        QString path;  // without the query
        QString query;  // raw, without "?"
        QByteArray body;
    };
    struct Reply {
        QByteArray body;
        QByteArray contentType = "text/plain; charset=windows-1252";
        int status = 200;
        std::chrono::milliseconds delay{0};
        // Above zero: the body goes out one byte per interval.
        std::chrono::milliseconds trickle{0};
        // The connection is accepted and held without a byte of answer.
        bool stall = false;
        // The request is read, then the connection is reset (RST) without a byte of answer.
        bool reset = false;
        // Above zero: the status line and headers go out, then a chunked body
        // of this many bytes at a time that never ends.
        int endlessChunk = 0;
    };

    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    // Every request to the path (GET or POST) gets this reply until changed.
    void setReply(const QString& path, const Reply& reply);
    // The requests to the path get these replies in turn; the last one stays.
    void setReplies(const QString& path, const QList<Reply>& replies);
    QString url(const QString& pathAndQuery) const;
    // An address on loopback where nothing listens: connecting is refused.
    static QString refusedUrl(const QString& pathAndQuery);
    QList<Request> requests() const;
    int requestCount(const QString& path) const;
    // Body bytes sent so far by trickled replies.
    qint64 trickledBytes() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

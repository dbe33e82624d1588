#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>

// A plain HTTP proxy on a loopback ephemeral port, run by the test's event
// loop: it records the request line of every request it carries and passes
// the bytes on to the address the request names, and the answer back.
class LoopbackProxy : public QObject {
    Q_OBJECT
public:
    LoopbackProxy();
    quint16 port() const { return m_server.serverPort(); }
    // "POST http://127.0.0.1:PORT/path HTTP/1.1", one per request.
    const QList<QByteArray>& requestLines() const { return m_lines; }

private:
    void onConnection();

    QTcpServer m_server;
    QList<QByteArray> m_lines;
};

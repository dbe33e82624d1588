#include "LoopbackProxy.h"

#include <QTcpSocket>
#include <QUrl>

namespace {

// One whole request at the front of buf, with its request line in origin form
// ("POST /path HTTP/1.1"); empty while incomplete. Sets line and the target.
QByteArray takeRequest(QByteArray& buf, QByteArray& line, QUrl& target) {
    const qsizetype headEnd = buf.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return {};
    const QByteArray head = buf.left(headEnd);
    qsizetype length = 0;
    for (const QByteArray& h : head.split('\n')) {
        if (h.toLower().startsWith("content-length:"))
            length = h.mid(15).trimmed().toLongLong();
    }
    const qsizetype total = headEnd + 4 + length;
    if (buf.size() < total)
        return {};
    const QByteArray request = buf.left(total);
    buf.remove(0, total);
    const qsizetype eol = request.indexOf("\r\n");
    line = request.left(eol);
    const QList<QByteArray> parts = line.split(' ');
    target = QUrl::fromEncoded(parts.value(1));
    QByteArray path = target.path(QUrl::FullyEncoded).toUtf8();
    if (target.hasQuery())
        path += '?' + target.query(QUrl::FullyEncoded).toUtf8();
    return parts.value(0) + ' ' + path + ' ' + parts.value(2) + request.mid(eol);
}

} // namespace

LoopbackProxy::LoopbackProxy() {
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackProxy::onConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

void LoopbackProxy::onConnection() {
    while (QTcpSocket* client = m_server.nextPendingConnection()) {
        auto* upstream = new QTcpSocket(client);
        auto* buffer = new QByteArray;
        connect(client, &QObject::destroyed, client, [buffer] { delete buffer; });
        connect(client, &QTcpSocket::readyRead, client, [this, client, upstream, buffer] {
            buffer->append(client->readAll());
            QByteArray line;
            QUrl target;
            for (QByteArray request = takeRequest(*buffer, line, target); !request.isEmpty();
                 request = takeRequest(*buffer, line, target)) {
                m_lines.append(line);
                if (upstream->state() == QAbstractSocket::UnconnectedState)
                    upstream->connectToHost(target.host(), quint16(target.port(80)));
                // QTcpSocket buffers what is written before it is connected.
                upstream->write(request);
            }
        });
        connect(upstream, &QTcpSocket::readyRead, client,
                [client, upstream] { client->write(upstream->readAll()); });
        connect(upstream, &QTcpSocket::disconnected, client, [client] { client->disconnectFromHost(); });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    }
}

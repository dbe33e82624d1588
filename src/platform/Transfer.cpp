#include "platform/Transfer.h"

#include "platform/CodePage.h"
#include "platform/TransferFailure.h"
#include "platform/WaitGuard.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

QString decodeReplyBody(const QByteArray& body, const QByteArray& contentType) {
    if (contentType.toLower().contains("charset=utf-8"))
        return QString::fromUtf8(body);
    return CodePage::fromWindows1252(body);
}

Transfer::Transfer(QObject* parent) : QObject(parent), m_nam(new QNetworkAccessManager(this)) {
    m_nam->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    applyProxy();
}

Transfer::~Transfer() {
    // A request still under way ends silently: its owner may be half gone.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void Transfer::setAccessType(int type) {
    m_accessType = type;
    applyProxy();
}

void Transfer::setProxy(const QString& proxyText) {
    m_proxyText = proxyText;
    applyProxy();
}

void Transfer::applyProxy() {
    // Other settings must not reuse a connection made under the old ones.
    m_nam->clearConnectionCache();
    switch (m_accessType) {
    case Direct:
        m_nam->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        break;
    case NamedProxy: {
        const qsizetype colon = m_proxyText.lastIndexOf(QLatin1Char(':'));
        const QString host = colon < 0 ? m_proxyText : m_proxyText.left(colon);
        const quint16 port = colon < 0 ? 0 : m_proxyText.mid(colon + 1).toUShort();
        m_nam->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, host, port));
        break;
    }
    default:
        // The desktop's own proxy settings.
        m_nam->setProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
        break;
    }
}

QNetworkRequest Transfer::makeRequest(const QString& url) const {
    QNetworkRequest request(QUrl::fromEncoded(url.toUtf8(), QUrl::TolerantMode));
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Velvox/3.0.99"));
    // The service's replies are a few hundred bytes; asking for them
    // compressed makes the service run its compressor on every reply, which
    // cost more time than the whole request (a mass run went at a fifth of
    // the connection's rate).
    request.setRawHeader(QByteArrayLiteral("Accept-Encoding"), QByteArrayLiteral("identity"));
    return request;
}

void Transfer::armDeadline(QNetworkReply* reply) const {
    // An inactivity time-out alone lets a server that trickles a byte now and
    // then hold the request for ever: the whole request has one deadline.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(m_timeoutMs);
}

QByteArray Transfer::openUrlBytes(const QString& url, bool* ok) {
    if (ok)
        *ok = false;
    const QUrl parsed = QUrl::fromEncoded(url.toUtf8(), QUrl::TolerantMode);
    if (!parsed.isValid() || parsed.scheme().isEmpty()) {
        m_lastStatus = 0;
        m_lastError = TransferFailure::text(0);
        return {};
    }
    const QPointer<Transfer> self(this);
    const QPointer<QNetworkReply> reply = m_nam->get(makeRequest(url));
    armDeadline(reply);
    bool interrupted = false;
    {
        QEventLoop loop;
        const WaitGuard guard(this, loop);
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
        if (!reply->isFinished())
            loop.exec();
        interrupted = guard.interrupted();
    }
    // Deleted while waiting: nothing of this object may be touched any more.
    if (!self)
        return {};
    if (!reply) {
        m_lastStatus = 0;
        m_lastError = TransferFailure::text(0);
        return {};
    }
    // The wait can also end early when the application quits.
    if (interrupted || !reply->isFinished()) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        m_lastStatus = 0;
        m_lastError = TransferFailure::text(0);
        return {};
    }
    m_lastContentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    m_lastStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool good = reply->error() == QNetworkReply::NoError;
    const QByteArray body = good ? reply->readAll() : QByteArray();
    m_lastError = good ? QString() : TransferFailure::text(m_lastStatus);
    reply->deleteLater();
    if (ok)
        *ok = good;
    return good ? body : QByteArray();
}

QString Transfer::openUrl(const QString& url, bool* ok) {
    const QPointer<Transfer> self(this);
    bool good = false;
    const QByteArray body = openUrlBytes(url, &good);
    if (ok)
        *ok = good;
    if (!self || !good)
        return {};
    return decodeReplyBody(body, m_lastContentType);
}

void Transfer::execute(const QString& url, const QString& method, const QByteArray& body,
                       const QStringList& headerLines) {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_response.clear();
    m_readPos = 0;
    QNetworkRequest request = makeRequest(url);
    for (const QString& line : headerLines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        request.setRawHeader(line.left(colon).trimmed().toLatin1(), line.mid(colon + 1).trimmed().toLatin1());
    }
    m_reply = m_nam->sendCustomRequest(request, method.toLatin1(), body);
    armDeadline(m_reply);
    connect(m_reply, &QNetworkReply::finished, this, &Transfer::onFinished);
}

bool Transfer::stillExecuting() const { return m_reply && !m_reply->isFinished(); }

bool Transfer::waitUntilIdle(int deadlineMs) {
    if (!stillExecuting())
        return true;
    const QPointer<Transfer> self(this);
    bool interrupted = false;
    {
        QEventLoop loop;
        const WaitGuard guard(this, loop);
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(m_reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        connect(m_reply, &QObject::destroyed, &loop, &QEventLoop::quit);
        deadline.start(deadlineMs);
        loop.exec();
        interrupted = guard.interrupted();
    }
    return self && !interrupted && !self->stillExecuting();
}

void Transfer::onFinished() {
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_lastStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool good = reply->error() == QNetworkReply::NoError;
    m_lastError = good ? QString() : TransferFailure::text(m_lastStatus);
    if (good)
        m_response = decodeReplyBody(reply->readAll(), reply->header(QNetworkRequest::ContentTypeHeader).toByteArray());
    else
        m_response.clear();
    m_readPos = 0;
    m_reply = nullptr;
    reply->deleteLater();
    emit stateChanged(good ? StateResponseComplete : StateRequestFailed);
}

QString Transfer::getChunk(int max) {
    if (max <= 0 || m_readPos >= m_response.size())
        return {};
    const QString chunk = m_response.mid(m_readPos, max);
    m_readPos += chunk.size();
    return chunk;
}

#include "platform/Transfer.h"

#include "platform/CodePage.h"
#include "platform/TransferFailure.h"
#include "platform/WaitGuard.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// A request body that can be read once only. The network stack sends a
// request again by itself when the connection breaks before the answer; for
// a body it cannot rewind it fails the request instead, so a send that may
// have reached the gateway is never sent a second time.
class OneShotBody : public QIODevice {
public:
    OneShotBody(const QByteArray& bytes, QObject* parent) : QIODevice(parent), m_bytes(bytes) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    bool reset() override { return false; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_pos + QIODevice::bytesAvailable(); }
    bool atEnd() const override { return m_pos >= m_bytes.size() && QIODevice::bytesAvailable() == 0; }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 n = qMin(max, qint64(m_bytes.size()) - m_pos);
        if (n <= 0)
            return m_pos >= m_bytes.size() ? -1 : 0;
        memcpy(data, m_bytes.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

} // namespace

QString decodeReplyBody(const QByteArray& body, const QByteArray& contentType) {
    if (contentType.toLower().contains("charset=utf-8"))
        return QString::fromUtf8(body);
    return CodePage::fromWindows1252(body);
}

namespace {
QNetworkProxy proxyFor(int accessType, const QString& proxyText) {
    switch (accessType) {
    case Transfer::Direct:
        return QNetworkProxy(QNetworkProxy::NoProxy);
    case Transfer::NamedProxy: {
        const qsizetype colon = proxyText.lastIndexOf(QLatin1Char(':'));
        const QString host = colon < 0 ? proxyText : proxyText.left(colon);
        const quint16 port = colon < 0 ? 0 : proxyText.mid(colon + 1).toUShort();
        return QNetworkProxy(QNetworkProxy::HttpProxy, host, port);
    }
    default:
        // The desktop's own proxy settings.
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    }
}

bool failedBeforeSending(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::ProtocolUnknownError:
        return true;
    default:
        return false;
    }
}
} // namespace

Transfer::Transfer(QObject* parent) : QObject(parent), m_nam(makeManager()) {
    m_nam->setProxy(proxyFor(m_accessType, m_proxyText));
}

QNetworkAccessManager* Transfer::makeManager() {
    auto* nam = new QNetworkAccessManager(this);
    nam->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    return nam;
}

Transfer::~Transfer() {
    // A request still under way ends silently: its owner may be half gone.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void Transfer::setAccessType(int type) {
    setProxySettings(type, m_proxyText);
}

void Transfer::setProxy(const QString& proxyText) {
    setProxySettings(m_accessType, proxyText);
}

void Transfer::setProxySettings(int type, const QString& proxyText) {
    m_accessType = type;
    m_proxyText = proxyText;
    applyProxy();
}

bool Transfer::managerBusy() const {
    const auto replies = m_nam->findChildren<QNetworkReply*>(Qt::FindDirectChildrenOnly);
    return std::any_of(replies.cbegin(), replies.cend(), [](const QNetworkReply* r) { return !r->isFinished(); });
}

void Transfer::retireManager(QNetworkAccessManager* nam) {
    // Its replies are released by whoever reads them; the manager, with the
    // connections they run on, goes after the last of them.
    const auto replies = nam->findChildren<QNetworkReply*>(Qt::FindDirectChildrenOnly);
    auto left = std::make_shared<qsizetype>(replies.size());
    for (QNetworkReply* r : replies) {
        connect(r, &QObject::destroyed, nam, [nam, left] {
            if (--*left == 0)
                nam->deleteLater();
        });
    }
    if (replies.isEmpty())
        nam->deleteLater();
}

void Transfer::applyProxy() {
    const QNetworkProxy wanted = proxyFor(m_accessType, m_proxyText);
    if (m_nam->proxy() == wanted)
        return;
    if (managerBusy()) {
        // Dropping the old connections would drop the requests on them, whose
        // replies then never come (a send the gateway took would look lost):
        // new requests get a manager of their own instead.
        QNetworkAccessManager* old = m_nam;
        m_nam = makeManager();
        retireManager(old);
    } else {
        // Other settings must not reuse a connection made under the old ones.
        m_nam->clearConnectionCache();
    }
    m_nam->setProxy(wanted);
}

void Transfer::noteFailure(const QNetworkReply& reply) {
    m_lastError = TransferFailure::text(m_lastStatus);
    m_lastFailedBeforeSending = failedBeforeSending(reply.error());
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
        m_lastFailedBeforeSending = true;
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
        m_lastFailedBeforeSending = false;
        return {};
    }
    // The wait can also end early when the application quits.
    if (interrupted || !reply->isFinished()) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        m_lastStatus = 0;
        m_lastError = TransferFailure::text(0);
        m_lastFailedBeforeSending = false;
        return {};
    }
    m_lastContentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    m_lastStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool good = reply->error() == QNetworkReply::NoError;
    const QByteArray body = good ? reply->readAll() : QByteArray();
    m_lastError.clear();
    m_lastFailedBeforeSending = false;
    if (!good)
        noteFailure(*reply);
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
    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    auto* upload = new OneShotBody(body, nullptr);
    m_reply = m_nam->sendCustomRequest(request, method.toLatin1(), upload);
    upload->setParent(m_reply);
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
    m_lastError.clear();
    m_lastFailedBeforeSending = false;
    if (!good)
        noteFailure(*reply);
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

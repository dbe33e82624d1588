#include "platform/Transfer.h"

#include "platform/CodePage.h"
#include "platform/TransferFailure.h"
#include "platform/WaitGuard.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QMutex>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QUrl>

#include <memory>
#include <utility>

QString decodeReplyBody(const QByteArray& body, const QByteArray& contentType) {
    if (contentType.toLower().contains("charset=utf-8"))
        return QString::fromUtf8(body);
    return CodePage::fromWindows1252(body);
}

namespace {

// The desktop's proxy settings for the origin of url. Asking for them goes
// through the desktop's proxy library on a thread of its own and cost more
// than a whole request on loopback, so an answer is kept for a few seconds:
// a change of the desktop's settings reaches new requests soon, and a run
// does not ask once per message.
QList<QNetworkProxy> systemProxiesFor(const QUrl& url) {
    struct Answer {
        QList<QNetworkProxy> proxies;
        QElapsedTimer age;
    };
    constexpr qint64 kKeepMs = 5000;
    static QMutex mutex;
    static QHash<QString, Answer> answers;
    const QString origin = url.scheme() + QLatin1Char('|') + url.host() + QLatin1Char('|') + QString::number(url.port());
    {
        const QMutexLocker lock(&mutex);
        const auto it = answers.constFind(origin);
        if (it != answers.constEnd() && it->age.isValid() && it->age.elapsed() < kKeepMs)
            return it->proxies;
    }
    Answer fresh;
    fresh.proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    fresh.age.start();
    const QMutexLocker lock(&mutex);
    answers.insert(origin, fresh);
    return fresh.proxies;
}

// The proxy a request to url goes through under the given settings: empty
// host for none.
void proxyFor(int accessType, const QString& proxyText, const QUrl& url, HttpWorker::Request& r) {
    switch (accessType) {
    case Transfer::Direct:
        return;
    case Transfer::NamedProxy: {
        const qsizetype colon = proxyText.lastIndexOf(QLatin1Char(':'));
        r.proxyHost = (colon < 0 ? proxyText : proxyText.left(colon)).toStdString();
        r.proxyPort = colon < 0 ? 0 : proxyText.mid(colon + 1).toUShort();
        return;
    }
    default: {
        for (const QNetworkProxy& p : systemProxiesFor(url)) {
            if (p.type() == QNetworkProxy::HttpProxy) {
                r.proxyHost = p.hostName().toStdString();
                r.proxyPort = p.port();
                return;
            }
            if (p.type() == QNetworkProxy::NoProxy || p.type() == QNetworkProxy::DefaultProxy)
                return;
        }
        return;
    }
    }
}

} // namespace

Transfer::Transfer(QObject* parent) : QObject(parent) {
    m_asyncDeadline.setSingleShot(true);
    connect(&m_asyncDeadline, &QTimer::timeout, this, &Transfer::onAsyncDeadline);
}

// The workers go first: after that no result can be posted to this object.
// A request still under way ends silently: its owner may be half gone.
Transfer::~Transfer() { m_workers.clear(); }

void Transfer::setAccessType(int type) {
    setProxySettings(type, m_proxyText);
}

void Transfer::setProxy(const QString& proxyText) {
    setProxySettings(m_accessType, proxyText);
}

// Each request takes the settings as they stand when it starts and keeps its
// connection for them: a change never touches a request under way, and a
// connection made under other settings is never reused for the new ones.
void Transfer::setProxySettings(int type, const QString& proxyText) {
    m_accessType = type;
    m_proxyText = proxyText;
}

HttpWorker& Transfer::idleWorker() {
    for (const auto& w : m_workers) {
        if (!w->busy())
            return *w;
    }
    // A blocking fetch while the asynchronous request runs, or a worker still
    // unwinding a request given up at its deadline.
    m_workers.push_back(std::make_unique<HttpWorker>());
    return *m_workers.back();
}

void Transfer::noteFailure(int status, bool beforeSending) {
    m_lastStatus = status;
    m_lastError = TransferFailure::text(status);
    m_lastFailedBeforeSending = beforeSending;
}

namespace {

// An address taken apart for a request. A run sends every message to the
// same address: it is parsed once, not once per message.
struct Target {
    QUrl url;
    bool usable = false;
    std::string scheme;
    std::string host;
    int port = 0;
    std::string target;
};

const Target& targetOf(const QString& address) {
    thread_local QString lastAddress;
    thread_local Target last;
    if (address == lastAddress && last.url.isValid())
        return last;
    Target t;
    t.url = QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode);
    const QString scheme = t.url.scheme().toLower();
    t.usable = t.url.isValid() && !t.url.host().isEmpty() &&
               (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    t.scheme = scheme.toStdString();
    t.host = t.url.host(QUrl::FullyEncoded).toStdString();
    t.port = t.url.port(scheme == QLatin1String("https") ? 443 : 80);
    QByteArray path = t.url.path(QUrl::FullyEncoded).toUtf8();
    if (path.isEmpty())
        path = "/";
    if (t.url.hasQuery())
        path += '?' + t.url.query(QUrl::FullyEncoded).toUtf8();
    t.target = path.toStdString();
    lastAddress = address;
    last = std::move(t);
    return last;
}

} // namespace

bool Transfer::prepare(const QString& url, const QString& method, const QByteArray& body,
                       const QStringList& headerLines, HttpWorker::Request& r) {
    const Target& t = targetOf(url);
    if (!t.usable) {
        noteFailure(0, true);
        return false;
    }
    r.method = method.toStdString();
    r.scheme = t.scheme;
    r.host = t.host;
    r.port = t.port;
    r.target = t.target;
    r.body = body.toStdString();
    r.headers.emplace_back("User-Agent", "Velvox/3.0.99");
    // The service's replies are a few hundred bytes; asking for them
    // compressed makes the service run its compressor on every reply, which
    // cost more time than the whole request.
    r.headers.emplace_back("Accept-Encoding", "identity");
    for (const QString& line : headerLines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        r.headers.emplace_back(line.left(colon).trimmed().toStdString(), line.mid(colon + 1).trimmed().toStdString());
    }
    r.timeoutMs = m_timeoutMs;
    proxyFor(m_accessType, m_proxyText, t.url, r);
    return true;
}

QByteArray Transfer::openUrlBytes(const QString& url, bool* ok) {
    if (ok)
        *ok = false;
    HttpWorker::Request request;
    if (!prepare(url, QStringLiteral("GET"), {}, {}, request))
        return {};

    struct Call {
        bool done = false;
        HttpWorker::Result result;
        QEventLoop* loop = nullptr;
    };
    const auto call = std::make_shared<Call>();
    HttpWorker& worker = idleWorker();
    worker.start(std::move(request), [this, call](HttpWorker::Result result) {
        auto shared = std::make_shared<HttpWorker::Result>(std::move(result));
        QMetaObject::invokeMethod(
            this,
            [call, shared] {
                call->result = std::move(*shared);
                call->done = true;
                if (call->loop)
                    call->loop->quit();
            },
            Qt::QueuedConnection);
    });
    const QPointer<Transfer> self(this);
    bool interrupted = false;
    {
        QEventLoop loop;
        const WaitGuard guard(this, loop);
        // An inactivity time-out alone lets a server that trickles a byte now
        // and then hold the request for ever: the whole request has one deadline.
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(m_timeoutMs);
        call->loop = &loop;
        if (!call->done)
            loop.exec();
        call->loop = nullptr;
        interrupted = guard.interrupted();
    }
    // Deleted while waiting: nothing of this object may be touched any more.
    if (!self)
        return {};
    // Given up (deadline, owner going, application quitting): no answer.
    if (interrupted || !call->done) {
        const int status = worker.statusSoFar();
        worker.abort();
        noteFailure(interrupted ? 0 : status, false);
        return {};
    }
    const HttpWorker::Result& r = call->result;
    m_lastContentType = r.contentType;
    m_lastError.clear();
    m_lastStatus = r.status;
    m_lastFailedBeforeSending = false;
    if (!r.complete) {
        noteFailure(r.status, r.beforeSending);
        return {};
    }
    if (ok)
        *ok = true;
    return r.body;
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
    // A request still under way is given up silently, and so is one waiting
    // to follow it.
    withdrawNext();
    if (m_asyncPending && m_asyncWorker)
        m_asyncWorker->abort();
    ++m_asyncSerial;
    m_asyncPending = false;
    m_asyncDeadline.stop();
    m_response.clear();
    m_readPos = 0;
    HttpWorker::Request request;
    if (!prepare(url, method, body, headerLines, request)) {
        // Reported like any other failure: as an event, after this returns.
        m_asyncPending = true;
        m_asyncWorker = nullptr;
        const quint64 serial = m_asyncSerial;
        HttpWorker::Result failed;
        failed.beforeSending = true;
        QMetaObject::invokeMethod(this, [this, serial, failed] { onAsyncResult(serial, failed); }, Qt::QueuedConnection);
        return;
    }
    HttpWorker& worker = idleWorker();
    m_asyncWorker = &worker;
    m_asyncPending = true;
    const quint64 serial = m_asyncSerial;
    m_asyncRequest = worker.start(std::move(request), [this, serial](HttpWorker::Result result) {
        auto shared = std::make_shared<HttpWorker::Result>(std::move(result));
        QMetaObject::invokeMethod(this, [this, serial, shared] { onAsyncResult(serial, *shared); },
                                  Qt::QueuedConnection);
    });
    m_asyncDeadline.start(m_timeoutMs);
}

bool Transfer::executeNext(const QString& url, const QString& method, const QByteArray& body,
                           const QStringList& headerLines, Gate gate) {
    if (!m_asyncPending || !m_asyncWorker || m_nextSerial != 0)
        return false;
    HttpWorker::Request request;
    if (!prepare(url, method, body, headerLines, request))
        return false; // the caller starts it the usual way, which tells the failure
    const quint64 serial = m_asyncSerial + 1;
    HttpWorker::Gate onWorker;
    if (gate) {
        onWorker = [gate = std::move(gate)](const HttpWorker::Result& r) {
            return gate(Answer{r.complete, r.status, r.beforeSending,
                               r.complete ? decodeReplyBody(r.body, r.contentType) : QString()});
        };
    }
    const std::uint64_t number =
        m_asyncWorker->follow(std::move(request), std::move(onWorker), [this, serial](HttpWorker::Result result) {
            auto shared = std::make_shared<HttpWorker::Result>(std::move(result));
            QMetaObject::invokeMethod(this, [this, serial, shared] { onAsyncResult(serial, *shared); },
                                      Qt::QueuedConnection);
        });
    if (number == 0)
        return false;
    m_nextSerial = serial;
    m_nextRequest = number;
    m_nextTimeoutMs = m_timeoutMs;
    return true;
}

bool Transfer::withdrawNext() {
    if (m_nextSerial == 0)
        return false;
    if (!m_asyncWorker || !m_asyncWorker->withdrawFollow())
        return false;
    m_nextSerial = 0;
    return true;
}

bool Transfer::stillExecuting() const { return m_asyncPending; }

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
        connect(this, &Transfer::stateChanged, &loop, &QEventLoop::quit);
        deadline.start(deadlineMs);
        loop.exec();
        interrupted = guard.interrupted();
    }
    return self && !interrupted && !self->stillExecuting();
}

void Transfer::onAsyncDeadline() {
    if (!m_asyncPending)
        return;
    // The worker breaks the request off; its late result is dropped. The
    // failure is told now, whatever the worker still has to unwind. Only
    // that request: one waiting to follow it goes next, as it would have
    // after any other failure, and the component stays busy with it.
    const int status = m_asyncWorker ? m_asyncWorker->statusSoFar() : 0;
    if (m_asyncWorker)
        m_asyncWorker->abort(m_asyncRequest);
    if (m_nextSerial != 0) {
        m_asyncSerial = std::exchange(m_nextSerial, 0);
        m_asyncRequest = m_nextRequest;
        m_asyncDeadline.start(m_nextTimeoutMs);
    } else {
        ++m_asyncSerial;
        m_asyncPending = false;
        m_asyncWorker = nullptr;
    }
    m_response.clear();
    m_readPos = 0;
    noteFailure(status, false);
    m_lastHeldBack = false;
    emit stateChanged(StateRequestFailed);
}

void Transfer::onAsyncResult(quint64 serial, const HttpWorker::Result& r) {
    if (serial != m_asyncSerial || !m_asyncPending)
        return;
    m_asyncDeadline.stop();
    if (m_nextSerial == serial + 1) {
        // Its follow-on is on its way: the component stays busy with it, and
        // its deadline runs from now.
        m_asyncSerial = std::exchange(m_nextSerial, 0);
        m_asyncRequest = m_nextRequest;
        m_asyncDeadline.start(m_nextTimeoutMs);
    } else {
        m_asyncPending = false;
        m_asyncWorker = nullptr;
    }
    m_lastStatus = r.status;
    m_lastError.clear();
    m_lastFailedBeforeSending = false;
    m_lastHeldBack = r.heldBack;
    if (r.complete)
        m_response = decodeReplyBody(r.body, r.contentType);
    else {
        m_response.clear();
        noteFailure(r.status, r.beforeSending);
    }
    m_readPos = 0;
    emit stateChanged(r.complete ? StateResponseComplete : StateRequestFailed);
}

QString Transfer::getChunk(int max) {
    if (max <= 0 || m_readPos >= m_response.size())
        return {};
    const QString chunk = m_response.mid(m_readPos, max);
    m_readPos += chunk.size();
    return chunk;
}

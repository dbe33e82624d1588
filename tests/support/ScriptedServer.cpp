#include "ScriptedServer.h"

#include <httplib.h>

#include <QHash>

#include <atomic>
#include <thread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The descriptor of the loopback connection between the two ports. The
// server library does not hand its socket to a handler, so it is looked up.
int connectionSocket(int localPort, int remotePort) {
    for (int fd = 3; fd < 4096; ++fd) {
        sockaddr_in local{}, remote{};
        socklen_t len = sizeof local;
        if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &len) != 0 || local.sin_family != AF_INET ||
            ntohs(local.sin_port) != localPort)
            continue;
        len = sizeof remote;
        if (::getpeername(fd, reinterpret_cast<sockaddr*>(&remote), &len) == 0 &&
            ntohs(remote.sin_port) == remotePort)
            return fd;
    }
    return -1;
}

// Closes the connection with a reset. The descriptor number is taken over by
// /dev/null, so the server's own later writes and close touch nothing else.
void resetConnection(int sock) {
    const linger abortive{1, 0};
    setsockopt(sock, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        ::dup2(null, sock);
        ::close(null);
    }
}

} // namespace

struct ScriptedServer::Impl {
    httplib::Server server;
    std::thread thread;
    int port = 0;
    mutable std::mutex mutex;
    QHash<QString, Reply> replies;
    QHash<QString, QList<Reply>> queued;
    QList<Request> requests;
    std::atomic<bool> stopping{false};
    std::atomic<qint64> trickled{0};

    // Sleeps in small steps so that stopping the server never waits long.
    bool pause(std::chrono::milliseconds ms) {
        const auto end = std::chrono::steady_clock::now() + ms;
        while (!stopping && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return !stopping;
    }

    void handle(const httplib::Request& req, httplib::Response& res) {
        Reply reply;
        {
            std::lock_guard lock(mutex);
            Request r;
            r.method = QString::fromStdString(req.method);
            r.path = QString::fromStdString(req.path);
            const auto q = req.target.find('?');
            r.query = q == std::string::npos ? QString() : QString::fromStdString(req.target.substr(q + 1));
            r.body = QByteArray::fromStdString(req.body);
            requests.append(r);
            QList<Reply>& next = queued[r.path];
            if (!next.isEmpty()) {
                reply = next.size() > 1 ? next.takeFirst() : next.first();
                replies.insert(r.path, reply);
            } else {
                reply = replies.value(r.path, Reply{"", "text/plain", 404, {}});
            }
        }
        if (reply.stall) {
            while (pause(std::chrono::milliseconds(1000))) {
            }
            return;
        }
        if (reply.delay.count() > 0)
            pause(reply.delay);
        if (reply.reset) {
            const int sock = connectionSocket(port, req.remote_port);
            if (sock >= 0)
                resetConnection(sock);
            return;
        }
        res.status = reply.status;
        if (reply.endlessChunk > 0) {
            const std::string chunk = reply.body.isEmpty() ? std::string(size_t(reply.endlessChunk), 'x')
                                                           : reply.body.toStdString();
            res.set_chunked_content_provider(reply.contentType.toStdString(),
                                             [this, chunk](size_t, httplib::DataSink& sink) {
                                                 // A short breath per chunk keeps loopback from
                                                 // flooding the client's memory before its deadline.
                                                 return pause(std::chrono::milliseconds(1)) &&
                                                        sink.is_writable() && sink.write(chunk.data(), chunk.size());
                                             });
            return;
        }
        if (reply.trickle.count() <= 0) {
            res.set_content(reply.body.toStdString(), reply.contentType.toStdString());
            return;
        }
        const std::string body = reply.body.toStdString();
        const auto interval = reply.trickle;
        res.set_content_provider(body.size(), reply.contentType.toStdString(),
                                 [this, body, interval](size_t offset, size_t, httplib::DataSink& sink) {
                                     if (!pause(interval) || !sink.is_writable())
                                         return false;
                                     if (!sink.write(body.data() + offset, 1))
                                         return false;
                                     ++trickled;
                                     return true;
                                 });
    }
};

ScriptedServer::ScriptedServer() : d(std::make_unique<Impl>()) {
    const auto handler = [this](const httplib::Request& req, httplib::Response& res) { d->handle(req, res); };
    d->server.Get(".*", handler);
    d->server.Post(".*", handler);
    // A browser keeps its connections open; stopping waits for them to idle out.
    d->server.set_keep_alive_timeout(1);
    d->port = d->server.bind_to_any_port("127.0.0.1");
    d->thread = std::thread([this] { d->server.listen_after_bind(); });
    while (!d->server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

ScriptedServer::~ScriptedServer() {
    d->stopping = true;
    d->server.stop();
    d->thread.join();
}

void ScriptedServer::setReply(const QString& path, const Reply& reply) {
    std::lock_guard lock(d->mutex);
    d->queued.remove(path);
    d->replies.insert(path, reply);
}

void ScriptedServer::setReplies(const QString& path, const QList<Reply>& replies) {
    std::lock_guard lock(d->mutex);
    d->queued.insert(path, replies);
}

QString ScriptedServer::url(const QString& pathAndQuery) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(d->port).arg(pathAndQuery);
}

QString ScriptedServer::refusedUrl(const QString& pathAndQuery) {
    // A port bound and let go without listening: nobody else holds it for now.
    int port = 9;
    const int sock = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (sock >= 0) {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (::bind(sock, reinterpret_cast<sockaddr*>(&addr), len) == 0 &&
            ::getsockname(sock, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            port = ntohs(addr.sin_port);
        ::close(sock);
    }
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(pathAndQuery);
}

QList<ScriptedServer::Request> ScriptedServer::requests() const {
    std::lock_guard lock(d->mutex);
    return d->requests;
}

int ScriptedServer::requestCount(const QString& path) const {
    std::lock_guard lock(d->mutex);
    int n = 0;
    for (const Request& r : d->requests)
        n += r.path == path ? 1 : 0;
    return n;
}

qint64 ScriptedServer::trickledBytes() const {
    return d->trickled;
}

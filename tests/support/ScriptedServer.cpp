#include "ScriptedServer.h"

#include <httplib.h>

#include <QHash>

#include <atomic>
#include <thread>

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
        res.status = reply.status;
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

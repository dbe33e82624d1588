#include "platform/HttpWorker.h"

#include <httplib.h>

#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

constexpr int kCallerFirstMs = 1000;

// Errors where no byte of the request can have reached the server.
bool failedBeforeSending(httplib::Error error) {
    switch (error) {
    case httplib::Error::Connection:
    case httplib::Error::BindIPAddress:
    case httplib::Error::SSLConnection:
    case httplib::Error::SSLLoadingCerts:
    case httplib::Error::SSLServerVerification:
    case httplib::Error::ConnectionTimeout:
        return true;
    default:
        return false;
    }
}

std::string keyOf(const HttpWorker::Request& r) {
    return r.scheme + "://" + r.host + ':' + std::to_string(r.port) + '|' + r.proxyHost + ':' +
           std::to_string(r.proxyPort);
}

} // namespace

struct HttpWorker::Connection {
    std::string key;
    std::unique_ptr<httplib::ClientImpl> client;
};

HttpWorker::HttpWorker() : m_thread([this] { loop(); }) {}

HttpWorker::~HttpWorker() {
    {
        std::unique_lock lock(m_mutex);
        m_stopping = true;
        m_done = nullptr;
        m_follow.reset();
        m_wake.notify_all();
        // A stop that lands before the request has its socket shuts nothing:
        // shut again until the worker has come back.
        while (m_busy) {
            if (m_current)
                m_current->client->stop();
            m_idle.wait_for(lock, std::chrono::milliseconds(20));
        }
    }
    m_thread.join();
}

bool HttpWorker::busy() const {
    std::lock_guard lock(m_mutex);
    return m_busy;
}

std::uint64_t HttpWorker::start(Request request, Done done) {
    std::uint64_t id = 0;
    {
        std::lock_guard lock(m_mutex);
        m_next = std::make_unique<Request>(std::move(request));
        m_done = std::move(done);
        m_busy = true;
        m_aborted = false;
        m_headStatus = 0;
        id = m_runningId = ++m_lastId;
    }
    m_wake.notify_one();
    return id;
}

std::uint64_t HttpWorker::follow(Request request, Gate gate, Done done) {
    std::lock_guard lock(m_mutex);
    if (!m_busy || m_follow || m_stopping)
        return 0;
    m_follow = std::make_unique<FollowOn>(FollowOn{std::move(request), std::move(gate), std::move(done), ++m_lastId});
    return m_follow->id;
}

bool HttpWorker::withdrawFollow() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_follow, nullptr) != nullptr;
}

void HttpWorker::abort(std::uint64_t request) {
    std::lock_guard lock(m_mutex);
    if (request == m_runningId)
        abortLocked();
}

void HttpWorker::abort() {
    std::lock_guard lock(m_mutex);
    abortLocked();
}

void HttpWorker::abortLocked() {
    if (!m_busy)
        return;
    m_aborted = true;
    // The only thing safe from another thread: shut the socket, so the
    // worker's blocked read or write returns at once.
    if (m_current)
        m_current->client->stop();
}

HttpWorker::Connection& HttpWorker::connectionFor(const Request& r) {
    const std::string key = keyOf(r);
    for (auto& c : m_connections) {
        if (c->key == key)
            return *c;
    }
    auto c = std::make_unique<Connection>();
    c->key = key;
    if (r.scheme == "https") {
        auto tls = std::make_unique<httplib::SSLClient>(r.host, r.port);
        // The system's authorities (OpenSSL's default paths); never switched off.
        tls->enable_server_certificate_verification(true);
        c->client = std::move(tls);
    } else {
        c->client = std::make_unique<httplib::ClientImpl>(r.host, r.port);
    }
    c->client->set_keep_alive(true);
    c->client->set_tcp_nodelay(true);
    c->client->set_url_encode(false);
    c->client->set_follow_location(false);
    if (!r.proxyHost.empty())
        c->client->set_proxy(r.proxyHost, r.proxyPort);
    m_connections.push_back(std::move(c));
    return *m_connections.back();
}

HttpWorker::Result HttpWorker::run(const Request& r) {
    Result result;
    if (r.scheme != "http" && r.scheme != "https") {
        result.beforeSending = true;
        return result;
    }
    Connection* c = nullptr;
    {
        std::lock_guard lock(m_mutex);
        if (m_aborted || m_stopping)
            return result;
        c = &connectionFor(r);
        m_current = c;
    }
    // The caller's deadline ends the request (abort()); these only keep a
    // worker whose caller went from waiting for ever, so they come later:
    // a follow-on is taken back at the caller's deadline, not sent after a
    // time-out of the worker's own.
    const int limitMs = r.timeoutMs + kCallerFirstMs;
    const time_t sec = limitMs / 1000;
    const time_t usec = (limitMs % 1000) * 1000;
    c->client->set_connection_timeout(sec, usec);
    c->client->set_read_timeout(sec, usec);
    c->client->set_write_timeout(sec, usec);

    httplib::Request req;
    req.method = r.method;
    req.path = r.target;
    for (const auto& [name, value] : r.headers)
        req.headers.emplace(name, value);
    req.body = r.body;
    int status = 0;
    req.response_handler = [this, &status](const httplib::Response& head) {
        status = head.status;
        m_headStatus = head.status;
        return true;
    };
    httplib::Response res;
    httplib::Error error = httplib::Error::Success;
    const bool ok = c->client->send(req, res, error);
    bool aborted = false;
    {
        std::lock_guard lock(m_mutex);
        m_current = nullptr;
        aborted = m_aborted;
    }
    result.status = status;
    if (ok && !aborted) {
        result.status = res.status;
        result.complete = res.status > 0 && res.status < 300;
        result.contentType = QByteArray::fromStdString(res.get_header_value("Content-Type"));
        if (result.complete)
            result.body = QByteArray::fromStdString(res.body);
        return result;
    }
    result.beforeSending = !aborted && failedBeforeSending(error);
    // A broken or abandoned connection is not used again.
    m_connections.erase(std::remove_if(m_connections.begin(), m_connections.end(),
                                       [c](const std::unique_ptr<Connection>& k) { return k.get() == c; }),
                        m_connections.end());
    return result;
}

void HttpWorker::loop() {
    // Named for top and the debugger: a run's time is spent here and on the window thread.
    pthread_setname_np(pthread_self(), "velvox-http");
    std::unique_ptr<FollowOn> follow;
    Told told; // the last outcome, told once what follows it is on its way
    bool heldBack = false;
    for (;;) {
        std::unique_ptr<Request> request;
        if (follow) {
            // Straight on from the last answer: what the gate writes down is
            // the only thing between that answer and these bytes; the answer
            // is told after the gate, so telling it costs this request no
            // time. Once a gate has said no, what follows stays back too.
            heldBack = heldBack || (follow->gate && !follow->gate(told.result));
            tell(told);
            if (heldBack) {
                Result held;
                held.beforeSending = held.heldBack = true;
                told = finish(std::move(held), follow);
                continue;
            }
            request = std::make_unique<Request>(std::move(follow->request));
        } else {
            tell(told);
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || m_next; });
            if (m_stopping) {
                m_busy = false;
                m_idle.notify_all();
                return;
            }
            request = std::move(m_next);
        }
        heldBack = false;
        told = finish(run(*request), follow);
    }
}

HttpWorker::Told HttpWorker::finish(Result result, std::unique_ptr<FollowOn>& follow) {
    Told told;
    told.result = std::move(result);
    {
        // Free before the result is told: whoever hears of it may start the
        // next request on this worker straight away. A follow-on keeps it busy.
        std::lock_guard lock(m_mutex);
        told.done = follow ? std::move(follow->done) : std::move(m_done);
        m_done = nullptr;
        follow = m_stopping ? nullptr : std::exchange(m_follow, nullptr);
        m_busy = follow != nullptr;
        m_runningId = follow ? follow->id : 0;
        m_aborted = false;
        m_headStatus = 0;
    }
    if (!follow)
        m_idle.notify_all();
    return told;
}

void HttpWorker::tell(Told& told) {
    if (Done done = std::exchange(told.done, nullptr))
        done(std::move(told.result));
}

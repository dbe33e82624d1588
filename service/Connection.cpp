#include "Connection.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

void addressOf(const sockaddr_storage& addr, socklen_t len, std::string& ip, int& port) {
    char host[NI_MAXHOST] = {};
    char service[NI_MAXSERV] = {};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&addr), len, host, sizeof host, service, sizeof service,
                    NI_NUMERICHOST | NI_NUMERICSERV) == 0) {
        ip = host;
        port = std::atoi(service);
    }
}

} // namespace

DeadlineStream::DeadlineStream(int socket, const ConnectionLimits& limits)
    : m_socket(socket), m_limits(limits), m_deadline(Clock::now() + limits.request) {}

bool DeadlineStream::ready(short events, milliseconds wait, bool reading) const {
    if (reading) {
        const auto left = std::chrono::duration_cast<milliseconds>(m_deadline - Clock::now());
        if (left <= milliseconds::zero())
            return false;
        wait = std::min(wait, left + milliseconds(1));
    }
    pollfd p{m_socket, events, 0};
    int n;
    do {
        n = ::poll(&p, 1, int(wait.count()));
    } while (n < 0 && errno == EINTR);
    return n > 0;
}

bool DeadlineStream::waitForRequest(const std::function<bool()>& stillServing) {
    if (m_begin < m_end || pending())
        return true; // the next request is already here
    // In slices, so a stopping server does not wait out the idle time.
    constexpr milliseconds kSlice(50);
    const auto until = Clock::now() + m_limits.idle;
    while (stillServing()) {
        const auto left = std::chrono::duration_cast<milliseconds>(until - Clock::now());
        if (left <= milliseconds::zero())
            return false;
        if (ready(POLLIN, std::min(left, kSlice), false))
            return true;
    }
    return false;
}

void DeadlineStream::startRequest() {
    m_deadline = Clock::now() + m_limits.request;
}

bool DeadlineStream::is_readable() const {
    return m_begin < m_end || pending() || ready(POLLIN, m_limits.read, true);
}

bool DeadlineStream::is_writable() const {
    return ready(POLLOUT, m_limits.write, false);
}

ssize_t DeadlineStream::receive(char* ptr, size_t size) {
    if (!ready(POLLIN, m_limits.read, true))
        return -1;
    ssize_t n;
    do {
        n = ::recv(m_socket, ptr, size, 0);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t DeadlineStream::transmit(const char* ptr, size_t size) {
    if (!is_writable())
        return -1;
    ssize_t n;
    do {
        n = ::send(m_socket, ptr, size, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t DeadlineStream::read(char* ptr, size_t size) {
    if (m_begin == m_end) {
        const ssize_t n = receive(m_buffer.data(), m_buffer.size());
        if (n <= 0)
            return n;
        m_begin = 0;
        m_end = std::size_t(n);
    }
    const std::size_t n = std::min(size, m_end - m_begin);
    std::memcpy(ptr, m_buffer.data() + m_begin, n);
    m_begin += n;
    return ssize_t(n);
}

ssize_t DeadlineStream::write(const char* ptr, size_t size) {
    return transmit(ptr, size);
}

void DeadlineStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (getpeername(m_socket, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        addressOf(addr, len, ip, port);
}

void DeadlineStream::get_local_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (getsockname(m_socket, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        addressOf(addr, len, ip, port);
}

namespace {

bool serveRequests(DeadlineStream& stream, const ConnectionLimits& limits,
                   const std::function<bool()>& stillServing, const ProcessRequest& process) {
    bool ok = false;
    for (std::size_t left = limits.maxRequests; left > 0 && stream.waitForRequest(stillServing); --left) {
        stream.startRequest();
        bool closed = false;
        ok = process(stream, left == 1, closed);
        if (!ok || closed)
            break;
    }
    return ok;
}

void closeSocket(int socket) {
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
}

// TLS over a non-blocking socket: every wait for the peer goes through
// ready(), so the request deadline holds for the handshake and each record.
class TlsDeadlineStream final : public DeadlineStream {
public:
    TlsDeadlineStream(int socket, SSL* ssl, const ConnectionLimits& limits)
        : DeadlineStream(socket, limits), m_ssl(ssl) {}

    bool handshake() {
        for (;;) {
            const int r = SSL_accept(m_ssl);
            if (r == 1)
                return true;
            if (!waitFor(SSL_get_error(m_ssl, r)))
                return false;
        }
    }

protected:
    bool pending() const override { return SSL_pending(m_ssl) > 0; }

    ssize_t receive(char* ptr, size_t size) override {
        for (;;) {
            const int n = SSL_read(m_ssl, ptr, int(std::min<size_t>(size, INT32_MAX)));
            if (n > 0)
                return n;
            const int error = SSL_get_error(m_ssl, n);
            if (error == SSL_ERROR_ZERO_RETURN)
                return 0;
            if (!waitFor(error))
                return -1;
        }
    }

    ssize_t transmit(const char* ptr, size_t size) override {
        for (;;) {
            const int n = SSL_write(m_ssl, ptr, int(std::min<size_t>(size, INT32_MAX)));
            if (n > 0)
                return n;
            if (!waitFor(SSL_get_error(m_ssl, n)))
                return -1;
        }
    }

private:
    // Waits for what OpenSSL asked for; false for any other error or a time-out.
    bool waitFor(int error) const {
        if (error == SSL_ERROR_WANT_READ)
            return ready(POLLIN, limits().read, true);
        if (error == SSL_ERROR_WANT_WRITE)
            return ready(POLLOUT, limits().write, false);
        return false;
    }

    SSL* m_ssl;
};

} // namespace

bool serveConnection(int socket, const ConnectionLimits& limits, const std::function<bool()>& stillServing,
                     const ProcessRequest& process) {
    DeadlineStream stream(socket, limits);
    const bool ok = serveRequests(stream, limits, stillServing, process);
    closeSocket(socket);
    return ok;
}

bool serveTlsConnection(int socket, SSL_CTX* context, const ConnectionLimits& limits,
                        const std::function<bool()>& stillServing, const ProcessRequest& process) {
    bool ok = false;
    SSL* ssl = context ? SSL_new(context) : nullptr;
    const int flags = ::fcntl(socket, F_GETFL, 0);
    if (ssl && flags >= 0 && ::fcntl(socket, F_SETFL, flags | O_NONBLOCK) == 0 &&
        SSL_set_fd(ssl, socket) == 1) {
        TlsDeadlineStream stream(socket, ssl, limits);
        if (stream.handshake()) {
            ok = serveRequests(stream, limits, stillServing, process);
            SSL_shutdown(ssl);
        }
    }
    if (ssl)
        SSL_free(ssl);
    closeSocket(socket);
    return ok;
}

WorkerPool::WorkerPool(std::size_t initialWorkers, std::size_t maxWorkers) : m_maxWorkers(maxWorkers) {
    const std::lock_guard lock(m_mutex);
    for (std::size_t i = 0; i < initialWorkers; ++i)
        startWorker();
}

WorkerPool::~WorkerPool() {
    shutdown();
}

void WorkerPool::startWorker() {
    ++m_idle; // free until it takes a job
    m_workers.emplace_back([this] { work(); });
}

void WorkerPool::enqueue(std::function<void()> fn) {
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(fn));
        if (m_jobs.size() > m_idle && m_workers.size() < m_maxWorkers)
            startWorker();
    }
    m_wake.notify_one();
}

void WorkerPool::shutdown() {
    std::vector<std::thread> workers;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        workers.swap(m_workers);
    }
    m_wake.notify_all();
    for (std::thread& t : workers)
        t.join();
}

void WorkerPool::work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        // Jobs left at shutdown still run: each closes its socket.
        if (m_jobs.empty())
            return;
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        --m_idle;
        lock.unlock();
        job();
        lock.lock();
        ++m_idle;
    }
}

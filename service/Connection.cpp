#include "Connection.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

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
    if (m_begin < m_end)
        return true; // the next request is already buffered
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
    return m_begin < m_end || ready(POLLIN, m_limits.read, true);
}

bool DeadlineStream::is_writable() const {
    return ready(POLLOUT, m_limits.write, false);
}

ssize_t DeadlineStream::read(char* ptr, size_t size) {
    if (m_begin == m_end) {
        if (!ready(POLLIN, m_limits.read, true))
            return -1;
        ssize_t n;
        do {
            n = ::recv(m_socket, m_buffer.data(), m_buffer.size(), 0);
        } while (n < 0 && errno == EINTR);
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
    if (!is_writable())
        return -1;
    ssize_t n;
    do {
        n = ::send(m_socket, ptr, size, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    return n;
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

bool serveConnection(int socket, const ConnectionLimits& limits, const std::function<bool()>& stillServing,
                     const std::function<bool(httplib::Stream&, bool, bool&)>& process) {
    DeadlineStream stream(socket, limits);
    bool ok = false;
    for (std::size_t left = limits.maxRequests; left > 0 && stream.waitForRequest(stillServing); --left) {
        stream.startRequest();
        bool closed = false;
        ok = process(stream, left == 1, closed);
        if (!ok || closed)
            break;
    }
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
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

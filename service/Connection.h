#pragma once

#include <httplib.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// How long a connection may take for what. A client that trickles its
// request in byte by byte is dropped at `request`, however often it sends.
struct ConnectionLimits {
    std::chrono::milliseconds idle{1000};    // keep-alive wait for the next request
    std::chrono::milliseconds request{5000}; // headers and body of one request
    std::chrono::milliseconds read{5000};    // any single read
    std::chrono::milliseconds write{5000};   // any single write
    std::size_t maxRequests = 100;           // requests on one connection
};

// A plain socket as the library's stream, with the deadline of the current
// request on every read. Reads are buffered: the library reads headers one
// byte at a time.
class DeadlineStream final : public httplib::Stream {
public:
    DeadlineStream(int socket, const ConnectionLimits& limits);

    // Waits up to the idle time for the next request; false when none came or
    // `stillServing` turned false meanwhile.
    bool waitForRequest(const std::function<bool()>& stillServing);
    // The next request's headers and body must be in by the deadline from now.
    void startRequest();

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    int socket() const override { return m_socket; }

private:
    // Polls for `events` up to `wait`, cut at the request deadline for reads.
    bool ready(short events, std::chrono::milliseconds wait, bool reading) const;

    int m_socket;
    ConnectionLimits m_limits;
    std::chrono::steady_clock::time_point m_deadline;
    std::array<char, 4096> m_buffer{};
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

// Serves requests on one accepted socket until the client closes, a limit is
// hit or `stillServing` turns false; closes the socket. `process` is the
// library's request handling (Server::process_request).
bool serveConnection(int socket, const ConnectionLimits& limits, const std::function<bool()>& stillServing,
                     const std::function<bool(httplib::Stream&, bool lastRequest, bool& closed)>& process);

// Workers for connections: one per connection, started when every worker is
// busy, up to `maxWorkers`; beyond that connections wait for a free worker.
// Slow clients thus cannot take every worker while others wait, and the
// request deadline frees the workers they hold.
class WorkerPool final : public httplib::TaskQueue {
public:
    WorkerPool(std::size_t initialWorkers, std::size_t maxWorkers);
    ~WorkerPool() override;

    void enqueue(std::function<void()> fn) override;
    void shutdown() override;

private:
    void startWorker();
    void work();

    const std::size_t m_maxWorkers;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    std::vector<std::thread> m_workers;
    std::size_t m_idle = 0;
    bool m_stopping = false;
};

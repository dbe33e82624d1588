#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// A TCP relay on a loopback ephemeral port that stands in for a slow link:
// every byte reaches the other side the set delay after it arrived, in each
// direction, so a request and its answer take twice the delay more than they
// would directly. Each connection is relayed on its own threads, so
// connections never wait for one another; bytes of one direction keep their
// order. Opens one connection to the target per accepted one.
class DelayingProxy {
public:
    DelayingProxy(std::uint16_t targetPort, std::chrono::milliseconds delayEachWay);
    ~DelayingProxy();
    DelayingProxy(const DelayingProxy&) = delete;
    DelayingProxy& operator=(const DelayingProxy&) = delete;

    std::uint16_t port() const { return m_port; }
    bool isListening() const { return m_listener >= 0; }
    // Connections accepted so far.
    int connections() const { return m_connections.load(); }

private:
    struct Pair;
    void acceptLoop();

    std::uint16_t m_targetPort;
    std::chrono::milliseconds m_delay;
    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    std::thread m_acceptor;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Pair>> m_pairs;
};

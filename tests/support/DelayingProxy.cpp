#include "DelayingProxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <deque>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

int connectLoopback(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void noDelay(int fd) {
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

// One direction: reads what arrives on from, holds each piece for the delay,
// then writes it to to. An end of stream is passed on after the same delay.
void relay(int from, int to, std::chrono::milliseconds delay, const std::atomic<bool>& stopping) {
    struct Piece {
        Clock::time_point due;
        std::string bytes; // empty: the sender closed its side
    };
    std::deque<Piece> held;
    bool readOpen = true;
    char buf[16384];
    while (!stopping.load()) {
        int timeoutMs = 100;
        if (!held.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(held.front().due - Clock::now());
            timeoutMs = int(std::max<std::chrono::milliseconds::rep>(0, std::min<std::chrono::milliseconds::rep>(wait.count() + 1, 100)));
        }
        pollfd p{from, short(readOpen ? POLLIN : 0), 0};
        ::poll(&p, 1, timeoutMs);
        if (readOpen && (p.revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t n = ::recv(from, buf, sizeof buf, 0);
            if (n > 0) {
                held.push_back({Clock::now() + delay, std::string(buf, size_t(n))});
            } else {
                readOpen = false;
                held.push_back({Clock::now() + delay, {}});
            }
        }
        while (!held.empty() && held.front().due <= Clock::now()) {
            Piece piece = std::move(held.front());
            held.pop_front();
            if (piece.bytes.empty() || !writeAll(to, piece.bytes.data(), piece.bytes.size())) {
                ::shutdown(to, SHUT_WR);
                ::shutdown(from, SHUT_RD);
                return;
            }
        }
    }
}

} // namespace

struct DelayingProxy::Pair {
    int client = -1;
    int target = -1;
    std::thread up;
    std::thread down;
    ~Pair() {
        if (up.joinable())
            up.join();
        if (down.joinable())
            down.join();
        if (client >= 0)
            ::close(client);
        if (target >= 0)
            ::close(target);
    }
};

DelayingProxy::DelayingProxy(std::uint16_t targetPort, std::chrono::milliseconds delayEachWay)
    : m_targetPort(targetPort), m_delay(delayEachWay) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK); // loopback only
    socklen_t len = sizeof addr;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(m_listener, 64) != 0 || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        return;
    }
    m_port = ntohs(addr.sin_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
}

DelayingProxy::~DelayingProxy() {
    m_stopping = true;
    if (m_acceptor.joinable())
        m_acceptor.join();
    if (m_listener >= 0)
        ::close(m_listener);
    std::lock_guard lock(m_mutex);
    for (auto& pair : m_pairs) {
        // Wake relays blocked in a write to a peer that no longer reads.
        ::shutdown(pair->client, SHUT_RDWR);
        ::shutdown(pair->target, SHUT_RDWR);
    }
    m_pairs.clear();
}

void DelayingProxy::acceptLoop() {
    while (!m_stopping.load()) {
        pollfd p{m_listener, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0)
            continue;
        // The connection to the target is made at once: its own set-up is
        // part of the link's cost only through the client's first bytes.
        const int target = connectLoopback(m_targetPort);
        if (target < 0) {
            ::close(client);
            continue;
        }
        noDelay(client);
        noDelay(target);
        ++m_connections;
        auto pair = std::make_unique<Pair>();
        pair->client = client;
        pair->target = target;
        pair->up = std::thread(relay, client, target, m_delay, std::cref(m_stopping));
        pair->down = std::thread(relay, target, client, m_delay, std::cref(m_stopping));
        std::lock_guard lock(m_mutex);
        m_pairs.push_back(std::move(pair));
    }
}

#include "SlowClients.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

SlowClients::SlowClients(quint16 port, int count, QByteArray start, char filler) {
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(port);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
            m_sockets.push_back(fd);
        else if (fd >= 0)
            ::close(fd);
    }
    m_dribbler = std::thread([this, start = std::move(start), filler] {
        for (qsizetype sent = 0; !m_stop; ++sent) {
            const char c = sent < start.size() ? start.at(sent) : filler;
            for (const int fd : m_sockets)
                ::send(fd, &c, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    });
}

SlowClients::~SlowClients() {
    m_stop = true;
    m_dribbler.join();
    for (const int fd : m_sockets)
        ::close(fd);
}

int SlowClients::dropped() const {
    int n = 0;
    for (const int fd : m_sockets) {
        pollfd p{fd, POLLIN, 0};
        char byte;
        if (::poll(&p, 1, 0) > 0 && ::recv(fd, &byte, 1, MSG_DONTWAIT | MSG_PEEK) <= 0)
            ++n;
    }
    return n;
}

#pragma once

#include <QByteArray>

#include <atomic>
#include <thread>
#include <vector>

// Clients that send the start of a request one byte at a time, then the
// filler byte, for ever (every 200 ms, all of them at once).
class SlowClients {
public:
    SlowClients(quint16 port, int count, QByteArray start, char filler);
    ~SlowClients();
    SlowClients(const SlowClients&) = delete;
    SlowClients& operator=(const SlowClients&) = delete;

    int connected() const { return int(m_sockets.size()); }
    // Connections the service has closed (end of stream or reset).
    int dropped() const;

private:
    std::vector<int> m_sockets;
    std::atomic<bool> m_stop{false};
    std::thread m_dribbler;
};

#pragma once

#include "Context.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class Database;
namespace httplib {
class Server;
}

struct TlsFiles {
    std::string certificate;
    std::string key;
};

// The HTTP(S) server with every endpoint registered. bind() first, then
// run() on one thread; stop() from any other ends run().
class Service {
public:
    // tls may be null for plain HTTP.
    Service(Database& db, ServiceConfig config, const TlsFiles* tls);
    ~Service();
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    // False when the certificate or key could not be loaded.
    bool valid() const;
    // Binds and listens; port 0 picks a free one. Returns the port, or -1.
    int bind(const std::string& host, int port);
    // Serves until stop(); false when serving failed.
    bool run();
    void stop();
    bool finished() const { return m_finished; }

private:
    void configure();

    Context m_context;
    std::unique_ptr<httplib::Server> m_server;
    std::function<void()> m_widenBacklog;
    std::atomic<bool> m_finished{false};
};

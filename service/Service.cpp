#include "Service.h"

#include "AccountHandlers.h"
#include "Connection.h"
#include "CreditShop.h"
#include "GroupHandlers.h"
#include "InfoHandlers.h"
#include "Log.h"
#include "PhonebookPage.h"
#include "Reply.h"
#include "SchedulePage.h"
#include "SendHandlers.h"

#include <httplib.h>

#include <sys/socket.h>

namespace {

// Workers at start; more start while every one is busy, so 50 clients holding
// keep-alive connections, or a crowd of slow ones, do not hold up the rest.
constexpr std::size_t kWorkerThreads = 16;
constexpr std::size_t kMaxWorkerThreads = 512;
// The library listens with a backlog of 5; a burst of new connections would
// then wait for SYN retries.
constexpr int kListenBacklog = 128;
// Far above any request the client sends (a form of at most a few KB).
constexpr std::size_t kMaxPayload = 1024 * 1024;
// A benchmark or a mass run keeps one connection for many requests.
constexpr std::size_t kKeepAliveRequests = 100000;

template <class Base> class Listener : public Base {
public:
    using Base::Base;
    void widenBacklog() { ::listen(this->svr_sock_, kListenBacklog); }
};

ConnectionLimits connectionLimits() {
    ConnectionLimits limits;
    limits.maxRequests = kKeepAliveRequests;
    return limits;
}

// Plain HTTP with a deadline for each request's headers and body: the
// library's own reading only limits each read, so a client that sends a byte
// now and then would hold its worker for ever.
class PlainListener final : public Listener<httplib::Server> {
private:
    bool process_and_close_socket(socket_t sock) override {
        return serveConnection(
            sock, connectionLimits(), [this] { return svr_sock_ != INVALID_SOCKET; },
            [this](httplib::Stream& stream, bool last, bool& closed) {
                return process_request(stream, last, closed, nullptr);
            });
    }
};

const char* statusText(int status) {
    switch (status) {
    case 400:
        return "Ungültige Anfrage.";
    case 404:
        return "Diese Adresse gibt es nicht.";
    case 405:
        return "Diese Methode wird hier nicht unterstützt.";
    case 413:
        return "Die Anfrage ist zu groß.";
    case 414:
        return "Die Adresse ist zu lang.";
    case 500:
        return "Interner Fehler des Dienstes.";
    default:
        return "Die Anfrage konnte nicht bearbeitet werden.";
    }
}

} // namespace

Service::Service(Database& db, ServiceConfig config, const TlsFiles* tls) : m_context{db, std::move(config)} {
    if (tls) {
        auto server =
            std::make_unique<Listener<httplib::SSLServer>>(tls->certificate.c_str(), tls->key.c_str());
        m_widenBacklog = [s = server.get()] { s->widenBacklog(); };
        m_server = std::move(server);
    } else {
        auto server = std::make_unique<PlainListener>();
        m_widenBacklog = [s = server.get()] { s->widenBacklog(); };
        m_server = std::move(server);
    }
    configure();
}

Service::~Service() = default;

bool Service::valid() const {
    return m_server->is_valid();
}

void Service::configure() {
    httplib::Server& s = *m_server;
    s.new_task_queue = [] { return new WorkerPool(kWorkerThreads, kMaxWorkerThreads); };
    s.set_keep_alive_max_count(kKeepAliveRequests);
    // An idle keep-alive connection holds a worker until this runs out, and
    // stop() waits for the workers: keep it short.
    s.set_keep_alive_timeout(
        std::chrono::duration_cast<std::chrono::seconds>(connectionLimits().idle).count());
    s.set_read_timeout(connectionLimits().read);
    s.set_write_timeout(connectionLimits().write);
    // Headers and body go out in separate writes; without this, Nagle and the
    // peer's delayed ACK add some 40 ms to every reply.
    s.set_tcp_nodelay(true);
    s.set_payload_max_length(kMaxPayload);

    // Replies the library makes itself (404, 413, ...) get a plain-text body
    // like ours; replies that already carry a body stay as they are.
    s.set_error_handler(
        httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
            if (!res.body.empty())
                return httplib::Server::HandlerResponse::Unhandled;
            replyError(res, res.status, statusText(res.status));
            return httplib::Server::HandlerResponse::Handled;
        }));
    s.set_exception_handler([](const httplib::Request& req, httplib::Response& res, std::exception_ptr ep) {
        std::string what = "unknown exception";
        try {
            std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        logLine("error in " + req.method + ' ' + req.path + ": " + what);
        replyError(res, 500, statusText(500));
    });
    // The path only: queries carry passwords.
    s.set_logger([](const httplib::Request& req, const httplib::Response& res) {
        logLine(req.method + ' ' + req.path + ' ' + std::to_string(res.status));
    });

    registerSendHandlers(s, m_context);
    registerAccountHandlers(s, m_context);
    registerPhonebookPage(s, m_context);
    registerGroupHandlers(s, m_context);
    registerCreditShop(s, m_context);
    registerSchedulePage(s, m_context);
    registerInfoHandlers(s, m_context);
}

int Service::bind(const std::string& host, int port) {
    int bound = -1;
    if (port == 0)
        bound = m_server->bind_to_any_port(host);
    else if (m_server->bind_to_port(host, port))
        bound = port;
    if (bound > 0)
        m_widenBacklog();
    return bound;
}

bool Service::run() {
    const bool ok = m_server->listen_after_bind();
    m_finished = true;
    return ok;
}

void Service::stop() {
    m_server->stop();
}

#pragma once

#include <QByteArray>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// One thread that carries HTTP(S) requests, one at a time, on connections it
// keeps open between requests (one per origin and proxy). The window thread
// hands a request over and goes on; the result comes back through a callback
// that runs on the worker's thread. Taking a request off the window thread
// and keeping its connection is what lets a run go at the link's rate: no
// per-request objects, no connection set-up, no wait on a second event loop.
class HttpWorker {
public:
    struct Request {
        std::string method;
        std::string scheme; // "http" or "https"
        std::string host;
        int port = 0;
        std::string target; // path and query, already encoded
        std::string body;
        std::vector<std::pair<std::string, std::string>> headers;
        std::string proxyHost; // empty: straight to the host
        int proxyPort = 0;
        int timeoutMs = 60000;
    };
    struct Result {
        int status = 0;        // 0 when no answer's head arrived
        bool complete = false; // a whole answer below 300
        bool beforeSending = false;
        bool heldBack = false; // a follow-on whose gate said no: nothing left
        QByteArray body;
        QByteArray contentType;
    };
    using Done = std::function<void(Result)>;
    // Runs on the worker's thread right before a follow-on's bytes go, with
    // the outcome of the request it followed: false keeps it back.
    using Gate = std::function<bool(const Result& before)>;

    HttpWorker();
    // Ends a request under way (its callback is not run) and the thread.
    ~HttpWorker();
    HttpWorker(const HttpWorker&) = delete;
    HttpWorker& operator=(const HttpWorker&) = delete;

    // Between start() and the end of its callback.
    bool busy() const;
    // Only when not busy. Returns the request's number on this worker.
    std::uint64_t start(Request request, Done done);
    // A request to go on this worker as soon as the one under way has its
    // answer, without waiting for the caller's thread: its gate runs first,
    // then its bytes go. Its callback runs after the current one's. After a
    // gate said no, a follow-on queued behind it is held back too. False
    // when nothing is under way or a follow-on waits already: 0 then, else
    // the follow-on's number.
    std::uint64_t follow(Request request, Gate gate, Done done);
    // Takes back a follow-on that has not started (its callback is not run):
    // false when there is none or it has started.
    bool withdrawFollow();
    // Breaks off the request under way: its callback reports a failure.
    // A follow-on still waits; it goes after the failure is told.
    void abort();
    // Only when that request is the one under way, not one that followed it.
    void abort(std::uint64_t request);
    // The status of the answer to the request under way once its head has
    // come (0 before): a request given up at its deadline says whether an
    // answer had begun.
    int statusSoFar() const { return m_headStatus.load(); }

private:
    struct Connection;
    struct FollowOn;
    void abortLocked();
    void loop();
    struct Told {
        Done done;
        Result result;
    };
    Told finish(Result result, std::unique_ptr<FollowOn>& follow);
    static void tell(Told& told);
    Result run(const Request& request);
    Connection& connectionFor(const Request& request);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    bool m_stopping = false;
    bool m_busy = false;
    bool m_aborted = false;
    std::atomic<int> m_headStatus{0};
    std::uint64_t m_lastId = 0;
    std::uint64_t m_runningId = 0; // under way or about to be
    std::unique_ptr<Request> m_next;
    Done m_done;
    struct FollowOn {
        Request request;
        Gate gate;
        Done done;
        std::uint64_t id = 0;
    };
    std::unique_ptr<FollowOn> m_follow;
    Connection* m_current = nullptr;
    std::vector<std::unique_ptr<Connection>> m_connections;
    std::thread m_thread;
};

// Accepted sends per second that velvox-service stores, over one keep-alive
// connection on loopback: the pace of a mass run against the stand-in.

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The service with a fresh database in a temp directory; the demo account
// gets enough credits for any run.
class Service {
public:
    Service() {
        char dirTemplate[] = "/tmp/velvox-service-bench-XXXXXX";
        if (!mkdtemp(dirTemplate))
            return;
        m_dir = dirTemplate;
        const std::string db = m_dir + "/bench.db";
        const char* argv[] = {VELVOX_SERVICE_BINARY,
                              "--listen",
                              "127.0.0.1:0",
                              "--db",
                              db.c_str(),
                              "--seed",
                              "--set-credits",
                              "demo@velvox.example=2000000000",
                              nullptr};
        int out[2];
        if (pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const int rc =
            posix_spawn(&m_pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (rc != 0) {
            m_pid = -1;
            close(out[0]);
            return;
        }
        // "listening on http://127.0.0.1:PORT/"
        std::string line;
        char c;
        while (line.size() < 200 && read(out[0], &c, 1) == 1 && c != '\n')
            line += c;
        close(out[0]);
        const auto colon = line.rfind(':');
        if (line.rfind("listening on http://", 0) == 0 && colon != std::string::npos)
            m_port = std::atoi(line.c_str() + colon + 1);
    }

    ~Service() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            int status = 0;
            waitpid(m_pid, &status, 0);
        }
        if (!m_dir.empty())
            std::filesystem::remove_all(m_dir);
    }

    int port() const { return m_port; }

private:
    std::string m_dir;
    pid_t m_pid = -1;
    int m_port = 0;
};

Service* service = nullptr;

// A plain send as the client writes it.
const std::string kBody = "email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491701234567"
                          "&empfaengername=Team%20S\xFC"
                          "d&private=false&public=false&skippush=1&version=3.0.99"
                          "&text=Guten%20Morgen,%20die%20Praxis%20ist%20heute%20ab%2010%20Uhr%20ge\xF6"
                          "ffnet.&absenderkennung=false&absender=&statusmeldung=false&antwort=false"
                          "&einlieferung=false&referer=Velvox&long=false";

void BM_AcceptedSendsOverOneConnection(benchmark::State& state) {
    httplib::Client client("127.0.0.1", service->port());
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    client.set_url_encode(false);
    for (auto _ : state) {
        const auto r = client.Post("/smsv3/smsv3.php", kBody, "application/x-www-form-urlencoded");
        if (!r || r->status != 200 || r->body.find("wurde erfolgreich an das Gateway") == std::string::npos) {
            state.SkipWithError("a send was not accepted");
            break;
        }
    }
    state.counters["sends/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AcceptedSendsOverOneConnection)->UseRealTime()->MinTime(3.0);

void BM_BalanceQueriesOverOneConnection(benchmark::State& state) {
    httplib::Client client("127.0.0.1", service->port());
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    for (auto _ : state) {
        const auto r = client.Get("/sms/count.php?email=demo@velvox.example");
        if (!r || r->status != 200) {
            state.SkipWithError("the balance query failed");
            break;
        }
    }
    state.counters["queries/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BalanceQueriesOverOneConnection)->UseRealTime()->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    Service s;
    if (s.port() <= 0) {
        std::fprintf(stderr, "velvox-service did not start (%s)\n", VELVOX_SERVICE_BINARY);
        return 1;
    }
    service = &s;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

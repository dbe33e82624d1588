// A mass run of 10,000 entries through the real main window against
// velvox-service on loopback, next to what one keep-alive connection reaches
// on the same endpoint in the same process, just before and after the run:
// the run's messages per second,
// the longest time the window went without handling events during the run,
// and how long the log takes to take its lines. Then the same through a relay
// that delays each direction by 10 ms (a 20 ms round trip): runs with 1, 4
// and 8 requests under way next to as many keep-alive connections sending
// back to back through the same relay.

#include "DelayingProxy.h"
#include "ScriptedPrompts.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "messaging/SendSession.h"
#include "config/cOptionen.h"
#include "mass/ui/MassMode.h"
#include "mass/ui/frmMultiSMS.h"
#include "mass/ui/frmMultiSMSLog.h"
#include "messaging/GatewayRequest.h"
#include "messaging/ui/CreditDisplay.h"
#include "platform/Transfer.h"
#include "ui_frmMain.h"
#include "widgets/ToolbarButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>
#include <vector>

namespace {

constexpr int kEntries = 10000;
// Through the relay a run of W takes about entries / W round trips.
constexpr int kLinkEntriesPerRequestUnderWay = 250;
constexpr auto kLinkDelayEachWay = std::chrono::milliseconds(10);
constexpr double kTarget = 0.8;

ServiceProcess* service = nullptr;
DelayingProxy* slowLink = nullptr;
double keepAliveRate = 0;
// Two runs of each, in the order with, without, without, with the journal:
// a drift of this shared machine's speed falls on both alike.
struct Mean {
    double sum = 0;
    int runs = 0;
    void add(double v) {
        sum += v;
        ++runs;
    }
    double value() const { return runs > 0 ? sum / runs : 0; }
};
Mean runRate;          // with the journal, as the program runs
Mean runRateNoJournal; // the same run with nothing written down
Mean besideRun;        // one keep-alive connection, just before and after the run
Mean besideRunNoJournal;
double transferRate = 0;
std::map<int, double> linkConnectionRate; // by connections
std::map<int, double> linkRunRate;        // by requests under way

// The body of one entry as the run writes it, for the plain connection.
const std::string kBody = "email=demo@velvox.example&kennwort=velvox&firma=%20&empfaenger=00491700000001"
                          "&empfaengername=Kunde%201&private=false&public=false&skippush=1&version=3.0.99"
                          "&text=Hallo%20Kunde%201,%20Ihr%20Termin%20ist%20am%20Montag.&absenderkennung=false"
                          "&absender=&statusmeldung=false&antwort=false&einlieferung=false&referer=Velvox"
                          "&long=false";

// One keep-alive connection sending back to back for the given time: the
// reference a run is held against, measured right beside it, since the speed
// of a shared machine drifts between one benchmark and the next.
double keepAliveFor(std::chrono::milliseconds time) {
    httplib::Client client("127.0.0.1", service->port());
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    client.set_url_encode(false);
    int sent = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < time.count()) {
        const auto r = client.Post("/smsv3/smsv3.php", kBody, "application/x-www-form-urlencoded");
        if (!r || r->status != 200)
            return 0;
        ++sent;
    }
    return sent / (clock.nsecsElapsed() / 1e9);
}

void BM_KeepAliveConnection(benchmark::State& state) {
    httplib::Client client("127.0.0.1", service->port());
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    client.set_url_encode(false);
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        const auto r = client.Post("/smsv3/smsv3.php", kBody, "application/x-www-form-urlencoded");
        if (!r || r->status != 200) {
            state.SkipWithError("a send failed");
            break;
        }
    }
    keepAliveRate = double(state.iterations()) / (clock.nsecsElapsed() / 1e9);
    state.counters["msgs/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// Connections each sending one request after the other through the relay,
// all at once: what the link carries with that many requests under way.
void BM_KeepAliveConnectionsThroughTheLink(benchmark::State& state) {
    const int connections = int(state.range(0));
    for (auto _ : state) {
        std::atomic<int> sent{0};
        std::atomic<bool> failed{false};
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        QElapsedTimer clock;
        clock.start();
        std::vector<std::thread> senders;
        for (int c = 0; c < connections; ++c) {
            senders.emplace_back([&] {
                httplib::Client client("127.0.0.1", slowLink->port());
                client.set_keep_alive(true);
                client.set_tcp_nodelay(true);
                client.set_url_encode(false);
                while (std::chrono::steady_clock::now() < until) {
                    const auto r = client.Post("/smsv3/smsv3.php", kBody, "application/x-www-form-urlencoded");
                    if (!r || r->status != 200) {
                        failed = true;
                        return;
                    }
                    ++sent;
                }
            });
        }
        for (auto& t : senders)
            t.join();
        if (failed)
            state.SkipWithError("a send failed");
        linkConnectionRate[connections] = sent / (clock.nsecsElapsed() / 1e9);
        state.counters["msgs/s"] = linkConnectionRate[connections];
    }
}

// The service's profile with its port replaced by the relay's.
QByteArray throughTheLink(QByteArray oemIni) {
    const QByteArray from = QByteArray(":") + QByteArray::number(service->port()) + QByteArray("/");
    const QByteArray to = QByteArray(":") + QByteArray::number(slowLink->port()) + QByteArray("/");
    return oemIni.replace(from, to);
}

void massRun(benchmark::State& state, const QByteArray& oemIni, int entries, int underWay, double* rate,
             bool journal = true, double* beside = nullptr) {
    for (auto _ : state) {
        state.PauseTiming();
        // Before the count of stored messages: the reference sends too.
        const double before = beside ? keepAliveFor(std::chrono::milliseconds(1500)) : 0;
        TempSettings settings;
        ScriptedPrompts prompts;
        settings.writeProfile(oemIni);
        settings.reload();
        options().Username = ServiceProcess::demoEmail();
        options().kennwort = ServiceProcess::demoPassword();
        options().FirstStartHasRun = true;
        options().parallelTransfers = underWay;
        const qint64 storedBefore =
            service->scalar(QStringLiteral("SELECT COUNT(*) FROM messages WHERE empfaengername LIKE 'Kunde %'"))
                .toLongLong();
        frmSplash::setStepPauseMs(0);
        frmMain window;
        window.load(nullptr);
        window.show();
        if (!journal)
            window.session().setRecord(nullptr);
        emit window.ui().tbMultiSMS->Click();
        frmMultiSMS& list = *window.massModeControl().listWindow();
        for (int i = 1; i <= entries; ++i)
            list.list().add(QStringLiteral("Kunde %1").arg(i),
                            QStringLiteral("004917%1").arg(i, 8, 10, QLatin1Char('0')),
                            QStringLiteral("Montag"), {});
        list.recalcMaxSizes();
        window.ui().txtSMS->setPlainText(QStringLiteral("Hallo %name%, Ihr Termin ist am %frei1%."));
        prompts.queueAnswer(Prompts::Answer::Yes);

        // The longest stretch without a turn of the event loop.
        QElapsedTimer sinceTick;
        qint64 longestGapMs = 0;
        QTimer ticker;
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout, &ticker,
                         [&] { longestGapMs = std::max(longestGapMs, sinceTick.restart()); });
        state.ResumeTiming();

        QElapsedTimer run;
        run.start();
        sinceTick.start();
        ticker.start();
        emit window.ui().tbSend->Click();
        // The run goes on in the event loop, as it does in the program.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!window.massModeControl().runActive())
                loop.quit();
        });
        poll.start(20);
        loop.exec();
        const double seconds = run.nsecsElapsed() / 1e9;
        ticker.stop();

        state.PauseTiming();
        const qint64 stored =
            service
                ->scalar(QStringLiteral("SELECT COUNT(*) FROM messages WHERE empfaengername LIKE 'Kunde %'"))
                .toLongLong() -
            storedBefore;
        if (beside) {
            *beside = (before + keepAliveFor(std::chrono::milliseconds(1500))) / 2;
            state.counters["keep_alive_beside"] = *beside;
        }
        *rate = entries / seconds;
        state.counters["msgs/s"] = *rate;
        state.counters["longest_gap_ms"] = double(longestGapMs);
        state.counters["log_chars"] = double(window.massModeControl().logWindow()->logText().size());
        if (stored != entries)
            state.SkipWithError("not every entry reached the service exactly once");
        window.close();
        state.ResumeTiming();
    }
}

// Arg 1: with the journal, as the program runs; 0: nothing written down.
void BM_MassRunThroughTheMainWindow(benchmark::State& state) {
    const bool journal = state.range(0) != 0;
    double rate = 0;
    double beside = 0;
    massRun(state, service->oemIni(), kEntries, 1, &rate, journal, &beside);
    (journal ? runRate : runRateNoJournal).add(rate);
    (journal ? besideRun : besideRunNoJournal).add(beside);
}

void BM_MassRunWarmUp(benchmark::State& state) {
    double rate = 0;
    massRun(state, service->oemIni(), kEntries, 1, &rate, false);
}

void BM_MassRunThroughTheLink(benchmark::State& state) {
    const int underWay = int(state.range(0));
    massRun(state, throughTheLink(service->oemIni()), kLinkEntriesPerRequestUnderWay * underWay, underWay,
            &linkRunRate[underWay]);
}

// Requests back to back through the transfer component alone, each waiting
// for the previous reply: what the send path costs without the window.
void BM_TransferBackToBack(benchmark::State& state) {
    Transfer transfer;
    transfer.setAccessType(Transfer::Direct);
    const QString url = service->url(u"/smsv3/smsv3.php");
    const QByteArray body = QByteArray::fromStdString(kBody);
    QEventLoop loop;
    QObject::connect(&transfer, &Transfer::stateChanged, &loop, [&](int) { loop.quit(); });
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        transfer.execute(url, QStringLiteral("POST"), body, {GatewayRequest::contentTypeHeader()});
        loop.exec();
    }
    transferRate = double(state.iterations()) / (clock.nsecsElapsed() / 1e9);
    state.counters["msgs/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// 10,000 lines into the log, each at the top, as a run writes them.
void BM_RunLogTakesTenThousandLines(benchmark::State& state) {
    for (auto _ : state) {
        frmMultiSMSLog log;
        log.startRun(kEntries + 3);
        for (int i = 0; i < kEntries; ++i)
            log.addLine(
                QStringLiteral("08.12.26 10:00:00 - Die SMS an 0049170%1 wurde erfolgreich an das Gateway "
                               "übermittelt.\r\n")
                    .arg(i));
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(log.logText().size());
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"})
        qunsetenv(v);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velvox);
    ServiceProcess s;
    if (!s.isRunning()) {
        std::fprintf(stderr, "velvox-service did not start: %s\n", qPrintable(s.errorString()));
        return 1;
    }
    s.setCredits(ServiceProcess::demoEmail(), 2000000000);
    service = &s;
    DelayingProxy relay(s.port(), kLinkDelayEachWay);
    if (!relay.isListening()) {
        std::fprintf(stderr, "the delaying relay did not start\n");
        return 1;
    }
    slowLink = &relay;

    benchmark::RegisterBenchmark("KeepAliveConnection", BM_KeepAliveConnection)->UseRealTime()->MinTime(3.0);
    benchmark::RegisterBenchmark("TransferBackToBack", BM_TransferBackToBack)->UseRealTime()->MinTime(3.0);
    // What a process pays once, at its first run, belongs to neither of the
    // runs compared: the first check of the list's numbers alone takes some
    // 70 ms, later ones find them checked.
    benchmark::RegisterBenchmark("MassRunWarmUp/10000/no_journal", BM_MassRunWarmUp)
        ->UseRealTime()
        ->Iterations(1)
        ->Unit(benchmark::kSecond);
    for (const auto& [name, journal] : {std::pair{"MassRunThroughTheMainWindow/10000/journal", 1},
                                        std::pair{"MassRunThroughTheMainWindow/10000/no_journal", 0},
                                        std::pair{"MassRunThroughTheMainWindow/10000/no_journal", 0},
                                        std::pair{"MassRunThroughTheMainWindow/10000/journal", 1}})
        benchmark::RegisterBenchmark(name, BM_MassRunThroughTheMainWindow)
            ->Arg(journal)
            ->UseRealTime()
            ->Iterations(1)
            ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("KeepAliveConnectionsThroughTheLink", BM_KeepAliveConnectionsThroughTheLink)
        ->Arg(1)->Arg(4)->Arg(8)->UseRealTime()->Iterations(1)->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("MassRunThroughTheLink", BM_MassRunThroughTheLink)
        ->Arg(1)->Arg(4)->Arg(8)->UseRealTime()->Iterations(1)->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("RunLogTakesTenThousandLines", BM_RunLogTakesTenThousandLines)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double withJournal = runRate.value();
    const double withoutJournal = runRateNoJournal.value();
    if (besideRun.value() > 0 && besideRunNoJournal.value() > 0)
        std::printf("loopback: mass run (1 under way) %.0f msgs/s with the journal, %.0f without it (mean of %d "
                    "runs each); one keep-alive connection just before and after each run %.0f and %.0f msgs/s "
                    "(%.0f in its own benchmark); transfer component alone %.0f msgs/s: the run reaches %.2f of the "
                    "connection with the journal, %.2f without (target at least %.2f)\n",
                    withJournal, withoutJournal, runRate.runs, besideRun.value(), besideRunNoJournal.value(),
                    keepAliveRate, transferRate, withJournal / besideRun.value(),
                    withoutJournal / besideRunNoJournal.value(), kTarget);
    for (const auto& [underWay, rate] : linkRunRate) {
        const double connection = linkConnectionRate[underWay];
        if (rate > 0 && connection > 0)
            std::printf("20 ms round trip: mass run with %d under way %.0f msgs/s, %d keep-alive connection(s) "
                        "%.0f msgs/s: %.2f (target at least %.2f)\n",
                        underWay, rate, underWay, connection, rate / connection, kTarget);
    }
    if (withJournal > 0 && withoutJournal > 0)
        std::printf("mass run with the journal %.0f msgs/s, without it %.0f msgs/s: %.2f of the rate without "
                    "(limit: at least 0.90)\n",
                    withJournal, withoutJournal, withJournal / withoutJournal);
    return 0;
}

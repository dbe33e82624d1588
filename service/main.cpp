// velvox-service: the stand-in web SMS service. See README.md beside this file.

#include "Accounts.h"
#include "CommandLine.h"
#include "Database.h"
#include "Endpoints.h"
#include "Log.h"
#include "Seed.h"
#include "Service.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <pthread.h>
#include <thread>

namespace {

int fail(const std::string& message) {
    std::cerr << "velvox-service: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto cl = parseCommandLine(argc, argv, &error);
    if (!cl) {
        std::cerr << "velvox-service: " << error << '\n' << usageText();
        return 2;
    }
    if (cl->printOem) {
        std::cout << oemProfile(cl->baseUrl(cl->port)) << std::flush;
        return 0;
    }

    // SIGTERM and SIGINT are taken by one thread with sigwait(); every other
    // thread (the server's workers are started later and inherit the mask)
    // keeps them blocked. A client that hangs up must not kill the service.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<Database> db;
    try {
        db = std::make_unique<Database>(cl->database);
        if (cl->seed && seedDemoData(*db))
            logLine(std::string("demo data seeded: ") + demo::kEmail);
        for (const auto& [email, credits] : cl->setCredits) {
            auto lock = db->lock();
            if (!accounts::setCredits(*db, email, credits))
                return fail("--set-credits: no account " + email);
            logLine("credits of " + email + " set to " + std::to_string(credits));
        }
    } catch (const DatabaseError& e) {
        return fail(e.what());
    }

    ServiceConfig config;
    config.latestVersion = cl->latestVersion;
    config.infoVersion = cl->infoVersion;
    const TlsFiles tls{cl->tlsCertificate, cl->tlsKey};
    Service service(*db, config, cl->tls() ? &tls : nullptr);
    if (!service.valid())
        return fail("cannot load the TLS certificate or key");
    const int port = service.bind(cl->host, cl->port);
    if (port <= 0)
        return fail("cannot listen on " + cl->host + ':' + std::to_string(cl->port));

    std::thread stopper([&service, &stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        // stop() does nothing until the server runs; repeat until run() ends.
        while (!service.finished()) {
            service.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });

    logLine("serving " + cl->baseUrl(port) + "/ with database " + cl->database);
    std::cout << "listening on " << cl->baseUrl(port) << '/' << std::endl;
    const bool ok = service.run();
    // When run() ended on its own the stopper still waits: wake it. After a
    // stop signal the extra one is simply dropped with the thread.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    logLine("stopped");
    return ok ? 0 : 1;
}

#include "platform/PasswordStore.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

#include <memory>

namespace {

struct State {
    bool enabled = false;
    bool broken = false;
    int timeoutMs = 5000;
    QString service = QStringLiteral("Velvox");
};

State& state() {
    static State s;
    return s;
}

enum class Outcome { Done, NotFound, Failed };

// Runs one job to its end or the time-out. A job that succeeded or found no
// entry is left to the caller to read and delete; one that outlives its wait
// keeps running and deletes itself when it finishes, unheard.
Outcome run(QKeychain::Job* job) {
    job->setAutoDelete(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(state().timeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec();
    if (!finished) {
        job->setAutoDelete(true);
        return Outcome::Failed;
    }
    const QKeychain::Error error = job->error();
    if (error == QKeychain::NoError)
        return Outcome::Done;
    if (error == QKeychain::EntryNotFound)
        return Outcome::NotFound;
    job->deleteLater();
    return Outcome::Failed;
}

bool markFailed() {
    state().broken = true;
    return false;
}

} // namespace

namespace PasswordStore {

void setEnabled(bool enabled) {
    state().enabled = enabled;
    state().broken = false;
}

bool usable() { return state().enabled && !state().broken; }

void setTimeoutMs(int ms) { state().timeoutMs = ms; }
int timeoutMs() { return state().timeoutMs; }
void setServiceName(const QString& name) { state().service = name; }

Lookup read(const QString& account, QString* password) {
    if (!usable())
        return Lookup::Unavailable;
    auto* job = new QKeychain::ReadPasswordJob(state().service);
    job->setKey(account);
    const Outcome outcome = run(job);
    if (outcome == Outcome::Failed) {
        markFailed();
        return Lookup::Unavailable;
    }
    if (outcome == Outcome::Done)
        *password = job->textData();
    job->deleteLater();
    return outcome == Outcome::Done ? Lookup::Found : Lookup::Missing;
}

bool write(const QString& account, const QString& password) {
    if (!usable())
        return false;
    auto* job = new QKeychain::WritePasswordJob(state().service);
    job->setKey(account);
    job->setTextData(password);
    if (run(job) != Outcome::Done)
        return markFailed();
    job->deleteLater();
    return true;
}

bool remove(const QString& account) {
    if (!usable())
        return false;
    auto* job = new QKeychain::DeletePasswordJob(state().service);
    job->setKey(account);
    if (run(job) == Outcome::Failed)
        return markFailed();
    job->deleteLater();
    return true;
}

} // namespace PasswordStore

#include "cli/InterruptPipe.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_fds[2] = {-1, -1};

extern "C" void onSigint(int) {
    const int saved = errno;
    const char byte = 1;
    // Nothing but async-signal-safe calls here.
    [[maybe_unused]] const ssize_t n = ::write(g_fds[1], &byte, 1);
    errno = saved;
}
} // namespace

InterruptPipe::InterruptPipe(QObject* parent) : QObject(parent) {
    if (::pipe2(g_fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_fds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptPipe::onReadable);
    struct sigaction sa = {};
    sa.sa_handler = onSigint;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
}

InterruptPipe::~InterruptPipe() {
    ::signal(SIGINT, SIG_DFL);
    for (int& fd : g_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void InterruptPipe::onReadable() {
    char buffer[16];
    for (ssize_t n = ::read(g_fds[0], buffer, sizeof buffer); n > 0; n = ::read(g_fds[0], buffer, sizeof buffer)) {
        for (ssize_t i = 0; i < n; ++i)
            emit interrupted(++m_count);
    }
}

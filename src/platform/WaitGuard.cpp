#include "platform/WaitGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

WaitGuard::WaitGuard(QObject* waiter, QEventLoop& loop) : m_waiter(waiter), m_loop(loop) {
    // Deleted outright, the waiter cannot be held: the wait just ends.
    connect(waiter, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

WaitGuard::~WaitGuard() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    for (const QPointer<QObject>& held : m_held) {
        if (held)
            held->deleteLater();
    }
}

bool WaitGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::DeferredDelete || !m_waiter)
        return false;
    for (QObject* o = m_waiter; o; o = o->parent()) {
        if (o == watched) {
            if (!m_held.contains(watched))
                m_held.append(watched);
            m_loop.quit();
            return true;
        }
    }
    return false;
}

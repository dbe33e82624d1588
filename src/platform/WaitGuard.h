#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QEventLoop;

// Watches over a blocking wait that lets window events run. While it lives,
// a deleteLater() of the waiting object or of one of its owners is held back
// and ends the wait instead; the held deletions are issued again when the
// guard goes, so the owner is released only after the wait has unwound.
class WaitGuard : public QObject {
public:
    WaitGuard(QObject* waiter, QEventLoop& loop);
    ~WaitGuard() override;
    WaitGuard(const WaitGuard&) = delete;
    WaitGuard& operator=(const WaitGuard&) = delete;

    // The wait must hand back a failure: an owner is going or the waiter is gone.
    bool interrupted() const { return !m_held.isEmpty() || m_waiter.isNull(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QObject> m_waiter;
    QEventLoop& m_loop;
    QList<QPointer<QObject>> m_held;
};

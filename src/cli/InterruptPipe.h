#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl+C into the event loop: the signal handler only writes one byte into
// a pipe, and a socket notifier on its other end emits interrupted() from
// the loop, where the run may safely be touched.
class InterruptPipe : public QObject {
    Q_OBJECT
public:
    explicit InterruptPipe(QObject* parent = nullptr);
    ~InterruptPipe() override;
    bool ok() const { return m_notifier != nullptr; }

signals:
    // count: how many Ctrl+C have arrived so far (1, 2, …).
    void interrupted(int count);

private:
    void onReadable();
    QSocketNotifier* m_notifier = nullptr;
    int m_count = 0;
};

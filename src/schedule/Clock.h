#pragma once

#include <QDateTime>

#include <functional>

// "Now" for the scheduling rules. The editor's defaults and corrections all
// depend on the current moment; tests fix it so they do not depend on the day
// they run.
namespace Clock {

QDateTime now();
// An empty function goes back to the system clock.
void setSource(std::function<QDateTime()> source);

// Fixes the clock for its lifetime.
class Fixed {
public:
    explicit Fixed(const QDateTime& moment);
    ~Fixed();
    Fixed(const Fixed&) = delete;
    Fixed& operator=(const Fixed&) = delete;
    void set(const QDateTime& moment) { m_moment = moment; }

private:
    QDateTime m_moment;
};

} // namespace Clock

#pragma once

#include <QDateTime>

namespace tandrel {

// Wall-clock time for time-of-day and date comparisons, a monotonic clock for durations, and
// the waiting itself, so that tests can run waits in virtual time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
    // The current time of day as text in the regional long-time format, without a zone name.
    virtual QString longTimeText() const = 0;
    // Lets the window process its pending events once.
    virtual void yield() = 0;
    // Waits until the monotonic deadline while the window keeps processing its events.
    virtual void waitUntil(qint64 monotonicDeadlineMs) = 0;

    void waitFor(qint64 ms) { waitUntil(monotonicMs() + ms); }
};

} // namespace tandrel

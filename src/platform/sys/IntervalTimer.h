#pragma once

#include <QObject>
#include <QTimer>

namespace sys {

// A timer whose ticks always arrive on the user-interface thread, inside
// whatever event loop runs, also while a modal dialog is open. It starts with
// the first accepted change of a property (in practice setInterval) and runs
// until destroyed; `enabled` only decides whether ticks are passed on.
//
//     auto *clock = new sys::IntervalTimer(this);
//     connect(clock, &sys::IntervalTimer::timeout, this, &Main::showTime);
//     clock->setInterval(1000);
class IntervalTimer : public QObject
{
    Q_OBJECT
public:
    static constexpr unsigned minimumPeriod = 1;
    static constexpr unsigned maximumPeriod = 1000000;

    explicit IntervalTimer(QObject *parent = nullptr);

    unsigned interval() const { return interval_; }
    // Taken only when it differs and lies within the minimum and maximum
    // period; then the timer restarts. Otherwise ignored.
    void setInterval(unsigned milliseconds);

    unsigned resolution() const { return resolution_; }
    // Taken only when it differs and is not larger than the interval.
    void setResolution(unsigned milliseconds);

    bool periodic() const { return periodic_; }
    void setPeriodic(bool periodic);

    bool isEnabled() const { return enabled_; }
    // When it changes: enabledChanged, then the timer restarts.
    void setEnabled(bool enabled);

    bool isRunning() const { return timer_.isActive(); }

signals:
    // milliseconds: a monotonic millisecond counter read when the tick came.
    void timeout(qint64 milliseconds);
    void enabledChanged(bool enabled);

protected:
    // Passes the tick on while enabled.
    virtual void tick(qint64 milliseconds);

private:
    void restart();

    QTimer timer_;
    unsigned interval_ = maximumPeriod;
    unsigned resolution_ = minimumPeriod;
    bool periodic_ = true;
    bool enabled_ = true;
};

} // namespace sys

#include "IntervalTimer.h"

#include <QElapsedTimer>

namespace sys {

namespace {

qint64 monotonicMilliseconds()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

} // namespace

IntervalTimer::IntervalTimer(QObject *parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, [this] { tick(monotonicMilliseconds()); });
}

void IntervalTimer::setInterval(unsigned milliseconds)
{
    if (milliseconds == interval_ || milliseconds < minimumPeriod || milliseconds > maximumPeriod)
        return;
    interval_ = milliseconds;
    restart();
}

void IntervalTimer::setResolution(unsigned milliseconds)
{
    if (milliseconds == resolution_ || milliseconds > interval_)
        return;
    resolution_ = milliseconds;
    restart();
}

void IntervalTimer::setPeriodic(bool periodic)
{
    if (periodic == periodic_)
        return;
    periodic_ = periodic;
    restart();
}

void IntervalTimer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    emit enabledChanged(enabled);
    restart();
}

void IntervalTimer::tick(qint64 milliseconds)
{
    if (enabled_)
        emit timeout(milliseconds);
}

void IntervalTimer::restart()
{
    timer_.stop();
    // A fine resolution asks for a precise timer; coarse ones may drift by a
    // few percent, which is what a coarse resolution allows.
    timer_.setTimerType(resolution_ <= 20 ? Qt::PreciseTimer : Qt::CoarseTimer);
    timer_.setSingleShot(!periodic_);
    timer_.setInterval(int(interval_));
    timer_.start();
}

} // namespace sys

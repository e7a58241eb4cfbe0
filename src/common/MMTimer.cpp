#include "MMTimer.h"

TMMTimer::TMMTimer(QObject *owner) : sys::IntervalTimer(owner)
{
    connect(this, &sys::IntervalTimer::enabledChanged, this, [this](bool enabled) {
        if (OnEnableChange)
            OnEnableChange(this, enabled);
    });
}

void TMMTimer::Timer(qint64 time)
{
    if (isEnabled() && OnTimer)
        OnTimer(this, time);
}

void TMMTimer::tick(qint64 milliseconds)
{
    sys::IntervalTimer::tick(milliseconds);
    Timer(milliseconds);
}

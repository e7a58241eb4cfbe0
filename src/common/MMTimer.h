#pragma once

#include "platform/sys/IntervalTimer.h"

#include <functional>

// The frame's timer: ticks arrive on the user-interface thread, also while a
// modal dialog is open. It starts with the first accepted change of a
// property (the owner sets Interval); Enabled only decides whether OnTimer
// is raised.
class TMMTimer : public sys::IntervalTimer
{
    Q_OBJECT
public:
    // time: the millisecond counter read when the tick came.
    using TMMTimerEvent = std::function<void(QObject *sender, qint64 time)>;
    using TMMTimerEnableChange = std::function<void(QObject *sender, bool enabled)>;

    explicit TMMTimer(QObject *owner = nullptr);

    TMMTimerEvent OnTimer;
    TMMTimerEnableChange OnEnableChange;

protected:
    // Raises OnTimer while enabled.
    virtual void Timer(qint64 time);
    void tick(qint64 milliseconds) override;
};

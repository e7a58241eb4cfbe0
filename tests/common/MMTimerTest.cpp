#include "common/MMTimer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void warten(int millisekunden)
{
    QEventLoop loop;
    QTimer::singleShot(millisekunden, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(TMMTimer, TicksOnlyWhileEnabledAndReportsEveryChangeOfEnabled)
{
    TMMTimer timer;
    int ticks = 0;
    QList<bool> wechsel;
    timer.OnTimer = [&](QObject *sender, qint64) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    timer.OnEnableChange = [&](QObject *, bool enabled) { wechsel << enabled; };

    // Nothing runs until a property is set, as when a form loads it.
    warten(30);
    EXPECT_FALSE(timer.isRunning());
    timer.setInterval(10);
    timer.setResolution(1);
    warten(80);
    EXPECT_GT(ticks, 0);

    timer.setEnabled(true);   // no change: nothing raised
    EXPECT_TRUE(wechsel.isEmpty());

    timer.setEnabled(false);
    EXPECT_EQ(wechsel, QList<bool>{false});
    const int bisher = ticks;
    warten(60);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(ticks, bisher);

    timer.setEnabled(true);
    warten(60);
    EXPECT_GT(ticks, bisher);
    EXPECT_EQ(wechsel, (QList<bool>{false, true}));
}

} // namespace

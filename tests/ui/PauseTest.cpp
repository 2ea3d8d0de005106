#include "platform/Pause.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Pause, KeepsEventsRunningAndEndsOnTime) {
    StartUp::SetPauseScale(1.0);
    bool fired = false;
    QTimer::singleShot(20, [&] { fired = true; });
    QElapsedTimer t;
    t.start();
    StartUp::Pause(0.1);
    const auto ms = t.elapsed();
    StartUp::SetPauseScale(0.01);
    EXPECT_TRUE(fired);
    EXPECT_GE(ms, 95);
}

#include "core/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, PinnedTimeIsWhatNowGives) {
    Clock::Pin({2012, 2, 29, 23, 59, 58});
    const LocalDateTime now = Clock::Now();
    EXPECT_EQ(now.DateText(), "29-02-2012");
    EXPECT_EQ(now.TimeText(), "23:59");
    Clock::Unpin();
    EXPECT_GE(Clock::Now().year, 2024);
}

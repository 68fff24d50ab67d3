#include "document/ZoomSteps.h"

#include <gtest/gtest.h>

TEST(ZoomSteps, StepsStayWithinFiftyAndThreeHundredPercent) {
    EXPECT_EQ(stepZoom(100, 1), 110);
    EXPECT_EQ(stepZoom(100, -1), 90);
    EXPECT_EQ(stepZoom(250, 1), 300);
    EXPECT_EQ(stepZoom(300, 1), 300);
    EXPECT_EQ(stepZoom(50, -1), 50);
    EXPECT_EQ(stepZoom(67, -1), 50);
    // A value between steps goes to the neighbouring step in the direction asked for.
    EXPECT_EQ(stepZoom(105, 1), 110);
    EXPECT_EQ(stepZoom(105, -1), 100);
    // A stored value beyond the range comes back into it.
    EXPECT_EQ(stepZoom(1000, -1), 250);
    EXPECT_EQ(stepZoom(-5, 1), 67);
    EXPECT_EQ(clampZoom(0), 50);
    EXPECT_EQ(clampZoom(301), 300);
    EXPECT_EQ(clampZoom(175), 175);
    EXPECT_EQ(stepZoom(120, 0), 120);
}

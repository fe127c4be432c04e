#include "config/window_placement.h"

#include <gtest/gtest.h>

using namespace cuefold;

// A desktop with a 30-pixel panel along its top and a second monitor's
// worth of space starting at x = 1920.
TEST(PlaceFrameInside, MovesTheWholeFrameInsideAndKeepsTheTitleBarWhenTooBig)
{
    const QRect available(1920, 30, 1280, 994);
    const QSize frame(400, 320);
    const struct {
        QPoint wanted, expected;
    } cases[] = {
        {{2000, 100}, {2000, 100}},  // fits: where it was
        {{0, 0}, {1920, 30}},        // the title bar under no panel
        {{3100, 900}, {2800, 704}},  // the far edges pulled in
        {{1919, 29}, {1920, 30}},    // one pixel out
        {{2800, 704}, {2800, 704}},  // exactly at the far corner
    };
    for (const auto &c : cases)
        EXPECT_EQ(PlaceFrameInside(c.wanted, frame, available), c.expected) << c.wanted.x() << "," << c.wanted.y();
    EXPECT_EQ(PlaceFrameInside({2500, 500}, QSize(2000, 1200), available), QPoint(1920, 30));
}

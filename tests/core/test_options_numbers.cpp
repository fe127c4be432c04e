#include "config/options_numbers.h"

#include <gtest/gtest.h>
#include <limits>

using namespace cuefold;

TEST(OptionsNumbers, TypedTextIsKeptOrGoesBackToTheDesignText)
{
    const struct {
        QByteArray typed;
        QByteArray text;
        double value;
    } cases[] = {
        {"2,5", "2,5", 2.5},  // the decimal comma of Czech users
        {"2.5", "2.5", 2.5},
        {"1,2,3", "3", 3},    // only the first comma becomes a point
        {"1,2.3", "3", 3},
        {"abc", "3", 3},
        {"", "3", 3},
        {"3 ", "3", 3},       // the whole text must be the number
        {"-4", "-4", -4},     // no range check
        {"0", "0", 0},
    };
    for (const auto &c : cases) {
        const TypedNumber n = ParseTypedNumber(c.typed, "3");
        EXPECT_EQ(n.text, c.text) << c.typed.constData();
        EXPECT_DOUBLE_EQ(n.value, c.value) << c.typed.constData();
    }
}

TEST(OptionsNumbers, FrameGapTruncatesTowardZeroWithinAnInt)
{
    EXPECT_EQ(TypedFrames(2.9), 2);
    EXPECT_EQ(TypedFrames(-2.9), -2);
    EXPECT_EQ(TypedFrames(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(TypedFrames(-1e30), std::numeric_limits<int>::min());
}

TEST(OptionsNumbers, SecondsShowThreeDecimalsAtMost)
{
    EXPECT_EQ(SecondsText(5), "5");
    EXPECT_EQ(SecondsText(2.5), "2.5");
    EXPECT_EQ(SecondsText(0.1234), "0.123");
    EXPECT_EQ(SecondsText(-1), "-1");
    EXPECT_EQ(SecondsText(2.5, ','), "2,5");
    EXPECT_EQ(SecondsText(3, ','), "3");
}

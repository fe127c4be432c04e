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

TEST(OptionsNumbers, FrameGapTruncatesTowardZeroWithinItsLimits)
{
    EXPECT_EQ(SaneDelayFrames(2.9), 2);
    EXPECT_EQ(SaneDelayFrames(-2.9), -2);
    EXPECT_EQ(SaneDelayFrames(1e30), MaxDelayFrames);
    EXPECT_EQ(SaneDelayFrames(-1e30), -MaxDelayFrames);
    EXPECT_EQ(SaneDelayFrames(std::numeric_limits<int>::min()), -MaxDelayFrames);
    // The edit shows a value beyond the limits as the limit it became.
    const TypedNumber typed = ParseDelayFrames("-2147483648", "2");
    EXPECT_EQ(typed.text, QByteArray::number(-MaxDelayFrames));
    EXPECT_EQ(typed.value, -MaxDelayFrames);
    EXPECT_EQ(ParseDelayFrames("2,9", "2").text, "2,9");
    EXPECT_EQ(ParseDelayFrames("x", "2").value, 2);
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

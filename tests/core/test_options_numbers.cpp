#include "config/options_numbers.h"
#include "config/settings_rows.h"

#include <gtest/gtest.h>

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

TEST(OptionsNumbers, RowNumbersTruncateTowardZeroAndClampedRowsKeepTheirLimits)
{
    const SettingRow &gap = *RowShownBy("EditDelayFrames");
    const struct {
        QByteArray typed;
        QByteArray text;
        double value;
    } cases[] = {
        {"2,9", "2,9", 2},  // shown as typed, used truncated
        {"-2.9", "-2.9", -2},
        {"x", "2", 2},      // the design text
        {"1e30", QByteArray::number(MaxDelayFrames), MaxDelayFrames},
        {"-2147483648", QByteArray::number(-MaxDelayFrames), -MaxDelayFrames},
    };
    for (const auto &c : cases) {
        const TypedNumber n = ParseRowNumber(gap, c.typed);
        EXPECT_EQ(n.text, c.text) << c.typed.constData();
        EXPECT_EQ(n.value, c.value) << c.typed.constData();
    }
    // A seconds row keeps its fraction and has no limits.
    EXPECT_EQ(ParseRowNumber(*RowShownBy("EditPlayerStep"), "-1000000,5").value, -1000000.5);
    EXPECT_EQ(ParseRowNumber(*RowShownBy("EditPlayerStep"), "2,5").value, 2.5);
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

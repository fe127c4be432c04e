#include "editor/frame_input.h"
#include "editor/preview_format.h"

#include <gtest/gtest.h>

using namespace cuefold;

TEST(FrameInput, RepairsAndDefaults)
{
    struct Case { const char *text; const char *fallback; double value; bool asTyped; };
    const Case cases[] = {
        {"1a2", "5", 12, false},  {"0012", "5", 12, true}, {"", "250", 250, false},
        {"-30", "5", 30, false},  {"0", "5", 0, false},    {"abc", "77", 77, false},
        {"12.6", "5", 12.6, true}, {"1e3", "5", 1000, true}, {"", "", 0, false},
        {"1e", "5", 1, false},
    };
    for (const Case &c : cases) {
        const FrameInput in = ParseFrameInput(c.text, c.fallback);
        EXPECT_DOUBLE_EQ(in.value, c.value) << c.text;
        EXPECT_EQ(in.asTyped, c.asTyped) << c.text;
    }
}

TEST(FrameInput, IndexInput)
{
    EXPECT_EQ(ParseIndexInput(""), 1);
    EXPECT_EQ(ParseIndexInput("0"), 0);
    EXPECT_EQ(ParseIndexInput("9999"), 9999);
    EXPECT_EQ(ParseIndexInput("1x2"), 12);
    EXPECT_EQ(ParseIndexInput("?"), 1);
}

TEST(PreviewFormat, AppliesCodesPerRowOrCarried)
{
    using R = PreviewRun;
    const auto italic = FormatPreview("{y:i}Ahoj");
    ASSERT_EQ(italic.size(), 1);
    EXPECT_EQ(italic[0], PreviewRow({R{"Ahoj", StyleItalic}}));

    const auto carried = FormatPreview("{Y:b,u}Ahoj|svete");
    ASSERT_EQ(carried.size(), 2);
    EXPECT_EQ(carried[0], PreviewRow({R{"Ahoj", StyleBold | StyleUnderline}}));
    EXPECT_EQ(carried[1], PreviewRow({R{"svete", StyleBold | StyleUnderline}}));

    const auto rowOnly = FormatPreview("{y:b}Ahoj|svete");
    EXPECT_EQ(rowOnly[1], PreviewRow({R{"svete", 0}}));

    const auto inner = FormatPreview("Ahoj {y:b}svete{x:b} konec");
    EXPECT_EQ(inner[0], PreviewRow({R{"Ahoj ", 0}, R{"svete", StyleBold}, R{" konec", 0}}));
}

TEST(PreviewFormat, SurvivesTruncatedCodes)
{
    for (const char *text : {"{y:", "{y:b,", "{x:,,,,", "{Y:b,i,u,s}", "|||", "{y", "{y:b,i"})
        EXPECT_NO_FATAL_FAILURE(FormatPreview(text)) << text;
    EXPECT_TRUE(FormatPreview("").isEmpty());
}

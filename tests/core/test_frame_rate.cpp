#include "document/frame_text.h"
#include "operations/frame_rate.h"
#include "sample_document.h"

#include <gtest/gtest.h>

using namespace cuefold;
using cuefold::testing::DocumentOf;

TEST(FrameRate, RoundedNtscFormsEqualTheirFractions)
{
    const FrameRate film{24000, 1001}, video{30000, 1001}, field{60000, 1001};
    for (const char *text : {"23.976", "23,976", "23.98", "24000/1001", "2997/125"})
        EXPECT_EQ(ParseFrameRate(text), film) << text;
    EXPECT_EQ(ParseFrameRate("29.97"), video);
    EXPECT_EQ(ParseFrameRate("59.94"), field);
    EXPECT_EQ(RateFromFps(23.976), film);
    EXPECT_EQ(RateFromFps(25), (FrameRate{25, 1}));
    EXPECT_EQ(ParseFrameRate("12.5"), (FrameRate{25, 2}));
    EXPECT_EQ(ParseFrameRate("50/2"), (FrameRate{25, 1}));
    // Near but not NTSC, and not a rate at all.
    EXPECT_EQ(ParseFrameRate("23.97"), (FrameRate{2397, 100}));
    EXPECT_NE(ParseFrameRate("24"), film);
    for (const char *bad : {"", "0", "70", "25x", "1/0", "/1001", "-25"})
        EXPECT_FALSE(ParseFrameRate(bad)) << bad;
    EXPECT_EQ(RateText(film), "23.976");
    EXPECT_EQ(RateText(video), "29.97");
    EXPECT_EQ(RateText(field), "59.94");
    EXPECT_EQ(RateText({25, 1}), "25");
    EXPECT_EQ(RateText({50, 7}), "7.1428571429");
}

// 25 -> 24000/1001 for every frame from 0 to 200000: each lands on the whole
// frame nearest to frame * 960 / 1001, the way the two-point run's frames
// are rounded when shown and written.
TEST(FrameRate, ConversionIsExactOverAFeatureFilm)
{
    const FrameRate from{25, 1}, to{24000, 1001};
    const TwoPoints points = RateConversionPoints(from, to);
    EXPECT_EQ(points.DA, 1001);
    EXPECT_EQ(points.DN, 960);
    constexpr qint64 Top = 200000, Half = Top / 2 + 1;
    std::vector<cuefold::testing::SampleLine> lines;
    for (qint64 start = 0; start < Half; start += Document::Capacity) {
        lines.clear();
        for (qint64 x = start; x < std::min(start + Document::Capacity, Half); ++x)
            lines.push_back({double(x), double(x + Half), "a"});
        const auto doc = DocumentOf(lines);
        const FramePreview p = RateConversionPreview(*doc, from, to, false);
        for (int i = 1; i <= doc->LineCount; ++i) {
            for (qint64 x : {qint64(doc->line(i).From), qint64(doc->line(i).Last)}) {
                const double got = x == doc->line(i).From ? p[i].From : p[i].Last;
                ASSERT_EQ(qint64(RoundedFrame(got)), (2 * x * 960 + 1001) / 2002) << x;
            }
        }
    }
}

TEST(FrameRate, ConversionSparesTheRateLineUnknownFramesAndLocksWhenAsked)
{
    const auto doc = DocumentOf({{1, 1, "25"}, {100, 200, "a"}, {300, 400, "b", 1}, {-1, 500, "c"}});
    ReadFPSLine(*doc, doc->FPS);
    for (bool spare : {true, false}) {
        const FramePreview p = RateConversionPreview(*doc, {25, 1}, {24000, 1001}, spare);
        EXPECT_EQ(p[1].From, 1);
        EXPECT_EQ(RoundedFrame(p[2].From), 96);
        EXPECT_EQ(RoundedFrame(p[2].Last), 192);
        EXPECT_EQ(RoundedFrame(p[3].From), spare ? 300 : 288);
        EXPECT_EQ(p[4].From, -1);
        EXPECT_EQ(RoundedFrame(p[4].Last), 480);
    }
    // And back: 24000/1001 -> 25 undoes it within the rounding.
    const FramePreview back = RateConversionPreview(*doc, {24000, 1001}, {25, 1}, false);
    EXPECT_EQ(RoundedFrame(back[2].From), 104);
}

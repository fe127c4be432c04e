#include "operations/timing_previews.h"
#include "sample_document.h"

#include <QList>
#include <limits>
#include <gtest/gtest.h>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

const DisplayTimeRule Rule{2, 12, 1000};

} // namespace

TEST(TwoPointPreview, MapsThroughTheLineOfBothPoints)
{
    struct Case {
        TwoPoints points;
        double from, last;       // the subtitle's frames
        double newFrom, newLast; // expected
    };
    const Case cases[] = {
        {{100, 150, 1100, 1150}, 500, 620, 550, 670},   // a pure shift by +50
        {{100, 150, 1100, 1150}, 20, 40, 70, 90},       // before the first point: the same line
        {{0, 0, 1000, 1001}, 2000, 3000, 2002, 3003},   // stretched by 0.1 %
        {{0, 0, 1000, 1001}, 10, 15, 10.01, 15.015},    // fractions are kept
        {{100, 0, 1100, 1000}, 50, 99, 1, 1},           // below 0 becomes 1
        {{100, 100, 200, 200}, -1, -1, 1, 1},           // an unknown frame maps like any other
        {{0, 1000, 1000, 0}, 100, 200, 900, 900},       // points in reverse: the end stays on the start
        {{100, 0, 1100, 1000}, 99, 100.5, 1, 1},        // the start lifted to 1, the end with it
    };
    for (const Case &c : cases) {
        const auto doc = DocumentOf({{c.from, c.last, "a"}, {5000, 5100, "b"}});
        const FramePreview p = TwoPointPreview(*doc, c.points, {});
        EXPECT_DOUBLE_EQ(p[1].From, c.newFrom) << c.from;
        EXPECT_DOUBLE_EQ(p[1].Last, c.newLast) << c.last;
    }
}

TEST(TwoPointPreview, LeavesTheRateLineTheEarlierAndTheLockedSubtitles)
{
    const TwoPoints shift{100, 150, 1100, 1150};
    const auto doc = DocumentOf({{1, 1, "25"}, {200, 300, "a"}, {400, 500, "b", 1}, {600, 700, "c"}}, 3);
    struct Case {
        TimingScope scope;
        double from2, from3, from4;
    };
    const Case cases[] = {
        {{.all = false, .locks = LockChoice::RespectLocks}, 200, 400, 650},
        {{.all = false, .locks = LockChoice::IgnoreLocks}, 200, 450, 650},
        {{.all = true, .locks = LockChoice::RespectLocks}, 250, 400, 650},
        {{.all = true, .locks = LockChoice::IgnoreLocks}, 250, 450, 650},
    };
    for (const Case &c : cases) {
        const FramePreview p = TwoPointPreview(*doc, shift, c.scope);
        EXPECT_EQ(p[1].From, 1);
        EXPECT_EQ(p[1].Last, 1);
        EXPECT_EQ(p[2].From, c.from2);
        EXPECT_EQ(p[3].From, c.from3);
        EXPECT_EQ(p[4].From, c.from4);
    }
    EXPECT_EQ(PreviewFileText(*doc, TwoPointPreview(*doc, shift, {.all = true})),
              "{1}{1}25\r\n{250}{350}a\r\n{400}{500}b\r\n{650}{750}c\r\n");
}

TEST(TwoPointPreview, TakesOnlyPointDecimals)
{
    EXPECT_EQ(ParsePointFrame("12.5"), 12.5);
    EXPECT_EQ(ParsePointFrame("-3"), -3);
    for (const char *bad : {"12,5", "", "abc", "1 2"})
        EXPECT_FALSE(ParsePointFrame(bad).has_value()) << bad;
}

TEST(ReadingSpeedPreview, CountsCutShortenedAndLengthenedOnce)
{
    // At 25 fps every short text needs the minimal second: 25 frames.
    auto doc = DocumentOf({{0, 0, "25"},
                           {100, 200, "a"},   // shortened to 124
                           {300, 310, "b"},   // lengthened to 324
                           {330, 400, "c"},   // cut before the next one: 337
                           {340, 364, "d"},   // unchanged
                           {500, 510, "e", 1}, // locked: kept
                           {600, 610, "f", 0, 1}});
    doc->FPS = 25;
    const SpeedPreview all = ReadingSpeedPreview(*doc, {.all = true}, Rule);
    EXPECT_EQ(all.cut, 1);
    EXPECT_EQ(all.shortened, 1);
    EXPECT_EQ(all.lengthened, 2); // "b" and "f"
    const double lasts[] = {0, 124, 324, 337, 364, 510, 624};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(all.frames[i].Last, lasts[i - 1]) << i;
        EXPECT_EQ(all.frames[i].From, doc->line(i).From) << i;
    }

    const SpeedPreview marked = ReadingSpeedPreview(*doc, {.all = true, .locks = LockChoice::MarkedOnly}, Rule);
    EXPECT_EQ(marked.frames[2].Last, 200);
    EXPECT_EQ(marked.frames[7].Last, 624);
    EXPECT_EQ(marked.lengthened, 1);
    doc->CurrentLine = 5;
    const SpeedPreview fromCurrent = ReadingSpeedPreview(*doc, {.locks = LockChoice::IgnoreLocks}, Rule);
    EXPECT_EQ(fromCurrent.frames[2].Last, 200);
    EXPECT_EQ(fromCurrent.frames[6].Last, 524);
    EXPECT_EQ(fromCurrent.shortened + fromCurrent.lengthened + fromCurrent.cut, 2);
}

TEST(SpeedTestFile, DeclaresThirtyFramesAndStopsAtFrame900)
{
    // Each "a" needs the minimal second, 30 frames, and 2 frames of gap.
    std::vector<cuefold::testing::SampleLine> lines{{1, 1, "23.976"}};
    for (int i = 0; i < 40; ++i)
        lines.push_back({0, 0, "a"});
    auto doc = DocumentOf(lines, 1);
    const QList<QByteArray> out = SpeedTestFileText(*doc, Rule).split('\n');
    EXPECT_EQ(out[0], "{1}{1}30\r");
    EXPECT_EQ(out[1], "{2}{31}a\r");
    EXPECT_EQ(out[2], "{34}{63}a\r");
    // 28 subtitles end before 900; the 29th, from 2 + 28 * 32, ends after it.
    EXPECT_EQ(out.size(), 1 + 29 + 1);
    EXPECT_EQ(out[29], "{898}{927}a\r");

    doc->CurrentLine = 40; // only two left: the end of the document stops it
    EXPECT_EQ(SpeedTestFileText(*doc, Rule), "{1}{1}30\r\n{2}{31}a\r\n{34}{63}a\r\n");

    // The first subtitle starts on frame 2 whatever the gap: no gap overflows.
    const DisplayTimeRule extreme{std::numeric_limits<int>::min(), 12, 1000};
    EXPECT_TRUE(SpeedTestFileText(*doc, extreme).startsWith("{1}{1}30\r\n{2}{31}a\r\n"));
}

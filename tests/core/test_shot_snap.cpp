// Starts and ends meeting the movie's shot changes: snapping, stopping
// before a change, the frame gap, locked subtitles, the search and the
// key-frame list file.
#include "operations/frame_gaps.h"
#include "player/automation.h"
#include "player/shot_list.h"
#include "search/find_rules.h"
#include "sample_document.h"

#include <gtest/gtest.h>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

const ShotList Shots{100, 200, 205, 400};

} // namespace

TEST(ShotSnap, StartsGoToTheNearestChangeWithinTheDistance)
{
    const ShotSnap snap{&Shots, 8, 2};
    EXPECT_EQ(SnapStart(snap, 92), 100);
    EXPECT_EQ(SnapStart(snap, 108), 100);
    EXPECT_EQ(SnapStart(snap, 91), 91) << "one frame beyond the distance";
    EXPECT_EQ(SnapStart(snap, 109), 109);
    EXPECT_EQ(SnapStart(snap, 203), 205);
    EXPECT_EQ(SnapStart(snap, 202), 200);
    const ShotList tie{100, 110};
    EXPECT_EQ(SnapStart({&tie, 8, 2}, 105), 100) << "as near to both: the earlier one";
    EXPECT_EQ(SnapStart({&Shots, 0, 2}, 99), 99) << "snapping off";
    EXPECT_EQ(SnapStart({nullptr, 8, 2}, 99), 99) << "no shot changes known";
}

TEST(ShotSnap, EndsStopTheFrameGapBeforeANearChange)
{
    const ShotSnap snap{&Shots, 8, 2};
    EXPECT_EQ(EndBeforeShot(snap, 50, 103), 97);
    EXPECT_EQ(EndBeforeShot(snap, 50, 105), 97) << "8 frames past the stop";
    EXPECT_EQ(EndBeforeShot(snap, 50, 106), 106) << "further: the change is crossed";
    EXPECT_EQ(EndBeforeShot(snap, 50, 97), 97) << "already before it";
    EXPECT_EQ(EndBeforeShot({&Shots, 8, 5}, 50, 100), 94);
    EXPECT_EQ(EndBeforeShot(snap, 100, 203), 197) << "the change the subtitle starts on is no stop";
    EXPECT_EQ(EndBeforeShot(snap, 99, 104), 104) << "a stop before the start";
}

TEST(ShotSnap, AutomationSnapsAndStopsButNeverMovesALockedSubtitle)
{
    AutomationParams params;
    params.SaveAfter = false;
    params.Shots = {&Shots, 8, 2};
    const double dwell = DwellFrames("text", params.FPS, params.Rule);
    auto doc = DocumentOf({{1, 1, "a"}, {0, 0, "text"}, {900, 950, "b"}}, 2);
    const double from = StampStart(*doc, 95, params);
    EXPECT_EQ(from, 100);
    // An end computed a few frames past the next change stops before it.
    doc->line(2).From = 200 - dwell + 3;
    StampAutomation(*doc, 200 - dwell + 3, params);
    EXPECT_EQ(doc->line(2).Last, 197);

    doc->line(2).Lock = 1;
    EXPECT_EQ(StampStart(*doc, 95, params), 95);
    StampAutomation(*doc, 200 - dwell + 3, params);
    EXPECT_EQ(doc->line(2).Last, 200 - dwell + 3 + dwell - 1);
}

TEST(ShotSnap, GapCommandsStopBeforeAChangeAndSkipLocked)
{
    const ShotSnap snap{&Shots, 8, 2};
    auto doc = DocumentOf({{50, 95, "a"}, {104, 150, "b"}, {160, 198, "c"}, {203, 250, "d"}});
    doc->line(3).Lock = 1;
    EXPECT_EQ(CloseShortGaps(*doc, 10, 2, snap), 2);
    EXPECT_EQ(doc->line(1).Last, 97) << "not on to 101, past the change at 100";
    EXPECT_EQ(doc->line(2).Last, 157) << "no change near";
    EXPECT_EQ(doc->line(3).Last, 198) << "locked";

    auto close = DocumentOf({{50, 103, "a"}, {104, 150, "b"}});
    EXPECT_EQ(InsertGaps(*close, 2, snap), 1);
    EXPECT_EQ(close->line(1).Last, 97);
    auto without = DocumentOf({{50, 103, "a"}, {104, 150, "b"}});
    InsertGaps(*without, 2);
    EXPECT_EQ(without->line(1).Last, 101);
}

TEST(ShotSnap, SearchFindsStartsAndEndsNearButNotOnAChange)
{
    const ShotSnap snap{&Shots, 8, 2};
    EXPECT_FALSE(NearShot(snap, 100, 150)) << "starts on it";
    EXPECT_TRUE(NearShot(snap, 103, 150));
    EXPECT_FALSE(NearShot(snap, 20, 97)) << "ends the gap before it";
    EXPECT_FALSE(NearShot(snap, 20, 99)) << "ends touching it";
    EXPECT_TRUE(NearShot(snap, 20, 93));
    EXPECT_TRUE(NearShot(snap, 20, 101));
    EXPECT_FALSE(NearShot(snap, 20, 88)) << "9 frames off";
    EXPECT_FALSE(NearShot({&Shots, 0, 2}, 103, 150));

    auto doc = DocumentOf({{100, 150, "a"}, {300, 350, "b"}, {396, 450, "c"}});
    const FindOptions options{.Shots = snap};
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::NearShot, options, 0), 3);
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::NearShot, options, 3), 0);
}

TEST(KeyframeFile, WritesAndReadsTheListOtherEditorsUse)
{
    EXPECT_EQ(KeyframeFileText({0, 30, 47}), "# keyframe format v1\nfps 0\n0\n30\n47\n");
    EXPECT_EQ(ReadKeyframeFile("# keyframe format v1\r\nfps 23.976\r\n0\r\n47\r\n\r\n30\r\n30\r\n"), (ShotList{30, 47}))
        << "sorted, once each, the first picture no change";
    EXPECT_FALSE(ReadKeyframeFile("30\n47\n")) << "no format line";
    EXPECT_FALSE(ReadKeyframeFile("# keyframe format v1\nfps 0\n30\nforty\n"));
}

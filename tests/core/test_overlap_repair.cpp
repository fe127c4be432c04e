#include "document/document.h"
#include "document/reader.h"
#include "document/writer.h"
#include "operations/overlap_repair.h"
#include "sample_document.h"

#include <gtest/gtest.h>
#include <vector>

using namespace cuefold;

namespace {

using cuefold::testing::DocumentOf;
using cuefold::testing::RowsChangedBy;
using Span = cuefold::testing::SampleLine;

TEST(OverlapRepair, Pairs)
{
    struct Case {
        const char *name;
        std::vector<Span> before, after;
        std::vector<QByteArray> ferr, lerr;
        bool changed;
        int overlaps;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"b starts inside a", {{100, 200}, {150, 250}}, {{100, 200}, {200, 250}},
         {"", "!? 150"}, {"", ""}, true, 1, {2}},
        {"b inside a's end", {{100, 200}, {120, 180}}, {{100, 120}, {120, 180}},
         {"", ""}, {"!? 200", ""}, true, 1, {1}},
        {"no overlap", {{100, 200}, {202, 250}}, {{100, 200}, {202, 250}},
         {"", ""}, {"", ""}, false, 0, {}},
        {"touching", {{100, 200}, {200, 250}}, {{100, 200}, {200, 250}},
         {"", ""}, {"", ""}, false, 0, {}},
        {"faulty a", {{.from = 100, .last = 200, .find = 1}, {150, 250}}, {{100, 200}, {150, 250}},
         {"", ""}, {"", ""}, false, 0, {}},
        {"faulty b", {{100, 200}, {.from = 150, .last = 250, .find = 1}}, {{100, 200}, {150, 250}},
         {"", ""}, {"", ""}, false, 0, {}},
        {"both locked: left alone", {{.from = 100, .last = 200, .lock = 1}, {.from = 150, .last = 250, .lock = 1}},
         {{100, 200}, {150, 250}}, {"", ""}, {"", ""}, false, 0, {}},
        // Out of order: cutting a's end back to b's start would end a before
        // it starts, so the pair is left alone.
        {"b starts before a", {{100, 200}, {50, 150}}, {{100, 200}, {50, 150}},
         {"", ""}, {"", ""}, false, 0, {}},
        {"a ends before it starts", {{100, 90}, {150, 250}}, {{100, 150}, {150, 250}},
         {"", ""}, {"!? 90", ""}, true, 1, {1}},
        {"notes of fractions are whole", {{100, 200.5}, {150.5, 250}}, {{100, 200.5}, {200.5, 250}},
         {"", "!? 151"}, {"", ""}, true, 1, {2}},
        {"chain", {{100, 200}, {150, 300}, {250, 400}}, {{100, 200}, {200, 300}, {300, 400}},
         {"", "!? 150", "!? 250"}, {"", "", ""}, true, 2, {2, 3}},
        {"one subtitle", {{100, 200}}, {{100, 200}}, {""}, {""}, false, 0, {}},
    };
    for (const Case &c : cases) {
        auto doc = DocumentOf(c.before);
        bool changed = false;
        const std::vector<int> rows = RowsChangedBy(*doc, [&](Document &d) { changed = RepairOverlapPairs(d); });
        EXPECT_EQ(changed, c.changed) << c.name;
        EXPECT_EQ(doc->OverlapCount, c.overlaps) << c.name;
        EXPECT_EQ(doc->OverlapReviewActive, c.overlaps > 0) << c.name;
        EXPECT_EQ(rows, c.rows) << c.name;
        for (int i = 1; i <= doc->LineCount; ++i) {
            EXPECT_EQ(doc->SubLines[i].From, c.after[i - 1].from) << c.name << " line " << i;
            EXPECT_EQ(doc->SubLines[i].Last, c.after[i - 1].last) << c.name << " line " << i;
            EXPECT_EQ(doc->SubLines[i].FErr, c.ferr[i - 1]) << c.name << " line " << i;
            EXPECT_EQ(doc->SubLines[i].LErr, c.lerr[i - 1]) << c.name << " line " << i;
        }
    }
}

// A locked subtitle is never changed: the unlocked one gives way where it
// can, and a pair it cannot repair without an end before a start is left
// for the user.
TEST(OverlapRepair, LockedSubtitlesStayAndTheRestIsLeft)
{
    struct Case {
        const char *name;
        std::vector<Span> before, after;
        std::vector<int> left;
    };
    const Case cases[] = {
        {"a ends where a locked b starts", {{100, 200}, {.from = 150, .last = 250, .lock = 1}},
         {{100, 150}, {150, 250}}, {}},
        {"b starts where a locked a ends", {{.from = 100, .last = 200, .lock = 1}, {150, 250}},
         {{100, 200}, {200, 250}}, {}},
        {"b ending with a locked a keeps that frame", {{.from = 300, .last = 350, .lock = 1}, {250, 350}},
         {{300, 350}, {350, 350}}, {}},
        {"b ending inside a locked a: left", {{.from = 300, .last = 350, .lock = 1}, {250, 340}},
         {{300, 350}, {250, 340}}, {2}},
        {"a locked b before a's start: left", {{100, 200}, {.from = 50, .last = 250, .lock = 1}},
         {{100, 200}, {50, 250}}, {2}},
        {"both locked: left", {{.from = 100, .last = 200, .lock = 1}, {.from = 150, .last = 250, .lock = 1}},
         {{100, 200}, {150, 250}}, {2}},
        {"b before a: left", {{10, 20}, {100, 200}, {50, 150}}, {{10, 20}, {100, 200}, {50, 150}}, {3}},
        {"faulty pairs are not counted", {{100, 200}, {.from = 50, .last = 150, .find = 1}},
         {{100, 200}, {50, 150}}, {}},
    };
    for (const Case &c : cases) {
        auto doc = DocumentOf(c.before);
        RepairOverlapPairs(*doc);
        for (int i = 1; i <= doc->LineCount; ++i) {
            EXPECT_EQ(doc->SubLines[i].From, c.after[i - 1].from) << c.name << " line " << i;
            EXPECT_EQ(doc->SubLines[i].Last, c.after[i - 1].last) << c.name << " line " << i;
            EXPECT_LE(doc->SubLines[i].From, doc->SubLines[i].Last) << c.name << " line " << i;
        }
        EXPECT_EQ(OverlapsLeft(*doc), c.left) << c.name;
    }
}

// A file opened with an early first subtitle is saved with its rate intact:
// the automatic repair runs after every opening.
TEST(OverlapRepair, LeavesTheFrameRateLineToPlayers)
{
    auto doc = std::make_unique<Document>();
    doc->reset();
    ReadSubtitles(QByteArray("{1}{1}25\r\n{0}{0}Hned na za\xE8\xE1tku\r\n{100}{200}Druh\xFD\r\n"), *doc,
                  DisplayTimeRule{});
    RepairOverlapPairs(*doc);
    EXPECT_TRUE(SerializeDocument(*doc, false).startsWith("{1}{1}25\r\n{0}{0}Hned")) << SerializeDocument(*doc, false).constData();
    doc->line(1).Lock = 0; // unlocked, it is spared all the same
    RepairOverlapPairs(*doc);
    EXPECT_EQ(doc->line(1).Last, 1);
}

TEST(OverlapRepair, SecondRunChangesNothingButStillCounts)
{
    auto doc = DocumentOf({{100, 200}, {150, 250}, {300, 400}});
    EXPECT_TRUE(OverlapRepairDue(*doc));
    ASSERT_TRUE(RepairOverlapPairs(*doc));
    EXPECT_FALSE(OverlapRepairDue(*doc));
    EXPECT_FALSE(RepairOverlapPairs(*doc));
    EXPECT_EQ(doc->OverlapCount, 1);
    EXPECT_TRUE(doc->OverlapReviewActive);
    doc->line(3).From = 240; // a new overlap behind the noted pair
    EXPECT_TRUE(OverlapRepairDue(*doc));
}

TEST(OverlapRepair, ANoteReplacesTheRawFieldText)
{
    auto doc = DocumentOf({{100, 200}, {150, 250}});
    doc->SubLines[2].FErr = "old raw";
    RepairOverlapPairs(*doc);
    EXPECT_EQ(doc->SubLines[2].FErr, "!? 150");
}

TEST(OverlapRepair, AcceptedNotesAreNoLongerCounted)
{
    auto doc = DocumentOf({{100, 200}, {150, 250}});
    RepairOverlapPairs(*doc);
    doc->SubLines[2].FErr.clear(); // what accepting does
    EXPECT_TRUE(OverlapRepairDue(*doc)); // the count is out of date
    EXPECT_FALSE(RepairOverlapPairs(*doc));
    EXPECT_FALSE(OverlapRepairDue(*doc));
    EXPECT_EQ(doc->OverlapCount, 0);
    EXPECT_TRUE(doc->OverlapReviewActive); // cleared only by accepting
}

TEST(OverlapRepair, FindNextRepair)
{
    auto doc = DocumentOf({{10, 20}, {100, 200}, {150, 250}, {300, 400}, {350, 360}});
    EXPECT_EQ(FindNextRepair(*doc, 0), 0); // no review before a repair
    RepairOverlapPairs(*doc);
    // Notes: line 3 (start moved) and line 4 (end cut to 350).
    const int cases[][2] = {{0, 3}, {1, 3}, {2, 3}, {3, 4}, {4, 0}, {5, 0}, {-7, 3}};
    for (const auto &c : cases)
        EXPECT_EQ(FindNextRepair(*doc, c[0]), c[1]) << "after " << c[0];
    doc->OverlapReviewActive = false;
    EXPECT_EQ(FindNextRepair(*doc, 0), 0);
}

TEST(OverlapRepair, NotesAnywhereInTheRawTexts)
{
    TSubLine l;
    EXPECT_FALSE(HasRepairNote(l));
    l.LErr = "x !? 5";
    EXPECT_TRUE(HasRepairNote(l));
    l.LErr = "!?5";
    EXPECT_FALSE(HasRepairNote(l));
    l.FErr = "!? 7";
    EXPECT_TRUE(HasRepairNote(l));
}

TEST(OverlapRepair, AcceptFollowsTheCurrentSubtitle)
{
    auto doc = DocumentOf({{100, 200}, {150, 250}});
    RepairOverlapPairs(*doc);
    doc->CurrentLine = 1;
    EXPECT_FALSE(CanAcceptRepair(*doc));
    doc->CurrentLine = 2;
    EXPECT_TRUE(CanAcceptRepair(*doc));
    doc->CurrentLine = -1;
    EXPECT_FALSE(CanAcceptRepair(*doc));
}

} // namespace

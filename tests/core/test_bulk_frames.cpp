#include "config/language_table.h"
#include "document/frame_text.h"
#include "operations/bulk_report.h"
#include "operations/bulk_scope.h"
#include "operations/frame_gaps.h"
#include "operations/frame_shift.h"
#include "operations/overlap_repair.h"
#include "sample_document.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace cuefold;
using cuefold::testing::DocumentOf;
using cuefold::testing::SampleLine;
using cuefold::testing::RowsChangedBy;

namespace {

struct Frames {
    double from, last;
    bool operator==(const Frames &) const = default;
};

std::vector<Frames> FramesOf(const Document &doc)
{
    std::vector<Frames> frames;
    for (int i = 1; i <= doc.LineCount; ++i)
        frames.push_back({doc.line(i).From, doc.line(i).Last});
    return frames;
}

std::ostream &operator<<(std::ostream &os, const Frames &f)
{
    return os << f.from << ".." << f.last;
}

TEST(BulkReport, CzechPluralForms)
{
    LoadDefaultTexts();
    struct Case {
        ReportKind kind;
        int n;
        const char *spacing;
        const QByteArray &text;
    };
    const Case cases[] = {
        {ReportKind::Changed, 0, " ", Texts.Sub3chg},     {ReportKind::Changed, 1, " ", Texts.Sub1chg},
        {ReportKind::OutOfRange, 3, "  ", Texts.Sub2oor}, {ReportKind::Changed, 5, " ", Texts.Sub3chg},
        {ReportKind::Changed, 22, " ", Texts.Sub3chg},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CountReport(c.kind, c.n), QByteArray::number(c.n) + c.spacing + c.text) << c.n;
    EXPECT_EQ(CountReport(ReportKind::Changed, 0), "0 titulk\xF9 bylo zm\xECn\xECno!");

    EXPECT_EQ(ReadingSpeedReport(0, 0, 0), "");
    EXPECT_EQ(ReadingSpeedReport(1, 0, 2), "1  " + Texts.Sub1cut + "\r2  " + Texts.Sub2lrg);
    EXPECT_EQ(ReadingSpeedReport(0, 5, 0), "5  " + Texts.Sub3shr + "\r");
    EXPECT_EQ(OverlapRepairQuestion(3), Texts.OverlapsReport1 + " 3\r" + Texts.OverlapsReport2);
    EXPECT_EQ(OverlapsLeftReport({}), "");
    const QByteArray left = OverlapsLeftReport({4, 9});
    EXPECT_TRUE(left.startsWith("P\xF8" "ekryvy ponechan\xE9 k ru\xE8n\xED oprav\xEC: 2 (prvn\xED u titulku 4).\r"))
        << left.constData();
    EXPECT_EQ(OverlapRepairQuestion(3, {4, 9}), Texts.OverlapsReport1 + " 3\r" + left + '\r' + Texts.OverlapsReport2);
}

TEST(BulkInput, TypedNumbers)
{
    struct Case {
        const char *typed;
        bool valid;
        double value, whole;
    };
    const Case cases[] = {
        {"12,5", true, 12.5, 12}, {"2.9", true, 2.9, 2}, {"-2,9", true, -2.9, -2}, {"0,5", true, 0.5, 0},
        {"1,2,3", false, 0, 0},   {"abc", false, 0, 0},  {"", false, 0, 0},        {"1e999", false, 0, 0},
    };
    for (const Case &c : cases) {
        double v = 0;
        EXPECT_EQ(ParseDecimal(c.typed, v), c.valid) << c.typed;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.typed;
            EXPECT_EQ(WholeFrames(v), c.whole) << c.typed;
        }
    }
}

TEST(BulkScope, Ranges)
{
    auto doc = DocumentOf({{1, 2}, {3, 4}, {5, 6}}, 2);
    EXPECT_EQ(ScopeRange(*doc, BulkScope::Remaining), (LineRange{2, 3}));
    EXPECT_EQ(ScopeRange(*doc, BulkScope::NearEntire), (LineRange{1, 3}));
    doc->CurrentLine = 4;
    EXPECT_TRUE(ScopeRange(*doc, BulkScope::Remaining).empty());
}

TEST(BulkFrames, Shift)
{
    struct Case {
        const char *name;
        double typed;
        int first;
        std::vector<SampleLine> before;
        std::vector<Frames> after;
        int outOfRange;
    };
    const Case cases[] = {
        {"below zero, each counted once", -10, 1, {{5, 20}, {3, 8}, {40, 50}}, {{0, 10}, {0, 0}, {30, 40}}, 2},
        {"2.9 moves 2", 2.9, 1, {{5, 20}}, {{7, 22}}, 0},
        {"-2.9 moves -2", -2.9, 1, {{5, 20}}, {{3, 18}}, 0},
        {"from the current one, locked spared", 5, 2,
         {{10, 20}, {30, 40}, {.from = 50, .last = 60, .lock = 1}, {70, 80}}, {{10, 20}, {35, 45}, {50, 60}, {75, 85}}, 0},
        {"unknown frames are numbers too", 5, 1, {{-1, -1}}, {{4, 4}}, 0},
        {"unknown below zero", -5, 1, {{-1, 10}}, {{0, 5}}, 1},
        {"beyond the largest frame, counted once", 1e300, 1, {{5, 20}}, {{9999999, 9999999}}, 1},
        {"a larger frame from the file grows no more", 10, 1, {{5, 2e7}}, {{15, 2e7}}, 1},
    };
    for (const Case &c : cases) {
        auto doc = DocumentOf(c.before);
        EXPECT_EQ(ShiftLines(*doc, c.first, WholeFrames(c.typed)), c.outOfRange) << c.name;
        EXPECT_EQ(FramesOf(*doc), c.after) << c.name;
    }
}

TEST(BulkFrames, ShiftTo)
{
    auto doc = DocumentOf({{100, 200}, {.from = 900, .last = 950, .lock = 1}, {1000, 1100}}, 2);
    const double d = ShiftToAmount(*doc, 2, 1000.8);
    EXPECT_EQ(d, 100);
    ShiftLines(*doc, 2, d);
    EXPECT_EQ(FramesOf(*doc), (std::vector<Frames>{{100, 200}, {900, 950}, {1100, 1200}}));
    EXPECT_EQ(ShiftToInitialText(*doc, 2, false, 1234.4), "900");
    EXPECT_EQ(ShiftToInitialText(*doc, 2, true, 1234.4), "1234");
}

TEST(BulkFrames, Enlarge)
{
    struct Case {
        const char *name;
        double delta;
        int first;
        std::vector<SampleLine> before;
        std::vector<Frames> after;
        int changed;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"cut at next start - gap - 1", 50, 1, {{100, 150}, {161, 300}}, {{100, 158}, {161, 350}}, 2, {1, 2}},
        {"landing on the next start is no cut", 50, 1, {{100, 150}, {200, 300}}, {{100, 200}, {200, 350}}, 2, {1, 2}},
        {"a cut never ends before its start", 50, 1, {{100, 150}, {101, 300}}, {{100, 100}, {101, 350}}, 2, {1, 2}},
        {"shortening stops at the start", -1000, 1, {{100, 100}, {200, 300}}, {{100, 100}, {200, 200}}, 1, {2}},
        {"locked spared, the next one's lock ignored", 50, 1,
         {{.from = 100, .last = 150, .lock = 1}, {200, 250}, {.from = 260, .last = 270, .lock = 1}},
         {{100, 150}, {200, 257}, {260, 270}}, 1, {2}},
        {"from the last subtitle", 10, 2, {{100, 150}, {200, 250}}, {{100, 150}, {200, 260}}, 1, {2}},
        {"typed 0,5 moves nothing", WholeFrames(0.5), 1, {{100, 150}}, {{100, 150}}, 0, {}},
        {"never beyond the largest frame", 1e300, 1, {{100, 150}}, {{100, 9999999}}, 1, {1}},
    };
    for (const Case &c : cases) {
        auto doc = DocumentOf(c.before);
        int changed = 0;
        const std::vector<int> rows =
            RowsChangedBy(*doc, [&](Document &d) { changed = EnlargeLines(d, c.first, c.delta, 2); });
        EXPECT_EQ(changed, c.changed) << c.name;
        EXPECT_EQ(FramesOf(*doc), c.after) << c.name;
        EXPECT_EQ(rows, c.rows) << c.name;
    }
}

TEST(BulkFrames, Gaps)
{
    struct Case {
        const char *name;
        double limit; // 0: insert gaps instead of closing short ones
        std::vector<SampleLine> before;
        std::vector<Frames> after;
        int changed;
    };
    const Case cases[] = {
        {"close a gap of 1", 5, {{100, 150}, {152, 200}}, {{100, 149}, {152, 200}}, 1},
        {"insert a gap of 1", 0, {{100, 150}, {152, 200}}, {{100, 149}, {152, 200}}, 1},
        {"close touching", 5, {{100, 150}, {151, 200}}, {{100, 148}, {151, 200}}, 1},
        {"insert touching", 0, {{100, 150}, {151, 200}}, {{100, 148}, {151, 200}}, 1},
        {"insert leaves a full gap", 0, {{100, 150}, {153, 200}}, {{100, 150}, {153, 200}}, 0},
        {"close a long gap under the limit", 10, {{100, 150}, {160, 200}}, {{100, 157}, {160, 200}}, 1},
        {"close an overlap", 10, {{100, 170}, {160, 200}}, {{100, 157}, {160, 200}}, 1},
        {"never before its start", 10, {{100, 150}, {90, 200}}, {{100, 100}, {90, 200}}, 1},
        {"locked spared, before a locked one changed", 0,
         {{.from = 100, .last = 160, .lock = 1}, {150, 200}, {.from = 200, .last = 300, .lock = 1}},
         {{100, 160}, {150, 197}, {200, 300}}, 1},
    };
    for (const Case &c : cases) {
        auto doc = DocumentOf(c.before);
        const int changed = c.limit == 0 ? InsertGaps(*doc, 2) : CloseShortGaps(*doc, c.limit, 2);
        EXPECT_EQ(changed, c.changed) << c.name;
        EXPECT_EQ(FramesOf(*doc), c.after) << c.name;
    }
    EXPECT_EQ(GapLimitInitialText(25), "8");
    EXPECT_EQ(GapLimitInitialText(19.5), "6"); // 6.5: halves to even
    EXPECT_TRUE(GapLimitTooLow(2, 2));
}

// Unlocked or not, the frame-rate line stays {1}{1}: players read the rate
// only from there. A subtitle 1 on frames 0 whose text is no rate is an
// ordinary subtitle.
TEST(BulkFrames, SpareTheFrameRateLine)
{
    const auto run = [](const std::vector<SampleLine> &lines, auto command) {
        auto doc = DocumentOf(lines);
        command(*doc);
        return FramesOf(*doc);
    };
    const std::vector<SampleLine> rated{{1, 1, "25"}, {10, 20}, {30, 40}};
    const std::vector<SampleLine> early{{0, 0, "Hned"}, {10, 20}, {30, 40}};
    EXPECT_EQ(run(rated, [](Document &d) { ShiftLines(d, 1, 5); }),
              (std::vector<Frames>{{1, 1}, {15, 25}, {35, 45}}));
    EXPECT_EQ(run(rated, [](Document &d) { ShiftLines(d, 1, ShiftToAmount(d, 1, 6)); }),
              (std::vector<Frames>{{1, 1}, {15, 25}, {35, 45}}));
    EXPECT_EQ(run(rated, [](Document &d) { EnlargeLines(d, 1, 50, 2); }),
              (std::vector<Frames>{{1, 1}, {10, 27}, {30, 90}}));
    EXPECT_EQ(run(rated, [](Document &d) { CloseShortGaps(d, 100, 2); }),
              (std::vector<Frames>{{1, 1}, {10, 27}, {30, 40}}));
    EXPECT_EQ(run({{1, 1, "25"}, {0, 0}, {100, 200}}, [](Document &d) { RepairOverlapPairs(d); }),
              (std::vector<Frames>{{1, 1}, {0, 0}, {100, 200}}));
    EXPECT_EQ(run(early, [](Document &d) { ShiftLines(d, 1, 5); }),
              (std::vector<Frames>{{5, 5}, {15, 25}, {35, 45}}));
    EXPECT_EQ(run(early, [](Document &d) { CloseShortGaps(d, 100, 2); }),
              (std::vector<Frames>{{0, 7}, {10, 27}, {30, 40}}));
    EXPECT_EQ(FirstMovableLine(*DocumentOf(rated), 3), 3);
    EXPECT_EQ(FirstMovableLine(*DocumentOf(rated), -1), 2);
}

TEST(BulkFrames, AcceptWalk)
{
    // Notes after the repair: line 2 (start moved to 200), line 3 (end cut to 350).
    auto doc = DocumentOf({{10, 20}, {150, 250}, {300, 400}, {350, 360}, {500, 600}});
    doc->line(1).Last = 200;
    ASSERT_TRUE(RepairOverlapPairs(*doc));
    EXPECT_EQ(FirstRepair(*doc), 2);

    // An overlap made after the repair is caught and walked to.
    doc->line(5).From = 340;
    int next = 0;
    const std::vector<int> rows = RowsChangedBy(*doc, [&](Document &d) { next = AcceptRepair(d, 2); });
    EXPECT_EQ(next, 3);
    EXPECT_EQ(doc->line(2).FErr, "");
    EXPECT_EQ(doc->line(2).From, 200);
    EXPECT_EQ(rows, (std::vector<int>{2, 5}));
    EXPECT_EQ(doc->line(5).FErr, "!? 340");

    EXPECT_EQ(AcceptRepair(*doc, 3), 5);
    EXPECT_EQ(AcceptRepair(*doc, 5), 0);
    EXPECT_EQ(doc->OverlapCount, 0);
    EXPECT_FALSE(CanAcceptRepair(*doc));

    // A note on subtitle 1 starts the review there.
    auto first = DocumentOf({{100, 200}, {120, 180}});
    RepairOverlapPairs(*first);
    EXPECT_EQ(FirstRepair(*first), 1);
    // With no notes left by the last run, accepting ends the review.
    first->OverlapCount = 0;
    EXPECT_EQ(AcceptRepair(*first, 1), 0);
    EXPECT_FALSE(first->OverlapReviewActive);
}

} // namespace

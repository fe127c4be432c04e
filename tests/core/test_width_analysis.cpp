#include "operations/width_analysis.h"
#include "sample_document.h"

#include <gtest/gtest.h>
#include <vector>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

// 7 pixels a letter, a "W" 10 more.
int Pixels(const QByteArray &row)
{
    return int(row.size()) * 7 + int(row.count('W')) * 10;
}

std::unique_ptr<Document> Sample()
{
    return DocumentOf({{.text = "Ahoj|sv\xECte"},
                       {.text = "WWWWWWWWW", .lock = 1},
                       {.text = "abcd|efghi"},
                       {.text = ""},
                       {.text = "WW"},
                       {.text = "|"}});
}

TEST(WidthAnalysis, ListsNarrowestFirstInDocumentOrder)
{
    using E = AnalysisEntry;
    const struct {
        AnalysisKind kind;
        std::vector<E> entries;
    } cases[] = {
        {AnalysisKind::Pixels, {{0, 4}, {0, 6}, {34, 5}, {35, 1}, {35, 3}}},
        {AnalysisKind::FullLength, {{0, 4}, {1, 6}, {2, 5}, {10, 1}, {10, 3}}},
        {AnalysisKind::RowLength, {{0, 4}, {0, 6}, {2, 5}, {5, 1}, {5, 3}}},
    };
    const auto doc = Sample();
    for (const auto &c : cases)
        EXPECT_EQ(BuildAnalysisList(*doc, c.kind, Pixels), c.entries) << int(c.kind);
}

TEST(WidthAnalysis, WidthsSummedFromCharacters)
{
    int measured = 0;
    const RowWidth width = SummedCharacterWidths([&measured](QChar c) {
        ++measured;
        return c == u'W' ? 10 : c == u'\u010C' ? 8 : 3;
    });
    EXPECT_EQ(measured, 256);
    EXPECT_EQ(width("WaW"), 23);
    EXPECT_EQ(width("\xC8" "au"), 14);
    EXPECT_EQ(width(""), 0);
}

TEST(WidthAnalysis, SteppingFromTheWidest)
{
    const auto doc = Sample();
    WidthAnalysis a;
    a.build(AnalysisKind::Pixels, *doc, Pixels);
    EXPECT_TRUE(a.Active);
    EXPECT_EQ(a.count(AnalysisKind::Pixels), 5);
    EXPECT_EQ(a.count(AnalysisKind::RowLength), -1);
    EXPECT_EQ(*a.shown(AnalysisKind::Pixels), (AnalysisEntry{35, 3}));
    EXPECT_EQ(*a.step(AnalysisKind::Pixels, -1), (AnalysisEntry{35, 1}));
    EXPECT_EQ(a.step(AnalysisKind::Pixels, -10)->Line, 4);
    EXPECT_EQ(a.step(AnalysisKind::Pixels, +10)->Line, 3);
    // "Aktuální": the current subtitle's entry, or no move for a locked one.
    EXPECT_EQ(a.standOn(AnalysisKind::Pixels, 5)->Line, 5);
    EXPECT_EQ(a.position(AnalysisKind::Pixels), 3);
    EXPECT_EQ(a.standOn(AnalysisKind::Pixels, 2)->Line, 5);
}

TEST(WidthAnalysis, OneEntryShowsOnlyItsCount)
{
    const auto doc = DocumentOf({{.text = "Ahoj"}, {.text = "Zam\xE8" "eno", .lock = 1}});
    WidthAnalysis a;
    a.build(AnalysisKind::FullLength, *doc, Pixels);
    EXPECT_EQ(a.count(AnalysisKind::FullLength), 1);
    EXPECT_EQ(a.shown(AnalysisKind::FullLength), nullptr);
    EXPECT_EQ(a.step(AnalysisKind::FullLength, -1), nullptr);
    EXPECT_EQ(a.standOn(AnalysisKind::FullLength, 1), nullptr);
}

TEST(WidthAnalysis, RefreshAfterAStructuralChange)
{
    auto doc = Sample();
    WidthAnalysis a;
    EXPECT_FALSE(a.rebuild(*doc, Pixels)); // nothing built yet
    a.build(AnalysisKind::Pixels, *doc, Pixels);
    a.build(AnalysisKind::RowLength, *doc, Pixels);
    a.step(AnalysisKind::Pixels, -4); // on the narrowest
    for (int i = 1; i <= doc->LineCount; ++i)
        doc->line(i).Lock = i != 4 && i != 5;
    ASSERT_TRUE(a.rebuild(*doc, Pixels));
    EXPECT_TRUE(a.Active);
    EXPECT_EQ(a.count(AnalysisKind::Pixels), 2);
    EXPECT_EQ(a.position(AnalysisKind::Pixels), 2); // one place further on
    EXPECT_EQ(a.count(AnalysisKind::RowLength), 2);
    EXPECT_EQ(a.count(AnalysisKind::FullLength), -1); // never built

    // A list left without entries is dropped by the next rebuild, and the
    // analysis is no longer active.
    for (int i = 1; i <= doc->LineCount; ++i)
        doc->line(i).Lock = 1;
    ASSERT_TRUE(a.rebuild(*doc, Pixels));
    EXPECT_EQ(a.count(AnalysisKind::Pixels), 0);
    ASSERT_TRUE(a.rebuild(*doc, Pixels));
    EXPECT_EQ(a.count(AnalysisKind::Pixels), -1);
    EXPECT_FALSE(a.Active);
    EXPECT_FALSE(a.rebuild(*doc, Pixels));

    a.build(AnalysisKind::FullLength, *doc, Pixels);
    a.clear();
    EXPECT_FALSE(a.Active);
    EXPECT_EQ(a.count(AnalysisKind::FullLength), -1);
}

} // namespace

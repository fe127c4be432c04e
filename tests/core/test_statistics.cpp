#include "config/language_table.h"
#include "document/document.h"
#include "io_test_support.h"
#include "operations/overlap_repair.h"
#include "search/statistics.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadDefaultTexts();
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

std::unique_ptr<Document> NewDocument()
{
    auto doc = std::make_unique<Document>();
    doc->reset();
    doc->LineCount = 1;
    doc->CurrentLine = 1;
    doc->SubLines[1].From = 1;
    doc->SubLines[1].Last = 1;
    doc->markSaved();
    return doc;
}

TEST_F(StatisticsTest, NewDocument)
{
    auto doc = NewDocument();
    const FileStatistics s = CollectStatistics(*doc);
    EXPECT_FALSE(s.FileFound);
    EXPECT_EQ(s.Lines, 1);
    EXPECT_EQ(s.EmptyLines, 1);
    EXPECT_EQ(s.FrameRate, "?");
    const PropertyLabels l = ComposePropertyLabels(s);
    EXPECT_EQ(l.FileSize, "Velikost souboru: ? bajt\xF9");
    EXPECT_EQ(l.FileAttributes, "Atributy souboru: ? ");
    EXPECT_EQ(l.Lines, "Po\xE8" "et titulk\xF9: 1");
    EXPECT_EQ(l.EmptyLines, "Po\xE8" "et pr\xE1zdn\xFD" "ch titulk\xF9: 1");
    EXPECT_EQ(l.ChangedLines, "Po\xE8" "et zm\xECn\xECn\xFD" "ch titulk\xF9: 0");
    EXPECT_EQ(l.FPS, "Po\xE8" "et sn\xEDmk\xF9 za sekundu: ?");
}

TEST_F(StatisticsTest, OpenedFileCounts)
{
    const QString path = dir.filePath("film.sub");
    const QByteArray bytes = "{1}{1}25\r\n{10}{}A\r\n{80}{90}}\r\n{x}{100}C\r\n{95}{120}D\r\n{200}{300}}E\r\n";
    WriteBytes(path, bytes);
    auto doc = ReadBytes(bytes);
    doc->SubFileName = path;
    doc->SubLines[2].Mark = doc->SubLines[3].Mark = doc->SubLines[6].Mark = 1;
    doc->SubLines[6].Text = "changed";
    doc->StructChanged = true;
    doc->MissingEndCount = 99; // counted from the subtitles, not taken from the reader
    RepairOverlapPairs(*doc);

    const FileStatistics s = CollectStatistics(*doc);
    EXPECT_TRUE(s.FileFound);
    EXPECT_EQ(s.FileSize, bytes.size());
    EXPECT_EQ(s.Attributes, "A");
    EXPECT_EQ(s.Lines, 6);
    EXPECT_EQ(s.EmptyLines, 1);
    EXPECT_EQ(s.LockedLines, 3);   // the frame-rate subtitle is locked when read
    EXPECT_EQ(s.MarkedLines, 3);
    EXPECT_EQ(s.ChangedLines, 1);
    EXPECT_EQ(s.SyntaxErrors, 1);
    EXPECT_EQ(s.MissingEnds, 1);
    EXPECT_EQ(s.Overlaps, 0);      // the overlapping pair has a faulty line
    EXPECT_EQ(s.FrameRate, "25");

    const PropertyLabels l = ComposePropertyLabels(s);
    EXPECT_EQ(l.FileSize, "Velikost souboru: " + QByteArray::number(bytes.size()) + " bajt\xF9");
    EXPECT_EQ(l.FileAttributes, "Atributy souboru:  A");
    EXPECT_EQ(l.MarkLines, "Po\xE8" "et ozna\xE8" "en\xFD" "ch titulk\xF9: 3");
    EXPECT_EQ(l.ChangedLines, "Po\xE8" "et zm\xECn\xECn\xFD" "ch titulk\xF9: >1");
    EXPECT_EQ(l.SyntaxErrors, "Po\xE8" "et syntaktick\xFD" "ch chyb: 1");
    EXPECT_EQ(l.FPS, "Po\xE8" "et sn\xEDmk\xF9 za sekundu: 25");
}

TEST_F(StatisticsTest, OverlapsLeaveTheDocumentChanged)
{
    auto doc = ReadBytes("{100}{200}A\r\n{150}{250}B\r\n");
    EXPECT_TRUE(RepairOverlapPairs(*doc));
    const FileStatistics s = CollectStatistics(*doc);
    EXPECT_EQ(s.Overlaps, 1);
    EXPECT_EQ(s.ChangedLines, 1);
    EXPECT_EQ(ComposePropertyLabels(s).Overlaps, "Po\xE8" "et \xE8" "asov\xEC se p\xF8" "ekr\xFDvaj\xED" "c\xED" "ch titulk\xF9: 1");
}

TEST_F(StatisticsTest, FrameRateComesOnlyFromTheFirstSubtitle)
{
    const struct { const char *input; QByteArray rate; } cases[] = {
        {"{1}{1}23,976\r\n", "23.976"},
        {"{0}{0}25\r\n", "25"},
        {"{1}{2}25\r\n", "?"},
        {"{1}{1}61\r\n", "?"},
    };
    for (const auto &c : cases) {
        auto doc = ReadBytes(c.input);
        doc->FPS = 25;
        EXPECT_EQ(CollectStatistics(*doc).FrameRate, c.rate) << c.input;
    }
}

TEST_F(StatisticsTest, AttributeLetters)
{
    const QString plain = dir.filePath("film.sub");
    const QString hidden = dir.filePath(".film.sub");
    WriteBytes(plain, "x");
    WriteBytes(hidden, "x");
    EXPECT_EQ(FileAttributeLetters(plain), "A");
    EXPECT_EQ(FileAttributeLetters(hidden), "HA");
    EXPECT_EQ(FileAttributeLetters(dir.path()), "D");
    ImmutableFile readOnly(plain);
    if (readOnly.active()) {
        EXPECT_EQ(FileAttributeLetters(plain), "RA");
    }
}

TEST_F(StatisticsTest, FilterLabels)
{
    const FilterLabels used = ComposeFilterLabels(true, true, "/home/x/subs");
    EXPECT_EQ(used.DirectShow, "DirectShow Subtitler DivXG400 vyu\x9Eit: Ano");
    EXPECT_EQ(used.AuxFolder, "Pomocn\xE1 slo\x9Eka DivXG400:\n/home/x/subs");
    const FilterLabels unusable = ComposeFilterLabels(true, false, "/x");
    EXPECT_EQ(unusable.DirectShow, "DirectShow Subtitler DivXG400 vyu\x9Eit: Ne");
    EXPECT_EQ(unusable.AuxFolder, "Pomocn\xE1 slo\x9Eka DivXG400: Nespr\xE1vn\xE1");
    EXPECT_TRUE(ComposeFilterLabels(false, false, "/x").AuxFolder.isEmpty());
}

} // namespace

#include "config/settings_rows.h"
#include "document/reading_speed.h"
#include "sample_document.h"
#include "search/find_rules.h"

#include <gtest/gtest.h>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

TEST(ReadingSpeed, RowsCountOnlyVisibleCharacters)
{
    struct Case {
        const char *text;
        QList<int> rows;
    };
    const Case cases[] = {
        {"", {0}},
        {"Ahoj", {4}},
        {"{y:i}Ahoj|{c:$0000FF}jak se m\xE1\x9A", {4, 10}},
        {"{y:i}", {0}},
        {"||", {0, 0, 0}},
        {"a{b|c}d", {3, 3}},   // a brace closed only in the next row is text
        {"a {b", {4}},         // never closed
        {"{Y:b}{y:i}-Ne.|-Ano.", {4, 5}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(VisibleRowLengths(c.text), c.rows) << c.text;
}

TEST(ReadingSpeed, CharactersPerSecondOverTheFramesOnScreen)
{
    // 10 + 11 visible characters for 25 frames (100..124) at 25 fps.
    const QByteArray text = "{y:i}Dobr\xFD den,|pane Nov\xE1ku";
    ReadingSpeed r = MeasureReading(text, 100, 124, 25);
    EXPECT_DOUBLE_EQ(r.Cps, 21); // 21 visible characters in one second
    ReadingLimits limits;
    EXPECT_TRUE(r.tooFast(limits));
    limits.MaxCPS = 21;
    EXPECT_FALSE(r.tooFast(limits)); // at the limit is still fine
    EXPECT_FALSE(r.overLimits(limits));
    limits.MaxRowLength = 10;
    EXPECT_FALSE(r.rowTooLong(0, limits));
    EXPECT_TRUE(r.rowTooLong(1, limits)); // 11 characters
    EXPECT_TRUE(r.overLimits(limits));

    EXPECT_EQ(MeasureReading(text, 100, 124, -1).Cps, -1); // no frame rate
    EXPECT_EQ(MeasureReading(text, 100, 99, 25).Cps, -1);  // ends before it starts
    EXPECT_DOUBLE_EQ(MeasureReading(text, 100, 100, 25).Cps, 525);
    EXPECT_DOUBLE_EQ(MeasureReading("", 100, 124, 25).Cps, 0);
}

TEST(ReadingSpeed, DocumentSubtitlesAndTheTooFastSearch)
{
    auto doc = DocumentOf({{.from = 1, .last = 1, .text = "25"},
                           {.from = 10, .last = 59, .text = "Pomalu."},
                           {.from = 60, .last = 64, .text = "Tohle je moc rychle."},
                           {.from = 70, .last = 74, .text = "{y:b}"},
                           {.from = 80, .last = 81, .text = "Taky rychle."}});
    doc->FPS = 25;
    // The frame-rate line is no text to read.
    EXPECT_TRUE(MeasureSubtitle(*doc, 1).RowLengths.isEmpty());
    EXPECT_FALSE(MeasureSubtitle(*doc, 1).overLimits({}));
    EXPECT_DOUBLE_EQ(MeasureSubtitle(*doc, 2).Cps, 3.5);

    EXPECT_EQ(FindNextMatch(*doc, FindWhat::TooFast, {.MaxCPS = 17}, 0), 3);
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::TooFast, {.MaxCPS = 17}, 3), 5); // codes alone are nothing to read
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::TooFast, {.MaxCPS = 100}, 0), 5);
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::TooFast, {.MaxCPS = 100}, 5), 0);
    doc->FPS = -1;
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::TooFast, {.MaxCPS = 1}, 0), 0);
}

TEST(ReadingSpeed, LimitsAreSettingsWithTheirDefaults)
{
    const ProgramSettings s;
    EXPECT_EQ(s.Main.Reading.MaxCPS, 17);
    EXPECT_EQ(s.Main.Reading.MaxRowLength, 42);
    for (const char *control : {"EditMaxCPS", "EditMaxRowLength"}) {
        const SettingRow *row = RowShownBy(control);
        ASSERT_TRUE(row) << control;
        EXPECT_EQ(row->section, QByteArray("Main"));
        EXPECT_FALSE(row->accepts(0)); // a zero limit would flag every text
    }
}

} // namespace

#include "operations/range_commands.h"
#include "sample_document.h"

#include <gtest/gtest.h>
#include <vector>

using namespace cuefold;
using cuefold::testing::DocumentOf;
using cuefold::testing::RowsChangedBy;

namespace {

std::vector<QByteArray> TextsOf(const Document &doc)
{
    std::vector<QByteArray> texts;
    for (int i = 1; i <= doc.LineCount; ++i)
        texts.push_back(doc.line(i).Text);
    return texts;
}

TEST(RangeCommands, BreaksOfOneText)
{
    const char *cases[][2] = {
        {"Jedna|dva", "Jedna dva"}, {"konec|", "konec"}, {"a||b", "a  b"}, {"|za\xE8\xE1tek", " za\xE8\xE1tek"},
        {"a||", "a "},              {"|", ""},          {"", ""},          {"-Ahoj|-\xC8" "au", "-Ahoj -\xC8" "au"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RemoveAllBreaks(c[0]), c[1]) << c[0];
    EXPECT_TRUE(IsDialogue("Ahoj|-\xC8" "au"));
    EXPECT_FALSE(IsDialogue("-Ahoj|\xC8" "au"));
    EXPECT_TRUE(IsDialogue("Ahoj|v\xEC" "di|-Ne"));
    EXPECT_FALSE(IsDialogue("Ahoj|"));
}

TEST(RangeCommands, RemoveBreaks)
{
    struct Case {
        const char *name;
        RangeChoice choice;
        std::vector<QByteArray> texts;
        int changed;
    };
    const Case cases[] = {
        {"whole file, locks respected", {},
         {"Jedna dva", "-Ahoj -\xC8" "au -Nazdar", "T\xF8i|\xE8ty\xF8i", "P\xECt|", "\x8A" "est"}, 2},
        {"dialogues kept broken", {.Except = true},
         {"Jedna dva", "-Ahoj|-\xC8" "au|-Nazdar", "T\xF8i|\xE8ty\xF8i", "P\xECt|", "\x8A" "est"}, 1},
        {"locks ignored", {.Stint = RangeStint::IgnoreLock},
         {"Jedna dva", "-Ahoj -\xC8" "au -Nazdar", "T\xF8i \xE8ty\xF8i", "P\xECt", "\x8A" "est"}, 4},
        {"marked only, locked or not", {.Stint = RangeStint::MarkedOnly},
         {"Jedna|dva", "-Ahoj|-\xC8" "au|-Nazdar", "T\xF8i|\xE8ty\xF8i", "P\xECt", "\x8A" "est"}, 1},
        {"current to current", {.FromCurrent = true, .ToCurrent = true},
         {"Jedna|dva", "-Ahoj -\xC8" "au -Nazdar", "T\xF8i|\xE8ty\xF8i", "P\xECt|", "\x8A" "est"}, 1},
        {"start to current, dialogue spared", {.ToCurrent = true, .Except = true},
         {"Jedna dva", "-Ahoj|-\xC8" "au|-Nazdar", "T\xF8i|\xE8ty\xF8i", "P\xECt|", "\x8A" "est"}, 1},
    };
    for (const Case &c : cases) {
        auto doc = DocumentOf({{.text = "Jedna|dva"},
                               {.text = "-Ahoj|-\xC8" "au|-Nazdar"},
                               {.text = "T\xF8i|\xE8ty\xF8i", .lock = 1},
                               {.text = "P\xECt|", .lock = 1, .mark = 1},
                               {.text = "\x8A" "est", .mark = 1}},
                              2);
        int changed = 0;
        const std::vector<int> rows =
            RowsChangedBy(*doc, [&](Document &d) { changed = RemoveBreaksInRange(d, c.choice); });
        EXPECT_EQ(changed, c.changed) << c.name;
        EXPECT_EQ(TextsOf(*doc), c.texts) << c.name;
        EXPECT_EQ(int(rows.size()), c.changed) << c.name;
    }
}

TEST(RangeCommands, LockAndUnlock)
{
    struct Case {
        const char *name;
        bool lock;
        RangeChoice choice;
        std::vector<int> locks;
        int changed;
    };
    const Case cases[] = {
        {"lock all", true, {}, {1, 1, 1, 1}, 2},
        {"lock dialogues only", true, {.Except = true}, {1, 0, 1, 1}, 1},
        {"the stint plays no part", true, {.Stint = RangeStint::MarkedOnly}, {1, 1, 1, 1}, 2},
        {"unlock all", false, {}, {0, 0, 0, 0}, 2},
        {"dialogues stay locked", false, {.Except = true}, {0, 0, 1, 0}, 1},
        {"from the current one", false, {.FromCurrent = true}, {0, 0, 0, 0}, 2},
        {"to the current one", true, {.ToCurrent = true}, {1, 1, 1, 1}, 2},
    };
    for (const Case &c : cases) {
        auto doc = DocumentOf({{.text = "A|-b"}, {.text = "Text"}, {.text = "-C|-d", .lock = 1}, {.text = "Plain", .lock = 1}},
                              2);
        EXPECT_EQ(SetLockInRange(*doc, c.choice, c.lock), c.changed) << c.name;
        std::vector<int> locks;
        for (int i = 1; i <= doc->LineCount; ++i)
            locks.push_back(doc->line(i).Lock);
        EXPECT_EQ(locks, c.locks) << c.name;
    }
}

TEST(RangeCommands, Ranges)
{
    auto doc = DocumentOf({{}, {}, {}}, 2);
    EXPECT_EQ(ChosenRange(*doc, {}), (LineRange{1, 3}));
    EXPECT_EQ(ChosenRange(*doc, {.FromCurrent = true, .ToCurrent = true}), (LineRange{2, 2}));
    doc->CurrentLine = -1;
    EXPECT_TRUE(ChosenRange(*doc, {.FromCurrent = true}).empty());
    EXPECT_EQ(ChosenRange(*doc, {}), (LineRange{1, 3}));
    EXPECT_TRUE(ChosenRange(*doc, {.ToCurrent = true}).empty());
}

TEST(RangeCommands, UnmarkAllLeavesTheDocumentSaved)
{
    auto doc = DocumentOf({{.mark = 1}, {}, {.lock = 1, .mark = 1}});
    int unmarked = 0;
    const std::vector<int> rows = RowsChangedBy(*doc, [&](Document &d) { unmarked = UnmarkAll(d); });
    EXPECT_EQ(unmarked, 2);
    EXPECT_EQ(rows, (std::vector<int>{1, 3}));
    EXPECT_FALSE(doc->recount());
    EXPECT_EQ(doc->MarkedCount, 0);
}

} // namespace

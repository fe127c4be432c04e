#include "editor/dialogue_dashes.h"

#include <gtest/gtest.h>

namespace cuefold {
namespace {

struct TextCase {
    const char *before;
    const char *after;
};

TEST(DialogueDashes, AddPutsADashBeforeEveryRowAndCapitalises)
{
    const TextCase cases[] = {
        {"kde jsi byl? |  - doma.", "-Kde jsi byl?|-Doma."},
        {"-  ahoj|-\xE8" "au", "-Ahoj|-\xC8" "au"},            // national letters through the code page
        {"|", "-|-"},
        {"a|", "-A|-"},
        {"--a|b", "--a|-B"},                                   // a second dash is not a letter
        {"a  |  b|c", "-A|-B|-C"},
        {"-Kde?|-Doma.", "-Kde?|-Doma."},                      // already a dialogue
        {"1. ano|2. ne", "-1. ano|-2. ne"},                    // no upper case form: unchanged
        {"a|b C", "-A|-B C"},                                  // only the first letter of a row
    };
    for (const auto &c : cases) {
        const DialogueEdit edit = AddDialogueDashes(c.before);
        EXPECT_EQ(edit.Outcome, DialogueOutcome::Done) << c.before;
        EXPECT_EQ(edit.Text, QByteArray(c.after)) << c.before;
    }
}

TEST(DialogueDashes, AddRefusesOneRowTexts)
{
    for (const char *text : {"Ano", " - ano ", ""}) {
        const DialogueEdit edit = AddDialogueDashes(text);
        EXPECT_EQ(edit.Outcome, DialogueOutcome::NoDirectSpeech) << text;
        EXPECT_EQ(edit.Text, QByteArray(text)) << text;
    }
}

TEST(DialogueDashes, AddTwiceEqualsAddOnce)
{
    for (const char *text : {"kde jsi byl? |  - doma.", "a|", "|", "--a|b", "x | - y |z"}) {
        const QByteArray once = AddDialogueDashes(text).Text;
        EXPECT_EQ(AddDialogueDashes(once).Text, once) << text;
    }
}

TEST(DialogueDashes, RemoveDropsRowDashesAndTidiesSpaces)
{
    const TextCase cases[] = {
        {"-Kde jsi byl?|-Doma.", "Kde jsi byl?|Doma."},
        {"- Ano", "Ano"},
        {"--a|--b", "-a|b"},                                   // one dash at the start, all after breaks
        {"-Ahoj|-\xC8" "au", "Ahoj|\xC8" "au"},                // capitals stay
        {"a |  b", "a|b"},                                     // spaces go even when no dash does
        {"  x", "x"},
        {"-|-", "|"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RemoveDialogueDashes(c.before), QByteArray(c.after)) << c.before;
}

TEST(DialogueDashes, SpaceNormalisation)
{
    const TextCase cases[] = {
        {"a   |   b", "a|b"},
        {"a|-   b", "a|-b"},
        {"a| -  b", "a|-b"},
        {"   - -x", "--x"},
        {"- - x", "-- x"},
        {"a - b", "a - b"},                                    // spaces away from breaks stay
    };
    for (const auto &c : cases)
        EXPECT_EQ(TrimSpacesAroundBreaks(c.before), QByteArray(c.after)) << c.before;
}

} // namespace
} // namespace cuefold

#include "editor/line_breaks.h"

#include <gtest/gtest.h>

namespace cuefold {
namespace {

using Transform = QByteArray (*)(const QByteArray &);

struct BreakCase {
    const char *name;
    Transform transform;
    const char *before;
    const char *after;
};

void PrintTo(const BreakCase &c, std::ostream *os) { *os << c.name << " on \"" << c.before << '"'; }

class LineBreakTransform : public ::testing::TestWithParam<BreakCase> {};

TEST_P(LineBreakTransform, GivesExpectedText)
{
    const BreakCase &c = GetParam();
    EXPECT_EQ(c.transform(QByteArray(c.before)), QByteArray(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    BreakLeft, LineBreakTransform,
    ::testing::Values(
        BreakCase{"F5", MoveBreakLeft, "Hello, world|how are you", "Hello,|world how are you"},
        BreakCase{"F5", MoveBreakLeft, "Hello,|world how are you", "|Hello, world how are you"},
        BreakCase{"F5", MoveBreakLeft, "|Hello, world how are you", "Hello, world how are you"},
        BreakCase{"F5", MoveBreakLeft, "one two three four", "one two|three four"},
        BreakCase{"F5", MoveBreakLeft, "a bcdefgh", "a|bcdefgh"},      // space only before the middle
        BreakCase{"F5", MoveBreakLeft, "word", "|word"},
        BreakCase{"F5", MoveBreakLeft, "one,two", "|one,two"},         // punctuation never becomes a break
        BreakCase{"F5", MoveBreakLeft, "a,b|c", "a,|b c"},             // comma stays on the upper row
        BreakCase{"F5", MoveBreakLeft, "ab?! |cd", "|ab?!  cd"},
        BreakCase{"F5", MoveBreakLeft, "  x y|z", "  x|y z"},          // leading spaces stay
        BreakCase{"F5", MoveBreakLeft, "ab |", "|ab"},                 // trailing spaces go
        BreakCase{"F5", MoveBreakLeft, "| ", ""},                      // all spaces end up empty
        BreakCase{"F5", MoveBreakLeft, "|", "|"},
        BreakCase{"F5", MoveBreakLeft, "", ""}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    BreakRight, LineBreakTransform,
    ::testing::Values(
        BreakCase{"F6", MoveBreakRight, "Hello, world|how are you", "Hello, world how|are you"},
        BreakCase{"F6", MoveBreakRight, "one two three four", "one two|three four"},
        BreakCase{"F6", MoveBreakRight, "word", "word|"},
        BreakCase{"F6", MoveBreakRight, "word|", "word"},
        BreakCase{"F6", MoveBreakRight, "A|B|C D", "A B|C D"},         // two breaks become one
        BreakCase{"F6", MoveBreakRight, "a|b, c", "a b,|c"},           // after the whole separator run
        BreakCase{"F6", MoveBreakRight, "a|b.c", "a b.|c"},
        BreakCase{"F6", MoveBreakRight, "a|bc", "a bc|"},              // no separator after the break
        BreakCase{"F6", MoveBreakRight, "a|bc.", "a bc.|"},
        BreakCase{"F6", MoveBreakRight, "|x y", "x|y"},                // one leading space goes
        BreakCase{"F6", MoveBreakRight, " |x y", " x|y"},              // ...but only one
        BreakCase{"F6", MoveBreakRight, "|", "|"},
        BreakCase{"F6", MoveBreakRight, "", ""}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    SecondBreak, LineBreakTransform,
    ::testing::Values(
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "A|B C|D", "A|B|C D"},
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "A|B|C D", "A||B C D"},
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "A||B C D", "A|B C D"},
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "A|B C D", "A|B|C D"},  // inserted in the rows after
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "A|word", "A|word"},    // no break at either end
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "A|", "A|"},
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "word", "word"},
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "|", "|"},
        BreakCase{"Shift+F5", MoveSecondBreakLeft, "", ""},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "A|B|C D", "A|B C|D"},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "A|B C|", "A|B C"},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "A|B C", "A|B|C"},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "x|y||a b", "x|y |a b"},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "A|word", "A|word"},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "A|", "A|"},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "word", "word"},
        BreakCase{"Shift+F6", MoveSecondBreakRight, "|", "|"}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    RemoveAll, LineBreakTransform,
    ::testing::Values(
        BreakCase{"Shift+F8", RemoveBreaks, "a |b", "a  b"},
        BreakCase{"Shift+F8", RemoveBreaks, "one|two|three", "one two three"},
        BreakCase{"Shift+F8", RemoveBreaks, "|x|", " x "},
        BreakCase{"Shift+F8", RemoveBreaks, "plain", "plain"}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(InsertMiddleBreak, ReportsWhetherASpaceWasFound)
{
    const struct {
        const char *before;
        bool inserted;
        const char *after;
    } cases[] = {
        {"one two three four", true, "one two|three four"},
        {"ab cd", true, "ab|cd"},
        {"a b", true, "a|b"},
        {" ", true, "|"},
        {"single", false, "single"},
        {"", false, ""},
    };
    for (const auto &c : cases) {
        QByteArray text(c.before);
        EXPECT_EQ(InsertMiddleBreak(text), c.inserted) << c.before;
        EXPECT_EQ(text, QByteArray(c.after)) << c.before;
    }
}

TEST(WordSeparator, OnlyTheEightCharactersCount)
{
    for (char c : QByteArray(" ,.?!:;|"))
        EXPECT_TRUE(IsWordSeparator(c)) << c;
    for (char c : QByteArray("a-\"{}0\t\xE8"))
        EXPECT_FALSE(IsWordSeparator(c)) << c;
}

} // namespace
} // namespace cuefold

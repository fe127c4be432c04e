#include "document/display_time.h"

#include <gtest/gtest.h>

using namespace cuefold;

namespace {

const DisplayTimeRule Rule{2, 12, 1000};

TEST(DisplayTime, WeightedLength)
{
    struct Case { const char *text; qsizetype weight; };
    const Case cases[] = {
        {"", 0},
        {"abcdefgh ,?", 13},       // eight letters, blank, comma, question mark
        {"abc 1234", 28},          // three letters, blank, four digits
        {"ab|cd", 7},              // "|" weighs 2 more than a blank
        {"ab cd", 5},
        {"xq", 12},
        {"XYZ", 8},
        {"()[]/\\\"-,.?!", 24},
        {"&%Qx", 24},
        {"{y:i}", 5},              // control codes count as plain characters
        {"\xE8\xEC\x9E", 3},       // accented letters of the code page
    };
    for (const Case &c : cases)
        EXPECT_EQ(WeightedLength(c.text), c.weight) << c.text;
}

TEST(DisplayTime, RoundHalfEven)
{
    const double cases[][2] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {8.33, 8}, {8.5, 8},
                               {8.51, 9}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {7, 7}};
    for (const auto &c : cases)
        EXPECT_EQ(RoundHalfEven(c[0]), c[1]) << c[0];
}

TEST(DisplayTime, DwellFrames)
{
    struct Case { const char *text; double fps; DisplayTimeRule rule; double frames; };
    const Case cases[] = {
        {"abcd", 25, Rule, 25},                   // 8.33 frames is below the minimal second
        {"", 25, Rule, 25},                       // the minimal time alone decides
        {"aaaaaaaaaaaaaaaaaaaaaaaa", 25, Rule, 50},
        {"aaaaaaaaaaaaaaaaaaaaaaaa", 23.976, Rule, 48},  // 47.952
        {"aaaaaaaaaaaaaaaaaaaaaaaa", 25, {2, 24, 1000}, 25},
        {"aaaaaaaaaaaaaaaaaaaaaaaa", 25, {2, 0, 0}, 50},   // below 1: the defaults 12 and 1000
        {"abcd", 25, {2, 12, -5}, 25},
        {"abcd", 25, {2, 12, 20}, 8},            // 20 ms is under 8 frames
        {"abcdef", 25, {2, 12, 20}, 12},         // 12.5 rounds to the even 12
        {"abcd", 25, {2, 12, 1020}, 26},         // 25.5 rounds to the even 26
        {"abcd", 0, Rule, 0},                    // no frame rate, no time
        {"abcd", -1, Rule, 0},
        {"abcd", 61, Rule, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DwellFrames(c.text, c.fps, c.rule), c.frames) << c.text << " @ " << c.fps;
}

TEST(DisplayTime, LastBySpeed)
{
    // 30 letters at 12 per second and 24 fps: 60 frames.
    const QByteArray sixtyFrames(30, 'a');
    ASSERT_EQ(DwellFrames(sixtyFrames, 24, Rule), 60);
    struct Case { double from, nextFrom; int delay; double last; int cuts; };
    const Case cases[] = {
        {100, 150, 2, 147, 1},   // limit 148: cut to 147
        {100, 101, 2, 159, 0},   // limit 99 is not above the start: no cut, overlap allowed
        {100, 102, 2, 159, 0},   // limit 100 is not above the start either
        {100, 103, 2, 100, 1},   // limit 101
        {100, -1, 2, 159, 0},    // no next subtitle
        {100, 161, 2, 158, 1},   // limit 159: an end on the limit is cut too
        {100, 162, 2, 159, 0},
        {100, 150, 0, 149, 1},
    };
    for (const Case &c : cases) {
        const DisplayTimeRule rule{c.delay, 12, 1000};
        int cuts = 0;
        const double last = LastBySpeed(sixtyFrames, c.from, c.nextFrom, 24, rule, &cuts);
        EXPECT_EQ(last, c.last) << c.from << ".." << c.nextFrom;
        EXPECT_EQ(cuts, c.cuts) << c.from << ".." << c.nextFrom;
    }
}

TEST(DisplayTime, LastNeverBeforeFirst)
{
    // Without a frame rate the dwell is 0 frames; the end stays on the start.
    EXPECT_EQ(LastBySpeed("text", 500, -1, 0, Rule), 500);
    EXPECT_EQ(LastBySpeed("text", 500, 900, 25, Rule, nullptr), 524);
}

} // namespace

#include "document/display_time.h"
#include "document/frame_text.h"
#include "document/text_codec.h"

#include <cmath>

namespace cuefold {

namespace {

constexpr int DefaultReadSpeed = 12;
constexpr int DefaultMinDwell = 1000;

int CharacterWeight(char c)
{
    switch (c) {
    case '(': case ')': case '[': case ']': case '/': case '\\':
    case '"': case '-': case ',': case '.': case '?': case '!':
        return 2;
    case '|':
        return 3;
    case '0': case '1': case '2': case '3': case '4':
    case '5': case '6': case '7': case '8': case '9':
    case '&': case '%': case 'X': case 'Q': case 'x': case 'q':
        return 6;
    default:
        return 1;
    }
}

} // namespace

qsizetype WeightedLength(const QByteArray &text)
{
    const TextCodec &codec = DocumentCodec();
    qsizetype n = 0;
    for (char c : text)
        if (codec.startsCharacter(c))
            n += CharacterWeight(c);
    return n;
}

double RoundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

double DwellFrames(const QByteArray &text, double fps, const DisplayTimeRule &rule)
{
    // Without a frame rate there is no time to convert; the callers check it,
    // this keeps a slip from turning into NaN frames.
    if (!IsValidFPS(fps))
        return 0;
    const int speed = rule.ReadSpeed < 1 ? DefaultReadSpeed : rule.ReadSpeed;
    const int minDwell = rule.MinDwell < 1 ? DefaultMinDwell : rule.MinDwell;
    double frames = RoundHalfEven(double(WeightedLength(text)) / speed * fps);
    if (minDwell > frames / fps * 1000)
        frames = RoundHalfEven(minDwell * fps / 1000);
    return frames;
}

double LastBySpeed(const QByteArray &text, double from, double nextFrom, double fps,
                   const DisplayTimeRule &rule, int *cutCount)
{
    double last = DwellFrames(text, fps, rule) + from - 1;
    if (last < from)
        last = from;
    const double limit = nextFrom - rule.DelayFrames;
    if (limit > from && last >= limit) {
        last = limit - 1;
        if (cutCount)
            ++*cutCount;
    }
    return last;
}

} // namespace cuefold

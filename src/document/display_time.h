#pragma once

#include <QByteArray>

namespace cuefold {

// The three settings the display-time rule depends on.
struct DisplayTimeRule {
    int DelayFrames = 2;    // pause kept before the next subtitle
    int ReadSpeed = 12;     // characters per second; below 1 means 12
    int MinDwell = 1000;    // milliseconds; below 1 means 1000
};

// Characters weighted by how long they take to read: punctuation 2, "|" 3,
// digits and "&%XQxq" 6, everything else 1.
qsizetype WeightedLength(const QByteArray &text);

// Nearest whole number, exact halves to the even neighbour.
double RoundHalfEven(double value);

// Frames `text` must stay on screen at `fps`; 0 when the rate is not valid.
double DwellFrames(const QByteArray &text, double fps, const DisplayTimeRule &rule);

// Last frame of a subtitle starting at `from` and followed by one starting at
// `nextFrom` (-1 when none): the dwell time, cut back to keep the pause before
// the next subtitle. Each cut adds 1 to *cutCount when it is given.
double LastBySpeed(const QByteArray &text, double from, double nextFrom, double fps,
                   const DisplayTimeRule &rule, int *cutCount = nullptr);

} // namespace cuefold

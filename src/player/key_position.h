#pragma once

#include <QtGlobal>
#include <cstddef>
#include <deque>

namespace cuefold {

// A picture is taken as the one on screen for this long after it was drawn;
// a picture drawn longer ago (the window hidden, nothing drawing) no longer
// tells what is seen.
constexpr qint64 DrawnFrameValidMs = 1000;

// The frame a key stamps: the frame the program drew last, as long as it
// drew one `drawnAgeMs` ago at most DrawnFrameValidMs (the picture lags the
// player's own position by the frames queued for drawing), else the player's
// position `position`. Both are frame numbers; `drawnFrame` < 0 means none
// was drawn.
double KeyFrame(double drawnFrame, qint64 drawnAgeMs, double position);

// One picture drawn into the video area: when (monotonic clock, ms) and
// which frame it showed.
struct DrawnFrame {
    qint64 atMs;
    double frame;
};
// The pictures kept for a key press that waited: over two seconds of them at
// the usual frame rates, longer than a key is believed to wait.
constexpr std::size_t DrawnFramesKept = 128;

// The frame on screen at `atMs`: the last picture drawn at or before then,
// as KeyFrame takes it, else `position`.
double FrameShownAt(const std::deque<DrawnFrame> &drawn, qint64 atMs, double position);

// How long a key event waited before the program saw it: `timestamp` is the
// window system's time of the press, in milliseconds of the monotonic clock
// cut to 32 bits, `nowMs` that clock now. 0 when there is no timestamp or
// it is on some other clock (the wait comes out negative or implausibly long).
qint64 KeyEventWaitMs(quint64 timestamp, qint64 nowMs);

// The monotonic clock in milliseconds, as the window system stamps events.
qint64 MonotonicMs();

// Whether a position taken at a key press `ageMs` ago still belongs to the
// command that key runs now (the command runs in the same event; a press
// whose command never ran must not be used by a later click).
bool KeyPositionFresh(qint64 ageMs);

} // namespace cuefold

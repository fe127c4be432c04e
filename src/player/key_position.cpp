#include "player/key_position.h"

#include <chrono>

namespace cuefold {

namespace {

constexpr qint64 KeyPositionValidMs = 500;
// A key waits milliseconds for a busy program, never this long.
constexpr qint64 KeyWaitPlausibleMs = 2000;

} // namespace

double KeyFrame(double drawnFrame, qint64 drawnAgeMs, double position)
{
    if (drawnFrame >= 0 && drawnAgeMs >= 0 && drawnAgeMs <= DrawnFrameValidMs)
        return drawnFrame;
    return position;
}

double FrameShownAt(const std::deque<DrawnFrame> &drawn, qint64 atMs, double position)
{
    for (auto picture = drawn.rbegin(); picture != drawn.rend(); ++picture)
        if (picture->atMs <= atMs)
            return KeyFrame(picture->frame, atMs - picture->atMs, position);
    return position;
}

qint64 KeyEventWaitMs(quint64 timestamp, qint64 nowMs)
{
    if (timestamp == 0)
        return 0; // an event made without one
    const qint64 wait = qint64(quint32(quint64(nowMs) - timestamp));
    return wait <= KeyWaitPlausibleMs ? wait : 0;
}

qint64 MonotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool KeyPositionFresh(qint64 ageMs)
{
    return ageMs >= 0 && ageMs <= KeyPositionValidMs;
}

} // namespace cuefold

#include "player/key_position.h"

namespace cuefold {

namespace {

constexpr qint64 KeyPositionValidMs = 500;

} // namespace

double KeyFrame(double drawnFrame, qint64 drawnAgeMs, double position)
{
    if (drawnFrame >= 0 && drawnAgeMs >= 0 && drawnAgeMs <= DrawnFrameValidMs)
        return drawnFrame;
    return position;
}

bool KeyPositionFresh(qint64 ageMs)
{
    return ageMs >= 0 && ageMs <= KeyPositionValidMs;
}

} // namespace cuefold

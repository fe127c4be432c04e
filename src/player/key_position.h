#pragma once

#include <QtGlobal>

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

// Whether a position taken at a key press `ageMs` ago still belongs to the
// command that key runs now (the command runs in the same event; a press
// whose command never ran must not be used by a later click).
bool KeyPositionFresh(qint64 ageMs);

} // namespace cuefold

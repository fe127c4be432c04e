#pragma once

#include "document/display_time.h"
#include "operations/frame_shift.h"
#include "player/shot_list.h"

namespace cuefold {

class Document;

// One-key timing from the player: the current subtitle starts where the
// player is, ends after its reading time, and its neighbours make room.
// The window runs the steps around these (guards, adding an empty subtitle
// after a frame-rate line, moving on and saving).
struct AutomationParams {
    int Gap = 2;          // frames kept between subtitles
    bool SaveAfter = true;
    double FPS = 25;
    DisplayTimeRule Rule;
    ShotSnap Shots;       // where starts snap and ends stop
};

// The start frame stamped from player position `position`: never earlier
// than gap + 3.
double AutomationStart(double position, int gap);

// The frame the current subtitle is stamped from: AutomationStart, snapped
// onto a shot change unless the subtitle is locked.
double StampStart(const Document &doc, double position, const AutomationParams &params);

// Before the stamp: with SaveAfter, an unknown frame of subtitle 1 becomes 1
// and every unlocked subtitle from 2 to the one before the current is pulled
// in front of `newFrom`; without it only the previous subtitle is. True when
// the current subtitle is the locked frame-rate line at the top, which must
// get an empty subtitle after it to be timed instead.
bool PrepareAutomation(Document &doc, double newFrom, const AutomationParams &params);

// Stamps the current subtitle (even a locked one) from `newFrom`, ending
// after its display time or, unlocked, before a shot change near that; moves an
// unlocked next subtitle that would be overlapped and, with SaveAfter,
// shifts the rest when that next subtitle now reaches the one after it.
void StampAutomation(Document &doc, double newFrom, const AutomationParams &params);

} // namespace cuefold

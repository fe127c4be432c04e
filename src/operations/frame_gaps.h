#pragma once


#include "player/shot_list.h"

#include <QByteArray>

namespace cuefold {

class Document;

// The gap after subtitle i is From[i+1] - Last[i] - 1 frames (negative when
// they overlap). Both commands below work on every pair of neighbours, change
// only the ends of unlocked subtitles (the next one's lock does not matter),
// set a touched gap to exactly delayFrames unless the end would fall below
// its own start, and return how many ends really moved. An end also stops
// before a shot change near it (EndBeforeShot).

// Close short gaps: every gap of at most `limit` frames, overlaps included.
int CloseShortGaps(Document &doc, double limit, int delayFrames, const ShotSnap &shots = {});

// Insert gaps: every gap shorter than delayFrames.
int InsertGaps(Document &doc, int delayFrames, const ShotSnap &shots = {});

// The gap-limit dialog proposes a third of a second: fps / 3, halves to
// even, without decimals.
QByteArray GapLimitInitialText(double fps);

// A limit not above the default pause closes nothing: TooLowLimit.
bool GapLimitTooLow(double limit, int delayFrames);

} // namespace cuefold

#pragma once


#include <QByteArray>

namespace cuefold {

class Document;

// The shift loop: every unlocked subtitle from `first` to the end moves by
// `delta` frames; a frame that would fall below 0 becomes 0, one beyond
// MaxTypedFrame becomes MaxTypedFrame (so a huge typed amount never makes a
// frame the file and the fields cannot hold). Returns how many subtitles hit
// either limit (each counted once). The shift command
// passes WholeFrames of the typed amount.
int ShiftLines(Document &doc, int first, double delta);

// The shift that makes subtitle `current` start on the typed frame (cut to
// a whole frame), measured before anything moves; the current subtitle's
// own lock plays no part in it.
double ShiftToAmount(const Document &doc, int current, double typedTarget);

// The shift-to dialog starts from the player's frame when a movie is
// loaded, else from the current subtitle's start, without decimals.
QByteArray ShiftToInitialText(const Document &doc, int current, bool movieLoaded, double playerFrame);

// Lengthens (or with a negative `delta`, shortens) every unlocked subtitle
// from `first` to the end by `delta` whole frames. An end reaching beyond
// the next start (strictly) is cut to next start - delayFrames - 1, whatever
// the next one's lock; no end falls below its own start, nor grows beyond
// MaxTypedFrame. Returns how many
// ends really moved; `changed` is told each of them.
int EnlargeLines(Document &doc, int first, double delta, int delayFrames);

} // namespace cuefold

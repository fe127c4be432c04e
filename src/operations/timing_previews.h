#pragma once

#include "document/display_time.h"
#include "player/shot_list.h"

#include <QByteArray>
#include <optional>
#include <vector>

namespace cuefold {

class Document;

// New frames of every subtitle, numbered like the document (entry 0 unused);
// a subtitle the run left alone keeps its own frames.
struct FramePair {
    double From = -1;
    double Last = -1;
};
using FramePreview = std::vector<FramePair>;

// Which subtitles a timing run may change.
enum class LockChoice {
    RespectLocks, // locked subtitles are skipped
    IgnoreLocks,
    MarkedOnly,   // marked subtitles only, locked or not
};

struct TimingScope {
    bool all = false;    // false: from the current subtitle on
    LockChoice locks = LockChoice::RespectLocks;
};

// The two synchronisation points: frame now and frame wanted of each.
struct TwoPoints {
    double PA = 0, PN = 0, DA = 0, DN = 0;
};

// A frame number as the two-point window takes it: a point is the only
// decimal separator (a comma is refused, not turned into one).
std::optional<double> ParsePointFrame(const QByteArray &text);

// Maps the chosen subtitles' first and last frames through the straight line
// that sends PA to PN and DA to DN (PA != DA); a result below 0 becomes 1, and
// an end that would come before its start stays on the start. The
// frame-rate subtitle is never mapped. Only the lock choices Respect and
// Ignore apply here.
FramePreview TwoPointPreview(const Document &doc, const TwoPoints &points, const TimingScope &scope);

// The reading-speed recalculation: each chosen subtitle ends after its display
// time, cut back before the next one or stopped before a shot change near
// its end; first frames never change.
struct SpeedPreview {
    FramePreview frames;
    int cut = 0;        // ends cut back at the next subtitle
    int shortened = 0;  // others that end earlier than before
    int lengthened = 0; // others that end later
};
SpeedPreview ReadingSpeedPreview(const Document &doc, const TimingScope &scope, const DisplayTimeRule &rule,
                                 const ShotSnap &shots = {});

// Every subtitle takes the frames of its entry.
void ApplyPreview(Document &doc, const FramePreview &preview);

// The test file of a preview: every subtitle with its new frames and its text,
// without lock marks, CR LF after each; the frame-rate subtitle is written as
// the plain {1}{1} line players read the rate from.
QByteArray PreviewFileText(const Document &doc, const FramePreview &preview);

// The speed test plays a movie this long, declaring this rate.
constexpr double SpeedTestFps = 30;
constexpr double SpeedTestEndFrame = 900;

// The speed-test subtitle file: a 30 fps frame-rate line, then the subtitles
// from the current one on (the frame-rate subtitle skipped), each shown for
// its display time at 30 fps with the default gap before it, up to and
// including the first one that ends at SpeedTestEndFrame or later.
QByteArray SpeedTestFileText(const Document &doc, const DisplayTimeRule &rule);

} // namespace cuefold

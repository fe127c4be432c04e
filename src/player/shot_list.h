#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

namespace cuefold {

// The shot changes of a movie: the first frame of every new shot,
// ascending, each once. The movie's first picture starts no new shot.
using ShotList = std::vector<int>;

// Sorts, drops repeats and frames before 1.
ShotList NormalisedShots(ShotList frames);

// Shot changes as a key-frame list other timing editors read: a format line,
// "fps 0" (the frames stand on their own), one frame number a line.
QByteArray KeyframeFileText(const ShotList &shots);
// Reads such a list; nullopt when the format line is missing or a line is
// no frame number. Lines starting with "#" and empty lines are skipped.
std::optional<ShotList> ReadKeyframeFile(const QByteArray &text);

// How ends and starts meet the shot changes.
struct ShotSnap {
    const ShotList *shots = nullptr; // nullptr: none known
    int distance = 0;                // frames; 0: no snapping
    int gap = 2;                     // frames kept between an end and a cut
};

// Where a start typed, stamped or clicked at `frame` goes: onto the nearest
// shot change within the distance (the earlier one of two as near), else
// where it was. The one rule for every way a start is set from the movie.
double SnapStart(const ShotSnap &snap, double frame);

// A subtitle starting at `from` and computed to end at `last` stops the
// frame gap before the first shot change after its start, when that change
// lies within the distance before `last`; a change further back is crossed,
// as a subtitle cut that short would only flash.
double EndBeforeShot(const ShotSnap &snap, double from, double last);

// A start or end within the distance of a shot change but not on it; an end
// is on a change when it stops the gap before it or touches it.
bool NearShot(const ShotSnap &snap, double from, double last);

} // namespace cuefold

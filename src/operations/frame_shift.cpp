#include "operations/frame_shift.h"

#include "document/document.h"
#include "document/frame_text.h"
#include "editor/frame_input.h"
#include "operations/bulk_scope.h"

#include <algorithm>

namespace cuefold {

namespace {

// A moved or stretched frame grows no further than the largest frame the
// fields take (or than it was, when a file held a larger one): a typed 1e300
// must not leave a frame no whole number can write.
double Ceiling(double old)
{
    return std::max(old, MaxTypedFrame);
}

// Moves a frame by delta, kept between 0 and its ceiling; true when it had to.
bool ShiftFrame(double &frame, double delta)
{
    const double kept = std::clamp(frame + delta, 0.0, Ceiling(frame));
    const bool clamped = kept != frame + delta;
    frame = kept;
    return clamped;
}

} // namespace

int ShiftLines(Document &doc, int first, double delta)
{
    int outOfRange = 0;
    for (int i = FirstMovableLine(doc, first); i <= doc.LineCount; ++i) {
        TSubLine &l = doc.line(i);
        if (l.Lock)
            continue;
        const bool fromClamped = ShiftFrame(l.From, delta);
        const bool lastClamped = ShiftFrame(l.Last, delta);
        outOfRange += fromClamped || lastClamped;
    }
    return outOfRange;
}

double ShiftToAmount(const Document &doc, int current, double typedTarget)
{
    return WholeFrames(typedTarget) - doc.line(current).From;
}

QByteArray ShiftToInitialText(const Document &doc, int current, bool movieLoaded, double playerFrame)
{
    return FrameText(movieLoaded ? playerFrame : doc.line(current).From);
}

int EnlargeLines(Document &doc, int first, double delta, int delayFrames)
{
    int count = 0;
    for (int i = FirstMovableLine(doc, first); i <= doc.LineCount; ++i) {
        TSubLine &l = doc.line(i);
        if (l.Lock)
            continue;
        double last = l.Last + delta;
        if (i < doc.LineCount && last > doc.line(i + 1).From)
            last = doc.line(i + 1).From - delayFrames - 1;
        last = std::max(std::min(last, Ceiling(l.Last)), l.From);
        if (last == l.Last)
            continue;
        l.Last = last;
        ++count;
    }
    return count;
}

} // namespace cuefold

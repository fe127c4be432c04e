#include "operations/frame_gaps.h"

#include "document/display_time.h"
#include "document/document.h"
#include "document/frame_text.h"
#include "operations/bulk_scope.h"

#include <algorithm>

namespace cuefold {

namespace {

// Ends every subtitle that `tooShort` picks delayFrames before its successor.
template <typename Pick>
int SetGaps(Document &doc, int delayFrames, const ShotSnap &shots, Pick tooShort)
{
    int count = 0;
    for (int i = FirstMovableLine(doc); i < doc.LineCount; ++i) {
        TSubLine &l = doc.line(i);
        const double nextFrom = doc.line(i + 1).From;
        if (l.Lock || !tooShort(l.Last, nextFrom))
            continue;
        const double last = std::max(EndBeforeShot(shots, l.From, nextFrom - delayFrames - 1), l.From);
        if (last == l.Last)
            continue;
        l.Last = last;
        ++count;
    }
    return count;
}

} // namespace

int CloseShortGaps(Document &doc, double limit, int delayFrames, const ShotSnap &shots)
{
    return SetGaps(doc, delayFrames, shots,
                   [limit](double last, double nextFrom) { return nextFrom - last - 1 <= limit; });
}

int InsertGaps(Document &doc, int delayFrames, const ShotSnap &shots)
{
    return SetGaps(doc, delayFrames, shots,
                   [delayFrames](double last, double nextFrom) { return last + delayFrames >= nextFrom; });
}

QByteArray GapLimitInitialText(double fps)
{
    return FrameText(RoundHalfEven(fps / 3));
}

bool GapLimitTooLow(double limit, int delayFrames)
{
    return delayFrames >= limit;
}

} // namespace cuefold

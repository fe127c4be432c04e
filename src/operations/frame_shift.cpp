#include "operations/frame_shift.h"

#include "document/document.h"
#include "document/frame_text.h"
#include "operations/bulk_scope.h"

#include <algorithm>

namespace cuefold {

int ShiftLines(Document &doc, int first, double delta, const RowChanged &changed)
{
    int outOfRange = 0;
    for (int i = first < 1 ? 1 : first; i <= doc.LineCount; ++i) {
        TSubLine &l = doc.line(i);
        if (l.Lock)
            continue;
        bool clamped = false;
        l.From += delta;
        if (l.From < 0) {
            l.From = 0;
            clamped = true;
        }
        l.Last += delta;
        if (l.Last < 0) {
            l.Last = 0;
            clamped = true;
        }
        outOfRange += clamped;
        if (changed)
            changed(i);
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

int EnlargeLines(Document &doc, int first, double delta, int delayFrames, const RowChanged &changed)
{
    int count = 0;
    for (int i = std::max(first, 1); i <= doc.LineCount; ++i) {
        TSubLine &l = doc.line(i);
        if (l.Lock)
            continue;
        double last = l.Last + delta;
        if (i < doc.LineCount && last > doc.line(i + 1).From)
            last = doc.line(i + 1).From - delayFrames - 1;
        last = std::max(last, l.From);
        if (last == l.Last)
            continue;
        l.Last = last;
        ++count;
        if (changed)
            changed(i);
    }
    return count;
}

} // namespace cuefold

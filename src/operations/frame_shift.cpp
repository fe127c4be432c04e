#include "operations/frame_shift.h"

#include "document/document.h"

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

} // namespace cuefold

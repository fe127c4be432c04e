#include "player/automation.h"

#include "document/document.h"
#include "document/frame_text.h"

#include <cmath>

namespace cuefold {

double AutomationStart(double position, int gap)
{
    return gap + 3 > position ? gap + 3 : position;
}

double StampStart(const Document &doc, double position, const AutomationParams &params)
{
    const double start = AutomationStart(position, params.Gap);
    return doc.line(doc.CurrentLine).Lock ? start : SnapStart(params.Shots, start);
}

bool PrepareAutomation(Document &doc, double newFrom, const AutomationParams &params)
{
    const int c = doc.CurrentLine;
    const int g = params.Gap;
    int first = c - 1;
    if (params.SaveAfter) {
        TSubLine &top = doc.line(1);
        if (top.From == -1 || top.Last == -1) {
            if (top.From == -1)
                top.From = 1;
            if (top.Last == -1)
                top.Last = 1;
        }
        first = 2;
    }
    if (c > 1 && c - 1 >= first) {
        for (int k = first; k <= c - 1; ++k) {
            TSubLine &l = doc.line(k);
            if (l.Lock)
                continue;
            if (l.From >= newFrom || l.From < 1) {
                // The first subtitle has nothing before it: count its end as unknown.
                const double before = k > 1 ? doc.line(k - 1).Last : -1;
                const double t = g + before + 1;
                l.From = t < newFrom ? t : newFrom - g - 1;
            }
            if (l.Last >= newFrom || l.Last < l.From) {
                l.Last = newFrom - g - 1;
            }
        }
        return false;
    }
    double fps = 0;
    return c == 1 && doc.line(1).Lock == 1 && ReadFPSLine(doc, fps);
}

void StampAutomation(Document &doc, double newFrom, const AutomationParams &params)
{
    const int c = doc.CurrentLine;
    const int n = doc.LineCount;
    const int g = params.Gap;
    double newLast = DwellFrames(doc.line(c).Text, params.FPS, params.Rule) + newFrom - 1;
    if (newLast < newFrom)
        newLast = newFrom;
    if (!doc.line(c).Lock)
        newLast = EndBeforeShot(params.Shots, newFrom, newLast);

    if (c < n) {
        TSubLine &next = doc.line(c + 1);
        if (!next.Lock && newFrom >= next.From - g) {
            const double length = next.Last - next.From;
            next.From = g + newLast + 1;
            next.Last = next.From + length;
        }
    }

    TSubLine &current = doc.line(c);
    current.From = newFrom;
    current.Last = newLast;

    if (params.SaveAfter && c + 1 < n && !doc.line(c + 1).Lock
        && doc.line(c + 2).From <= doc.line(c + 1).Last) {
        const double target = std::trunc(g + doc.line(c + 1).Last + 1);
        ShiftLines(doc, c + 2, target - doc.line(c + 2).From);
    }
}

} // namespace cuefold

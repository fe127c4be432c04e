#include "player/follow_search.h"

#include "document/document.h"

#include <algorithm>

namespace cuefold {

int FindFollowLine(const Document &doc, int start, double position)
{
    const int last = doc.LineCount;
    int i = std::clamp(start, 1, std::max(last, 1));
    while (i < last) {
        const TSubLine &l = doc.line(i);
        if (l.From >= position || l.Last >= position)
            break;
        ++i;
    }
    return i;
}

bool IsInsideSubtitle(const Document &doc, int index, double position)
{
    if (!doc.validIndex(index))
        return false;
    const TSubLine &l = doc.line(index);
    return l.From <= position && position <= l.Last;
}

} // namespace cuefold

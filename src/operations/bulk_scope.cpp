#include "operations/bulk_scope.h"

#include "config/language_table.h"
#include "document/document.h"
#include "document/frame_text.h"

#include <algorithm>
#include <cmath>

namespace cuefold {

LineRange ScopeRange(const Document &doc, BulkScope scope)
{
    if (scope != BulkScope::Remaining)
        return {1, doc.LineCount};
    if (!doc.validIndex(doc.CurrentLine))
        return {};
    return {doc.CurrentLine, doc.LineCount};
}

const QByteArray &ScopeQuestion(BulkScope scope)
{
    switch (scope) {
    case BulkScope::Remaining:
        return Texts.RemainingScope;
    case BulkScope::NearEntire:
        return Texts.NearEntireScope;
    case BulkScope::TrueEntire:
        break;
    }
    return Texts.TrueEntireScope;
}

int FirstMovableLine(const Document &doc, int first)
{
    first = std::max(first, 1);
    double fps = 0;
    return first == 1 && ReadFPSLine(doc, fps) ? 2 : first;
}

bool TooFewLines(const Document &doc)
{
    return doc.LineCount < 2;
}

double WholeFrames(double typed)
{
    return std::trunc(typed);
}

} // namespace cuefold

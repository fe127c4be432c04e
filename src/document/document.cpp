#include "document/document.h"

#include "document/code_page.h"

#include <algorithm>

namespace cuefold {

void Document::reset()
{
    for (auto &l : SubLines)
        l.clear();
    SavedLines = SubLines;
    LineCount = -1;
    CurrentLine = -1;
    FPS = -1;
    SubFileName.clear();
    MovieFileName.clear();
    Encoding = {CodePage::name(), false};
    DocSaved = true;
    StructChanged = false;
    SyntaxErrorCount = 0;
    MissingEndCount = 0;
    CutTextCount = 0;
    ChangedCount = 0;
    MarkedCount = 0;
    OverlapCount = 0;
}

void Document::startNew()
{
    LineCount = 1;
    SubLines[1].clear();
    SubLines[1].From = 1;
    SubLines[1].Last = 1;
    markSaved();
}

void Document::markSaved()
{
    // Row by row, and only rows that differ: most already do not, and
    // copying a row replaces its three shared texts.
    for (size_t i = 1; i < SubLines.size(); ++i)
        if (!(SavedLines[i] == SubLines[i]))
            SavedLines[i] = SubLines[i];
    StructChanged = false;
}

bool Document::rowsEqualSaved() const
{
    const auto first = SubLines.begin() + 1;
    return std::equal(first, first + std::max(LineCount, 0), SavedLines.begin() + 1);
}

bool Document::fieldsEqualSaved(int i) const
{
    const TSubLine &a = SubLines[i];
    const TSubLine &b = SavedLines[i];
    return a.From == b.From && a.Last == b.Last && SameBytes(a.Text, b.Text);
}

bool Document::isChanged(int i) const
{
    return !fieldsEqualSaved(i) || SubLines[i].Lock != SavedLines[i].Lock;
}

bool Document::recount()
{
    ChangedCount = 0;
    MarkedCount = 0;
    for (int i = 1; i <= LineCount; ++i) {
        if (isChanged(i))
            ++ChangedCount;
        if (SubLines[i].Mark)
            ++MarkedCount;
    }
    return ChangedCount > 0 || StructChanged;
}

} // namespace cuefold

#include "document/document_edit.h"

#include <algorithm>
#include <iterator>

namespace cuefold {

namespace {

using Rows = std::array<TSubLine, Document::Capacity + 1>;

// Replaces `oldLength` rows from `first` on by `rows`, moving the rows up to
// `count` along; places left empty at the end are cleared.
void replaceRows(Rows &array, int count, int first, int oldLength, const std::vector<TSubLine> &rows)
{
    const int newLength = int(rows.size());
    const int delta = newLength - oldLength;
    const int tail = first + oldLength; // first row that moves
    if (delta > 0) {
        for (int i = count; i >= tail; --i)
            array[i + delta] = std::move(array[i]);
    } else if (delta < 0) {
        for (int i = tail; i <= count; ++i)
            array[i + delta] = std::move(array[i]);
        for (int i = count + delta + 1; i <= count; ++i)
            array[i].clear();
    }
    std::copy(rows.begin(), rows.end(), array.begin() + first);
}

RowSplice spliceOf(RowSnapshot &old, const Document &doc, int first, int oldLast, int newLast, bool withSaved)
{
    RowSplice s;
    s.first = first;
    s.before.assign(std::make_move_iterator(old.lines.begin() + (first - 1)),
                    std::make_move_iterator(old.lines.begin() + oldLast));
    s.after.assign(doc.SubLines.begin() + first, doc.SubLines.begin() + newLast + 1);
    if (withSaved) {
        s.savedBefore.assign(std::make_move_iterator(old.saved.begin() + (first - 1)),
                             std::make_move_iterator(old.saved.begin() + oldLast));
        s.savedAfter.assign(doc.SavedLines.begin() + first, doc.SavedLines.begin() + newLast + 1);
    }
    return s;
}

bool savedEqual(const RowSnapshot &old, int oldRow, const Document &doc, int row)
{
    return !old.withSaved || old.saved[oldRow - 1] == doc.SavedLines[row];
}

bool rowEqual(const RowSnapshot &old, int oldRow, const Document &doc, int row)
{
    return old.lines[oldRow - 1] == doc.SubLines[row] && savedEqual(old, oldRow, doc, row);
}

} // namespace

DocumentState StateOf(const Document &doc)
{
    return {doc.LineCount,    doc.FPS,          doc.StructChanged, doc.SyntaxErrorCount,
            doc.MissingEndCount, doc.CutTextCount, doc.ChangedCount,  doc.MarkedCount,
            doc.OverlapCount, doc.OverlapReviewActive};
}

void ApplyState(Document &doc, const DocumentState &s)
{
    doc.LineCount = s.LineCount;
    doc.FPS = s.FPS;
    doc.StructChanged = s.StructChanged;
    doc.SyntaxErrorCount = s.SyntaxErrorCount;
    doc.MissingEndCount = s.MissingEndCount;
    doc.CutTextCount = s.CutTextCount;
    doc.ChangedCount = s.ChangedCount;
    doc.MarkedCount = s.MarkedCount;
    doc.OverlapCount = s.OverlapCount;
    doc.OverlapReviewActive = s.OverlapReviewActive;
}

RowSnapshot TakeSnapshot(const Document &doc, bool withSaved)
{
    const int count = std::max(doc.LineCount, 0);
    RowSnapshot s;
    s.withSaved = withSaved;
    s.lines.assign(doc.SubLines.begin() + 1, doc.SubLines.begin() + 1 + count);
    if (withSaved)
        s.saved.assign(doc.SavedLines.begin() + 1, doc.SavedLines.begin() + 1 + count);
    return s;
}

std::vector<RowSplice> DiffRows(RowSnapshot &old, const Document &doc)
{
    const int oldCount = int(old.lines.size());
    const int newCount = std::max(doc.LineCount, 0);
    std::vector<RowSplice> splices;
    if (oldCount == newCount) {
        // Changed rows with no more than this many unchanged ones between
        // them make one splice: a command that touches most subtitles then
        // records a few splices, not one for every run, and an unchanged
        // row inside a splice is put back as it was.
        constexpr int Bridge = 4;
        for (int i = 1; i <= newCount; ++i) {
            if (rowEqual(old, i, doc, i))
                continue;
            const int first = i;
            int last = i;
            bool savedChanged = false;
            for (int unchanged = 0; i <= newCount && unchanged <= Bridge; ++i) {
                if (rowEqual(old, i, doc, i)) {
                    ++unchanged;
                    continue;
                }
                unchanged = 0;
                last = i;
                savedChanged = savedChanged || !savedEqual(old, i, doc, i);
            }
            splices.push_back(spliceOf(old, doc, first, last, last, savedChanged));
            i = last;
        }
        return splices;
    }
    const int shorter = std::min(oldCount, newCount);
    int head = 0;
    while (head < shorter && rowEqual(old, head + 1, doc, head + 1))
        ++head;
    int tail = 0;
    while (tail < shorter - head && rowEqual(old, oldCount - tail, doc, newCount - tail))
        ++tail;
    splices.push_back(spliceOf(old, doc, head + 1, oldCount - tail, newCount - tail, old.withSaved));
    return splices;
}

bool DocumentEdit::empty() const
{
    if (!splices.empty())
        return false;
    DocumentState derived = after;
    derived.ChangedCount = before.ChangedCount;
    derived.MarkedCount = before.MarkedCount;
    derived.MissingEndCount = before.MissingEndCount;
    return derived == before;
}

void ApplySplice(Document &doc, const RowSplice &s, bool forward)
{
    const auto &from = forward ? s.before : s.after;
    const auto &to = forward ? s.after : s.before;
    const auto &savedFrom = forward ? s.savedBefore : s.savedAfter;
    const auto &savedTo = forward ? s.savedAfter : s.savedBefore;
    const int count = doc.LineCount;
    replaceRows(doc.SubLines, count, s.first, int(from.size()), to);
    if (!savedFrom.empty() || !savedTo.empty())
        replaceRows(doc.SavedLines, count, s.first, int(savedFrom.size()), savedTo);
    doc.LineCount = count + int(to.size()) - int(from.size());
}

void RevertEdit(Document &doc, const DocumentEdit &edit)
{
    for (auto s = edit.splices.rbegin(); s != edit.splices.rend(); ++s)
        ApplySplice(doc, *s, false);
    ApplyState(doc, edit.before);
    doc.CurrentLine = edit.currentBefore;
}

void RepeatEdit(Document &doc, const DocumentEdit &edit)
{
    for (const RowSplice &s : edit.splices)
        ApplySplice(doc, s, true);
    ApplyState(doc, edit.after);
    doc.CurrentLine = edit.currentAfter;
}

} // namespace cuefold

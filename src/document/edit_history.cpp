#include "document/edit_history.h"

#include <algorithm>

namespace cuefold {

namespace {

size_t rowsBytes(const std::vector<TSubLine> &rows)
{
    size_t n = rows.capacity() * sizeof(TSubLine);
    for (const TSubLine &l : rows)
        n += size_t(l.Text.capacity() + l.FErr.capacity() + l.LErr.capacity());
    return n;
}

} // namespace

EditHistory::Step EditHistory::compact(DocumentEdit &&edit)
{
    Step step;
    step.name = std::move(edit.name);
    step.before = edit.before;
    step.after = edit.after;
    step.currentBefore = edit.currentBefore;
    step.currentAfter = edit.currentAfter;
    step.structural = !edit.before.StructChanged && edit.after.StructChanged;
    step.bytes = sizeof(Step);
    for (RowSplice &s : edit.splices) {
        if (s.before.size() != s.after.size()) {
            step.structural = true;
            step.bytes += sizeof(Part) + rowsBytes(s.before) + rowsBytes(s.after) + rowsBytes(s.savedBefore)
                          + rowsBytes(s.savedAfter);
            step.parts.push_back({std::move(s), {}, {}, false});
            continue;
        }
        if (step.parts.empty() || !step.parts.back().inPlace)
            step.parts.emplace_back();
        Part &part = step.parts.back();
        part.lines.add(s.first, s.before, s.after);
        if (!s.savedBefore.empty())
            part.saved.add(s.first, s.savedBefore, s.savedAfter);
    }
    for (const Part &part : step.parts)
        if (part.inPlace)
            step.bytes += sizeof(Part) + part.lines.bytes() + part.saved.bytes();
    return step;
}

void EditHistory::record(DocumentEdit &&edit)
{
    while (int(mSteps.size()) > mDone) {
        mBytes -= mSteps.back().bytes;
        mSteps.pop_back();
    }
    if (mSavedAt > mDone)
        mSavedAt = -1; // the saved content was on the side just cleared
    mSteps.push_back(compact(std::move(edit)));
    mBytes += mSteps.back().bytes;
    ++mDone;
    while (mSteps.size() > 1 && (int(mSteps.size()) > MaxSteps || mBytes > MaxBytes))
        dropOldest();
}

void EditHistory::dropOldest()
{
    mBytes -= mSteps.front().bytes;
    mSteps.pop_front();
    --mDone;
    mSavedAt = mSavedAt > 0 ? mSavedAt - 1 : -1;
}

void EditHistory::clear(bool structChanged)
{
    mSteps.clear();
    mDone = 0;
    mSavedAt = 0;
    mSavedStruct = structChanged;
    mBytes = 0;
}

void EditHistory::markSaved()
{
    // The saved copy is now the document itself: what the steps remember of
    // the old saved copy's rows in place no longer applies. Splices that move
    // rows keep their saved rows, so both arrays stay row for row in step.
    for (Step &step : mSteps)
        for (Part &part : step.parts)
            if (part.inPlace && !part.saved.empty()) {
                const size_t freed = part.saved.bytes();
                step.bytes -= freed;
                mBytes -= freed;
                part.saved = RowPatch();
            }
    mSavedAt = mDone;
    mSavedStruct = false;
}

const QByteArray &EditHistory::undoName() const
{
    static const QByteArray none;
    return canUndo() ? mSteps[mDone - 1].name : none;
}

const QByteArray &EditHistory::redoName() const
{
    static const QByteArray none;
    return canRedo() ? mSteps[mDone].name : none;
}

StepEffect EditHistory::undo(Document &doc)
{
    StepEffect effect;
    if (!canUndo())
        return effect;
    --mDone;
    apply(doc, mSteps[mDone], false, effect);
    doc.StructChanged = structureChangedSinceSave();
    return effect;
}

StepEffect EditHistory::redo(Document &doc)
{
    StepEffect effect;
    if (!canRedo())
        return effect;
    apply(doc, mSteps[mDone], true, effect);
    ++mDone;
    doc.StructChanged = structureChangedSinceSave();
    return effect;
}

void EditHistory::apply(Document &doc, const Step &step, bool forward, StepEffect &effect) const
{
    auto applyPart = [&](const Part &part) {
        if (part.inPlace) {
            part.lines.apply(doc.SubLines, forward);
            part.saved.apply(doc.SavedLines, forward);
            int first = doc.LineCount + 1, last = 0;
            for (const RowPatch *patch : {&part.lines, &part.saved})
                if (!patch->empty()) {
                    first = std::min(first, patch->firstRow());
                    last = std::max(last, patch->lastRow());
                }
            if (first <= last)
                effect.spans.push_back({first, last - first + 1, last - first + 1});
            return;
        }
        ApplySplice(doc, part.splice, forward);
        const int before = int(part.splice.before.size()), after = int(part.splice.after.size());
        effect.spans.push_back({part.splice.first, forward ? before : after, forward ? after : before});
    };
    if (forward)
        std::for_each(step.parts.begin(), step.parts.end(), applyPart);
    else
        std::for_each(step.parts.rbegin(), step.parts.rend(), applyPart);
    ApplyState(doc, forward ? step.after : step.before);
    doc.CurrentLine = forward ? step.currentAfter : step.currentBefore;
    effect.fpsChanged = step.before.FPS != step.after.FPS;
}

// Whether rows moved between the saved content and where the history
// stands; once the saved content cannot be reached any more, always.
bool EditHistory::structureChangedSinceSave() const
{
    if (mSavedAt < 0)
        return true;
    const int from = std::min(mDone, mSavedAt), to = std::max(mDone, mSavedAt);
    bool moved = mSavedStruct;
    for (int i = from; i < to && !moved; ++i)
        moved = mSteps[i].structural;
    return moved;
}

} // namespace cuefold

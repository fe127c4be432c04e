#pragma once

#include "document/document_edit.h"
#include "document/row_patch.h"

#include <deque>

namespace cuefold {

// The place of a change in the rows, for the listeners: `oldLength` rows from
// `first` on became `newLength` rows.
struct RowSpan {
    int first = 1;
    int oldLength = 0;
    int newLength = 0;
};

// What undoing or redoing a step did to the document.
struct StepEffect {
    std::vector<RowSpan> spans; // in the order they were made
    bool fpsChanged = false;
};

// The recorded edits of the document, as steps that can be undone and redone.
// Steps done after the saved one (or undone before it) tell whether the
// document can be back at its saved content; a save keeps the steps, and
// undo after it makes the document modified.
class EditHistory {
public:
    static constexpr int MaxSteps = 1000;
    static constexpr size_t MaxBytes = size_t(64) << 20;

    // A new step: the redo side is cleared, the oldest steps drop when the
    // limits are reached (the newest always stays).
    void record(DocumentEdit &&edit);
    // Opening or a new document: no steps, and the document is its file
    // (`structChanged`: reading it already moved rows, so it differs).
    void clear(bool structChanged = false);
    // The document was written: its content now is the saved one.
    void markSaved();

    bool canUndo() const { return mDone > 0; }
    bool canRedo() const { return mDone < int(mSteps.size()); }
    const QByteArray &undoName() const;
    const QByteArray &redoName() const;
    StepEffect undo(Document &doc);
    StepEffect redo(Document &doc);

    int size() const { return int(mSteps.size()); }
    size_t bytes() const { return mBytes; }

private:
    // A run of rows changed in place (both arrays), or a splice that moved
    // the rows below it; kept in the order the edit made them.
    struct Part {
        RowSplice splice;         // when the row count changed
        RowPatch lines, saved;    // otherwise
        bool inPlace = true;
    };
    struct Step {
        QByteArray name;
        std::vector<Part> parts;
        DocumentState before, after;
        int currentBefore = -1, currentAfter = -1;
        bool structural = false; // moved rows, or marked the document restructured
        size_t bytes = 0;
    };
    static Step compact(DocumentEdit &&edit);
    void apply(Document &doc, const Step &step, bool forward, StepEffect &effect) const;
    bool structureChangedSinceSave() const;
    void dropOldest();

    std::deque<Step> mSteps;
    int mDone = 0;       // steps done; the rest are the redo side
    int mSavedAt = 0;    // mDone when the document equalled its file; -1: never again
    bool mSavedStruct = false; // the document at mSavedAt already differed in its rows
    size_t mBytes = 0;
};

} // namespace cuefold

#pragma once

#include "document/document.h"

#include <QByteArray>
#include <vector>

namespace cuefold {

// The document-level values an edit may change besides the rows.
struct DocumentState {
    int LineCount = -1;
    double FPS = -1;
    bool StructChanged = false;
    int SyntaxErrorCount = 0;
    int MissingEndCount = 0;
    int CutTextCount = 0;
    int ChangedCount = 0;
    int MarkedCount = 0;
    int OverlapCount = 0;
    bool OverlapReviewActive = false;

    bool operator==(const DocumentState &) const = default;
};

DocumentState StateOf(const Document &doc);
void ApplyState(Document &doc, const DocumentState &state);

// Rows `first`.. of both arrays as they were (`before`) and as they became
// (`after`). The two runs may differ in length: rows were inserted or
// removed there and everything below moved. The saved rows are kept only
// when the edit changed them; empty vectors mean SavedLines stayed as it was.
struct RowSplice {
    int first = 1;
    std::vector<TSubLine> before, after;
    std::vector<TSubLine> savedBefore, savedAfter;

    // Last row of the span in the document after the edit.
    int lastAfter() const { return first + int(after.size()) - 1; }
};

// One recorded change of the document: every row it touched and the state
// around it, enough to put the document back exactly or to repeat it.
struct DocumentEdit {
    QByteArray name; // the command's caption, for the history
    std::vector<RowSplice> splices; // in the order they were made
    DocumentState before, after;
    int currentBefore = -1, currentAfter = -1;

    // Nothing but the counts derived from the rows changed.
    bool empty() const;
};

// The rows 1..LineCount as an change starts: SubLines, and SavedLines
// unless the change is known to leave them alone.
struct RowSnapshot {
    std::vector<TSubLine> lines, saved;
    bool withSaved = true;
};
RowSnapshot TakeSnapshot(const Document &doc, bool withSaved = true);

// What changed between `old` and the document now: equal row counts give
// one splice per run of changed rows (runs a few unchanged rows apart make
// one); a different count gives one splice
// between the unchanged head and tail. The old rows are moved out of `old`.
std::vector<RowSplice> DiffRows(RowSnapshot &old, const Document &doc);

// Replaces the rows of `splice` in both arrays by its rows after (forward) or
// before, moving the rows below when the counts differ.
void ApplySplice(Document &doc, const RowSplice &splice, bool forward);

// Puts the document back as it was before `edit` (undo) or as it was after
// it (redo). Rows are replaced in both arrays, moving the rows below when
// the counts differ.
void RevertEdit(Document &doc, const DocumentEdit &edit);
void RepeatEdit(Document &doc, const DocumentEdit &edit);

} // namespace cuefold

#pragma once

#include <QByteArray>

namespace cuefold {

class Document;

// Subtitles First..Last; empty when First > Last.
struct LineRange {
    int First = 1;
    int Last = 0;
    bool empty() const { return First > Last; }
    bool operator==(const LineRange &) const = default;
};

// How far a bulk command reaches; each is confirmed with its own question.
enum class BulkScope {
    Remaining,  // current subtitle to the end, locked ones spared: shift, shift to, enlarge
    NearEntire, // every subtitle, locked ones spared: close short gaps, insert gaps
    TrueEntire, // every subtitle, locked ones too: repair overlaps, unmark all
};

// The subtitles the scope covers; Remaining is empty without a valid
// current subtitle, and the command then stops without a word.
LineRange ScopeRange(const Document &doc, BulkScope scope);

// The Yes/No question (Warning caption) asked before the command runs.
const QByteArray &ScopeQuestion(BulkScope scope);

// The frame-rate line (subtitle 1 when ReadFPSLine reads a rate from it)
// only tells players the movie's rate; it is no subtitle on screen, so no
// bulk command moves it, locked or not. Returns the first subtitle at or
// after `first` (at least 1) whose frames a bulk command may change.
int FirstMovableLine(const Document &doc, int first = 1);

// The gap, overlap, analysis and two-point commands need two subtitles;
// with fewer they show FewLines and stop.
bool TooFewLines(const Document &doc);

// Shift and enlarge amounts are whole frames, cut toward zero: 2.9 -> 2,
// -2.9 -> -2, 0.5 -> 0 (which then moves nothing).
double WholeFrames(double typed);

} // namespace cuefold

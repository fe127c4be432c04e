#pragma once

#include <vector>

namespace cuefold {

class Document;
struct TSubLine;

// Marks a frame value replaced by the overlap repair, followed by the old one.
inline constexpr char RepairNotePrefix[] = "!? ";

// The subtitle carries a repair note awaiting acceptance.
bool HasRepairNote(const TSubLine &line);

// Makes neighbouring subtitles stop overlapping: a subtitle starting inside
// the previous one starts where it ends; one lying inside the previous one's
// end cuts that end short. Each replaced value is noted. A locked subtitle is
// never changed: its unlocked neighbour gives way instead where it can. No
// subtitle is made to end before it starts: a pair that cannot be repaired
// without that (or without changing a locked one) stays as it was, and
// OverlapsLeft names it. Pairs with faulty frame fields and the frame-rate
// line are skipped. Sets doc.OverlapCount to the pairs carrying a note and
// sets doc.OverlapReviewActive when there are any. True when any frame
// changed.
bool RepairOverlapPairs(Document &doc);

// A repair run would change `doc`: a pair to repair, or a note count or
// review state that is no longer what a run would set.
bool OverlapRepairDue(const Document &doc);

// The subtitles that start before the one before them ends, pairs the repair
// skips excepted; after a repair run, the overlaps it left for the user.
std::vector<int> OverlapsLeft(const Document &doc);

// The first subtitle after `after` carrying a note while a review is active,
// else 0.
int FindNextRepair(const Document &doc, int after);

// The current subtitle carries a note: what enables accepting it.
bool CanAcceptRepair(const Document &doc);

// Where the review starts after a repair: subtitle 1 when it carries a
// note, else the first one after it that does; 0 when none.
int FirstRepair(const Document &doc);

// Accepting the notes of subtitle `line` (while CanAcceptRepair holds for
// it): they go, the repaired frames stay. When the last repair run left no
// notes the review ends; otherwise the repair runs again, recounting and
// catching overlaps made since. Returns the next subtitle after `line` with
// a note, looked up after that run (0: none; Accept is disabled and the
// unsuccessful-search message shown); the caller moves there. `changed` is
// told `line` and every row the second run rewrote.
int AcceptRepair(Document &doc, int line);

} // namespace cuefold

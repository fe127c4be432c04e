#pragma once

#include <functional>

namespace cuefold {

class Document;
struct TSubLine;

// Marks a frame value replaced by the overlap repair, followed by the old one.
inline constexpr char RepairNotePrefix[] = "!? ";

// The subtitle carries a repair note awaiting acceptance.
bool HasRepairNote(const TSubLine &line);

// Makes neighbouring subtitles stop overlapping: a subtitle starting inside
// the previous one starts where it ends; one lying inside the previous one's
// end cuts that end short. Each replaced value is noted. Locks are ignored;
// pairs with faulty frame fields are skipped. Sets doc.OverlapCount to the
// pairs carrying a note and sets doc.OverlapReviewActive when there are any.
// `rowChanged` is told every index whose frames changed. True when any frame
// changed.
bool RepairOverlapPairs(Document &doc, const std::function<void(int)> &rowChanged = {});

// The first subtitle after `after` carrying a note while a review is active,
// else 0.
int FindNextRepair(const Document &doc, int after);

// The current subtitle carries a note: what enables accepting it.
bool CanAcceptRepair(const Document &doc);

} // namespace cuefold

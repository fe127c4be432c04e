#pragma once

#include <QByteArray>
#include <vector>

namespace cuefold {

// Result reports: a count, then a sentence in the Czech plural form the count
// takes. The sentences come from the language table (Texts).
enum class ReportKind {
    Changed,    // Sub1chg..Sub3chg, one blank after the count
    OutOfRange, // Sub1oor..Sub3oor, two blanks
    Cut,        // Sub1cut..Sub3cut, two blanks
    Shortened,  // Sub1shr..Sub3shr, two blanks
    Lengthened, // Sub1lrg..Sub3lrg, two blanks
};

// 1 for one, 2 for two to four, 3 for none, five and more (22 included).
int PluralForm(int n);

// The one composition every report uses: "5 titulků bylo změněno!",
// "3  titulky se ocitly mimo meze!".
QByteArray CountReport(ReportKind kind, int n);

// The reading-speed recalculation's report: the cut, shortened and
// lengthened sections in that order, each only when its count is above 0,
// the first two ending in a carriage return. Empty when all are 0 (then no
// box is shown).
QByteArray ReadingSpeedReport(int cut, int shortened, int lengthened);

// The overlaps a repair left for the user (OverlapsLeft): how many, and the
// subtitle of the first; empty when there are none.
QByteArray OverlapsLeftReport(const std::vector<int> &left);

// The question after a repair that changed frames: how many overlaps, the
// overlaps left when there are any, and whether to go to the first repaired
// place.
QByteArray OverlapRepairQuestion(int overlapCount, const std::vector<int> &left = {});

} // namespace cuefold

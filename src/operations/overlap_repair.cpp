#include "operations/overlap_repair.h"

#include "document/document.h"
#include "document/frame_text.h"
#include "operations/bulk_scope.h"

#include <algorithm>

namespace cuefold {

namespace {

QByteArray RepairNote(double oldValue)
{
    return RepairNotePrefix + FrameText(oldValue);
}

bool CarriesNote(const QByteArray &raw)
{
    return raw.contains(RepairNotePrefix);
}

struct PairRepair {
    double at; // a's new end
    double bf; // b's new start
};

// The rules in order, each seeing the results of the ones before.
PairRepair RepairedPair(const TSubLine &a, const TSubLine &b)
{
    const double af = a.From;
    double at = a.Last;
    double bf = b.From;
    const double bt = b.Last;
    if (bf < at && bt > at) // b starts inside a and ends after it
        bf = at;
    if (bf < at && bt <= at) // b lies inside a's end
        at = bf;
    if (at < af && bf > af) // a would now end before it starts
        at = bf;
    // A locked subtitle is never changed; its unlocked neighbour gives way
    // instead: a ends where a locked b starts, b starts where a locked a ends.
    if (b.Lock && bf != b.From) {
        bf = b.From;
        if (!a.Lock)
            at = bf;
    }
    if (a.Lock && at != a.Last) {
        at = a.Last;
        if (!b.Lock)
            bf = std::max(bf, at);
    }
    // No subtitle is made to end before it starts (b starting before a, no
    // room beside a locked one): such a pair stays as it was, for the user.
    if ((at != a.Last && at < af) || (bf != b.From && bf > bt))
        return {a.Last, b.From};
    return {at, bf};
}

// Walks the neighbouring pairs a repair run looks at, handing `visit` the
// later one's index and what the rules make of the pair. Each pair is
// worked out after the visit of the one before, so a run sees its own
// changes.
template <class Visit>
void WalkPairs(const Document &doc, Visit &&visit)
{
    for (int i = FirstMovableLine(doc) + 1; i <= doc.LineCount; ++i) {
        const TSubLine &a = doc.SubLines[i - 1];
        const TSubLine &b = doc.SubLines[i];
        if (!a.Find && !b.Find)
            visit(i, RepairedPair(a, b));
    }
}

bool PairNoted(const Document &doc, int i)
{
    return CarriesNote(doc.SubLines[i].FErr) || CarriesNote(doc.SubLines[i - 1].LErr);
}

} // namespace

bool HasRepairNote(const TSubLine &line)
{
    return CarriesNote(line.FErr) || CarriesNote(line.LErr);
}

bool RepairOverlapPairs(Document &doc)
{
    doc.OverlapCount = 0;
    bool changed = false;
    WalkPairs(doc, [&](int i, const PairRepair &r) {
        TSubLine &a = doc.SubLines[i - 1];
        TSubLine &b = doc.SubLines[i];
        if (r.bf != b.From) {
            b.FErr = RepairNote(b.From);
            b.From = r.bf;
            changed = true;
        }
        if (r.at != a.Last) {
            a.LErr = RepairNote(a.Last);
            a.Last = r.at;
            changed = true;
        }
        if (PairNoted(doc, i))
            ++doc.OverlapCount;
    });
    if (doc.OverlapCount > 0)
        doc.OverlapReviewActive = true;
    return changed;
}

bool OverlapRepairDue(const Document &doc)
{
    bool repairs = false;
    int notes = 0;
    WalkPairs(doc, [&](int i, const PairRepair &r) {
        repairs = repairs || r.bf != doc.SubLines[i].From || r.at != doc.SubLines[i - 1].Last;
        notes += PairNoted(doc, i);
    });
    return repairs || notes != doc.OverlapCount || (notes > 0 && !doc.OverlapReviewActive);
}

std::vector<int> OverlapsLeft(const Document &doc)
{
    std::vector<int> left;
    for (int i = FirstMovableLine(doc) + 1; i <= doc.LineCount; ++i) {
        const TSubLine &a = doc.SubLines[i - 1];
        const TSubLine &b = doc.SubLines[i];
        if (!a.Find && !b.Find && b.From < a.Last)
            left.push_back(i);
    }
    return left;
}

int FindNextRepair(const Document &doc, int after)
{
    if (!doc.OverlapReviewActive)
        return 0;
    for (int i = std::max(after + 1, 1); i <= doc.LineCount; ++i)
        if (HasRepairNote(doc.SubLines[i]))
            return i;
    return 0;
}

bool CanAcceptRepair(const Document &doc)
{
    return doc.validIndex(doc.CurrentLine) && HasRepairNote(doc.SubLines[doc.CurrentLine]);
}

int FirstRepair(const Document &doc)
{
    if (doc.validIndex(1) && HasRepairNote(doc.SubLines[1]))
        return 1;
    return FindNextRepair(doc, 1);
}

int AcceptRepair(Document &doc, int line)
{
    TSubLine &l = doc.line(line);
    if (CarriesNote(l.FErr))
        l.FErr.clear();
    if (CarriesNote(l.LErr))
        l.LErr.clear();
    // Without notes from the last run the review ends here. Otherwise repair
    // before looking on, so an overlap made since is walked to as well.
    if (doc.OverlapCount < 1) {
        const int next = FindNextRepair(doc, line);
        doc.OverlapReviewActive = false;
        return next;
    }
    RepairOverlapPairs(doc);
    return FindNextRepair(doc, line);
}

} // namespace cuefold

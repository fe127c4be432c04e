#include "operations/overlap_repair.h"
#include "document/document.h"
#include "document/frame_text.h"

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

} // namespace

bool HasRepairNote(const TSubLine &line)
{
    return CarriesNote(line.FErr) || CarriesNote(line.LErr);
}

bool RepairOverlapPairs(Document &doc)
{
    doc.OverlapCount = 0;
    bool changed = false;
    for (int i = 2; i <= doc.LineCount; ++i) {
        TSubLine &a = doc.SubLines[i - 1];
        TSubLine &b = doc.SubLines[i];
        if (a.Find || b.Find)
            continue;
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
        if (bf != b.From) {
            b.FErr = RepairNote(b.From);
            b.From = bf;
            changed = true;
        }
        if (at != a.Last) {
            a.LErr = RepairNote(a.Last);
            a.Last = at;
            changed = true;
        }
        if (CarriesNote(b.FErr) || CarriesNote(a.LErr))
            ++doc.OverlapCount;
    }
    if (doc.OverlapCount > 0)
        doc.OverlapReviewActive = true;
    return changed;
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

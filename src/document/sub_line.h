#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace cuefold {

// The same bytes. A row copied for the history or the saved state shares
// its texts with the original, so most comparisons end at the pointers.
inline bool SameBytes(const QByteArray &a, const QByteArray &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

// One subtitle. Frames are doubles because bulk recalculations produce
// fractions; -1 means unknown. Text stays in the program's single-byte code
// page, "|" separates display rows.
struct TSubLine {
    double From = -1;
    double Last = -1;
    QByteArray Text;
    quint8 Lock = 0;
    quint8 Mark = 0;
    quint8 Find = 0;     // a frame field failed to parse when read
    QByteArray FErr;     // raw faulty first-frame text, or "!? old" repair note
    QByteArray LErr;     // raw faulty last-frame text, "{}" for a computed end, or a note

    void clear() { *this = TSubLine(); }
    bool operator==(const TSubLine &o) const
    {
        return From == o.From && Last == o.Last && Lock == o.Lock && Mark == o.Mark && Find == o.Find &&
               SameBytes(Text, o.Text) && SameBytes(FErr, o.FErr) && SameBytes(LErr, o.LErr);
    }
};

} // namespace cuefold

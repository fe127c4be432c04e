#include "document/row_patch.h"

#include <algorithm>
#include <type_traits>

namespace cuefold {

namespace {

template <class T>
bool SameValue(const T &a, const T &b)
{
    if constexpr (std::is_same_v<T, QByteArray>)
        return SameBytes(a, b);
    else
        return a == b;
}

template <class T, size_t N, class Column>
void addColumns(std::vector<Column> &columns, T TSubLine::*const (&fields)[N], const std::vector<TSubLine> &before,
                const std::vector<TSubLine> &after)
{
    for (T TSubLine::*field : fields) {
        const auto differs = [&](size_t i) { return !SameValue(before[i].*field, after[i].*field); };
        size_t i = 0;
        while (i < before.size() && !differs(i))
            ++i;
        if (i == before.size())
            continue;
        Column c{field, {}, {}};
        c.before.reserve(before.size());
        c.after.reserve(after.size());
        for (size_t k = 0; k < before.size(); ++k) {
            c.before.push_back(before[k].*field);
            c.after.push_back(after[k].*field);
        }
        columns.push_back(std::move(c));
    }
}

double TSubLine::*const FrameFields[] = {&TSubLine::From, &TSubLine::Last};
QByteArray TSubLine::*const TextFields[] = {&TSubLine::Text, &TSubLine::FErr, &TSubLine::LErr};
quint8 TSubLine::*const FlagFields[] = {&TSubLine::Lock, &TSubLine::Mark, &TSubLine::Find};

template <class Column>
size_t columnBytes(const std::vector<Column> &columns)
{
    size_t n = 0;
    for (const Column &c : columns)
        n += sizeof(Column) + (c.before.capacity() + c.after.capacity()) * sizeof(c.before[0]);
    return n;
}

} // namespace

void RowPatch::add(int first, const std::vector<TSubLine> &before, const std::vector<TSubLine> &after)
{
    Run run;
    run.first = first;
    run.count = int(before.size());
    addColumns(run.frames, FrameFields, before, after);
    addColumns(run.texts, TextFields, before, after);
    addColumns(run.flags, FlagFields, before, after);
    if (run.frames.empty() && run.texts.empty() && run.flags.empty())
        return;
    const int last = first + run.count - 1;
    mFirst = mRuns.empty() ? first : std::min(mFirst, first);
    mLast = mRuns.empty() ? last : std::max(mLast, last);
    mRuns.push_back(std::move(run));
}

size_t RowPatch::bytes() const
{
    size_t n = sizeof(RowPatch) + mRuns.capacity() * sizeof(Run);
    for (const Run &run : mRuns) {
        n += columnBytes(run.frames) + columnBytes(run.texts) + columnBytes(run.flags);
        // Texts no longer in the document are owned here; count them as if
        // none were shared, which keeps the estimate on the safe side.
        for (const auto &c : run.texts)
            for (const QByteArray &t : c.before)
                n += size_t(t.capacity());
    }
    return n;
}

} // namespace cuefold

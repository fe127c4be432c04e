#pragma once

#include "document/sub_line.h"

#include <array>
#include <cstddef>
#include <vector>

namespace cuefold {

// Rows of one array changed in place, kept column by column: only the fields
// that changed in some row are stored. A shift of every subtitle keeps two
// frames per row, and texts stay shared with the document (QByteArray is
// implicitly shared), so a long history of bulk commands stays small.
class RowPatch {
public:
    // Adds rows first.. with their values before and after. A row may come
    // again in a later add: applying goes through the adds in order.
    void add(int first, const std::vector<TSubLine> &before, const std::vector<TSubLine> &after);
    bool empty() const { return mRuns.empty(); }
    // Writes the values after (forward) or before (back) into `rows`.
    template <class Rows>
    void apply(Rows &rows, bool forward) const;
    // The lowest and highest row touched.
    int firstRow() const { return mFirst; }
    int lastRow() const { return mLast; }
    size_t bytes() const;

private:
    template <class T>
    struct Column {
        T TSubLine::*field;
        std::vector<T> before, after;
    };
    // One add: its rows and a column for each field that changed there.
    struct Run {
        int first = 0;
        int count = 0;
        std::vector<Column<double>> frames;
        std::vector<Column<QByteArray>> texts;
        std::vector<Column<quint8>> flags;
    };
    std::vector<Run> mRuns;
    int mFirst = 0, mLast = 0;
};

template <class Rows>
void RowPatch::apply(Rows &rows, bool forward) const
{
    auto put = [&](const Run &run, const auto &columns) {
        for (const auto &c : columns) {
            const auto &values = forward ? c.after : c.before;
            for (int i = 0; i < run.count; ++i)
                rows[run.first + i].*(c.field) = values[i];
        }
    };
    auto each = [&](const Run &run) {
        put(run, run.frames);
        put(run, run.texts);
        put(run, run.flags);
    };
    if (forward)
        for (const Run &run : mRuns)
            each(run);
    else
        for (auto run = mRuns.rbegin(); run != mRuns.rend(); ++run)
            each(*run);
}

} // namespace cuefold

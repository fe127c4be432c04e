#pragma once

#include "document/document.h"
#include "document/document_edit.h"

#include <memory>
#include <vector>

namespace cuefold::testing {

// One subtitle of a test document; unset fields stay empty or 0.
struct SampleLine {
    double from = 0;
    double last = 0;
    QByteArray text = {};
    quint8 lock = 0;
    quint8 mark = 0;
    quint8 find = 0;
};

// A saved document of these subtitles with `current` as the current one.
inline std::unique_ptr<Document> DocumentOf(const std::vector<SampleLine> &lines, int current = 1)
{
    auto doc = std::make_unique<Document>();
    doc->reset();
    int i = 0;
    for (const SampleLine &s : lines) {
        TSubLine &l = doc->SubLines[++i];
        l.From = s.from;
        l.Last = s.last;
        l.Text = s.text;
        l.Lock = s.lock;
        l.Mark = s.mark;
        l.Find = s.find;
    }
    doc->LineCount = i;
    doc->CurrentLine = current;
    doc->markSaved();
    return doc;
}

// The rows `change` rewrote in either array, in order, as the document
// model would record them.
template <class Change>
std::vector<int> RowsChangedBy(Document &doc, Change &&change)
{
    RowSnapshot before = TakeSnapshot(doc);
    change(doc);
    std::vector<int> rows;
    for (const RowSplice &s : DiffRows(before, doc)) {
        // A splice in place may carry unchanged rows between changed ones.
        const bool inPlace = s.before.size() == s.after.size();
        for (int row = s.first; row <= s.lastAfter(); ++row) {
            const size_t k = size_t(row - s.first);
            const bool savedSame = s.savedBefore.empty() || s.savedBefore[k] == s.savedAfter[k];
            if (!inPlace || !(s.before[k] == s.after[k]) || !savedSame)
                rows.push_back(row);
        }
    }
    return rows;
}

} // namespace cuefold::testing

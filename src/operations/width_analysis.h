#pragma once

#include <QByteArray>
#include <QChar>
#include <array>
#include <functional>
#include <vector>

namespace cuefold {

class Document;

// Width of one display row in the preview font, in pixels. The window
// measures; the analysis needs no font.
using RowWidth = std::function<int(const QByteArray &row)>;

// A row width as the sum of its characters' widths, each character of the
// open document's encoding measured once (a text-extent call without kerning
// measures the same way). Shaping every row in the font instead takes some
// 20 ms over a full file, too slow to rebuild after each insert or delete.
RowWidth SummedCharacterWidths(const std::function<int(QChar c)> &widthOf);

enum class AnalysisKind {
    Pixels,     // widest display row in pixels
    FullLength, // characters of the whole text, "|" included
    RowLength,  // characters of the longest display row
};
inline constexpr int AnalysisKindCount = 3;

struct AnalysisEntry {
    int Value = 0;
    int Line = 0;
    bool operator==(const AnalysisEntry &) const = default;
};

// One entry per unlocked subtitle, narrowest first; equal values keep
// document order. An empty text measures 0. `width` is used for Pixels only.
std::vector<AnalysisEntry> BuildAnalysisList(const Document &doc, AnalysisKind kind, const RowWidth &width);

// The three lists of the analysis window and the place the user stands in
// each; positions count from 1 like the window shows them.
class WidthAnalysis {
public:
    // Set by every build, cleared by clear() and by a refresh.
    bool Active = false;

    // The build button: builds the list and stands on its widest entry.
    void build(AnalysisKind kind, const Document &doc, const RowWidth &width);
    // The list's size; -1 while it does not exist.
    int count(AnalysisKind kind) const;
    int position(AnalysisKind kind) const;
    // The entry the window shows, or nullptr: a list shows an entry only when
    // it holds at least two ("?" in the labels otherwise).
    const AnalysisEntry *shown(AnalysisKind kind) const;
    // Previous (-1) and next (+1), stopping at both ends.
    const AnalysisEntry *step(AnalysisKind kind, int delta);
    // "Aktuální": stands on the first entry of `line` when the list shows
    // entries at all; the position stays when the line is not listed.
    const AnalysisEntry *standOn(AnalysisKind kind, int line);

    // The Clear button and a document reset: every list is dropped.
    void clear();
    // RefreshAnalysis(true) after inserting, adding, joining or deleting
    // subtitles: nothing unless the analysis is active; otherwise every list
    // with entries is built again, one place further on, and the others are
    // dropped. False when nothing was done (the window then keeps its
    // labels); true when the window is to show every list afresh.
    bool rebuild(const Document &doc, const RowWidth &width);

private:
    struct List {
        std::vector<AnalysisEntry> entries;
        bool exists = false;
        int position = 0;
    };
    List &list(AnalysisKind kind) { return mLists[static_cast<int>(kind)]; }
    const List &list(AnalysisKind kind) const { return mLists[static_cast<int>(kind)]; }
    static void place(List &l, int position);

    std::array<List, AnalysisKindCount> mLists;
};

} // namespace cuefold

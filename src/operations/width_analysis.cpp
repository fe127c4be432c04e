#include "operations/width_analysis.h"

#include "document/document.h"
#include "document/text_codec.h"

#include <QHash>
#include <memory>

#include <algorithm>

namespace cuefold {

namespace {

// The largest measure over the display rows of `text`.
template <typename Measure>
int WidestRow(const QByteArray &text, Measure measure)
{
    int widest = 0;
    qsizetype start = 0;
    while (true) {
        const qsizetype end = text.indexOf('|', start);
        const qsizetype stop = end < 0 ? text.size() : end;
        widest = std::max(widest, measure(text.constData() + start, stop - start));
        if (end < 0)
            return widest;
        start = end + 1;
    }
}

int ValueOf(const QByteArray &text, AnalysisKind kind, const RowWidth &width)
{
    if (text.isEmpty())
        return 0;
    switch (kind) {
    case AnalysisKind::Pixels:
        return WidestRow(text, [&width](const char *row, qsizetype size) {
            return width(QByteArray::fromRawData(row, size));
        });
    case AnalysisKind::FullLength:
        return int(DocumentCodec().length(text));
    case AnalysisKind::RowLength:
        break;
    }
    return WidestRow(text, [](const char *row, qsizetype size) {
        return int(DocumentCodec().length(QByteArrayView(row, size)));
    });
}

} // namespace

RowWidth SummedCharacterWidths(const std::function<int(QChar c)> &widthOf)
{
    // A single-byte page has 256 characters, measured up front; UTF-8 rows
    // measure each other character once, when first met.
    const TextCodec codec = DocumentCodec();
    std::array<int, 256> widths{};
    for (int b = 0; b < (codec.isUtf8() ? 128 : 256); ++b)
        widths[b] = widthOf(codec.toUnicode(QByteArray(1, char(b))).at(0));
    if (!codec.isUtf8())
        return [widths](const QByteArray &row) {
            int sum = 0;
            for (char c : row)
                sum += widths[uchar(c)];
            return sum;
        };
    auto others = std::make_shared<QHash<char16_t, int>>();
    return [widths, others, widthOf](const QByteArray &row) {
        int sum = 0;
        for (QChar c : QString::fromUtf8(row)) {
            if (c.unicode() < 128) {
                sum += widths[c.unicode()];
                continue;
            }
            auto it = others->find(c.unicode());
            if (it == others->end())
                it = others->insert(c.unicode(), widthOf(c));
            sum += *it;
        }
        return sum;
    };
}

std::vector<AnalysisEntry> BuildAnalysisList(const Document &doc, AnalysisKind kind, const RowWidth &width)
{
    std::vector<AnalysisEntry> entries;
    entries.reserve(std::max(doc.LineCount, 0));
    for (int i = 1; i <= doc.LineCount; ++i)
        if (!doc.line(i).Lock)
            entries.push_back({ValueOf(doc.line(i).Text, kind, width), i});
    // Stable, so equal widths stay in document order as the user reads them.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const AnalysisEntry &a, const AnalysisEntry &b) { return a.Value < b.Value; });
    return entries;
}

void WidthAnalysis::place(List &l, int position)
{
    l.position = std::max(1, std::min(position, int(l.entries.size())));
}

void WidthAnalysis::build(AnalysisKind kind, const Document &doc, const RowWidth &width)
{
    List &l = list(kind);
    l.entries = BuildAnalysisList(doc, kind, width);
    l.exists = true;
    place(l, int(l.entries.size()));
    Active = true;
}

int WidthAnalysis::count(AnalysisKind kind) const
{
    const List &l = list(kind);
    return l.exists ? int(l.entries.size()) : -1;
}

int WidthAnalysis::position(AnalysisKind kind) const
{
    return list(kind).position;
}

const AnalysisEntry *WidthAnalysis::shown(AnalysisKind kind) const
{
    const List &l = list(kind);
    return l.exists && l.entries.size() > 1 ? &l.entries[l.position - 1] : nullptr;
}

const AnalysisEntry *WidthAnalysis::step(AnalysisKind kind, int delta)
{
    List &l = list(kind);
    place(l, l.position + delta);
    return shown(kind);
}

const AnalysisEntry *WidthAnalysis::standOn(AnalysisKind kind, int line)
{
    if (!shown(kind))
        return nullptr;
    List &l = list(kind);
    const auto it = std::find_if(l.entries.begin(), l.entries.end(),
                                 [line](const AnalysisEntry &e) { return e.Line == line; });
    if (it != l.entries.end())
        l.position = int(it - l.entries.begin()) + 1;
    return shown(kind);
}

void WidthAnalysis::clear()
{
    Active = false;
    mLists = {};
}

bool WidthAnalysis::rebuild(const Document &doc, const RowWidth &width)
{
    if (!Active)
        return false;
    Active = false;
    for (int k = 0; k < AnalysisKindCount; ++k) {
        const auto kind = static_cast<AnalysisKind>(k);
        List &l = list(kind);
        if (!l.exists || l.entries.empty()) {
            l = List{};
            continue;
        }
        const int position = l.position;
        build(kind, doc, width);
        place(l, position + 1);
    }
    return true;
}

} // namespace cuefold

#include "document/reading_speed.h"

#include "document/document.h"
#include "document/frame_text.h"
#include "document/text_codec.h"

#include <algorithm>

namespace cuefold {

QList<int> VisibleRowLengths(const QByteArray &text)
{
    QList<int> rows{0};
    const TextCodec &codec = DocumentCodec();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == '|') {
            rows.append(0);
            continue;
        }
        if (c == '{') {
            const qsizetype close = text.indexOf('}', i + 1);
            const qsizetype bar = text.indexOf('|', i + 1);
            if (close > i && (bar < 0 || close < bar)) {
                i = close;
                continue;
            }
        }
        rows.back() += codec.startsCharacter(c);
    }
    return rows;
}

bool ReadingSpeed::overLimits(const ReadingLimits &limits) const
{
    return tooFast(limits)
           || std::any_of(RowLengths.begin(), RowLengths.end(), [&](int n) { return n > limits.MaxRowLength; });
}

ReadingSpeed MeasureReading(const QByteArray &text, double from, double last, double fps)
{
    ReadingSpeed r;
    r.RowLengths = VisibleRowLengths(text);
    const double frames = last - from + 1;
    if (IsValidFPS(fps) && frames >= 1) {
        int visible = 0;
        for (int n : r.RowLengths)
            visible += n;
        r.Cps = visible * fps / frames;
    }
    return r;
}

bool IsFrameRateLine(const Document &doc, int i)
{
    return i == 1 && HoldsFrameRate(doc);
}

ReadingSpeed MeasureSubtitle(const Document &doc, int i)
{
    if (IsFrameRateLine(doc, i))
        return {};
    const TSubLine &l = doc.line(i);
    return MeasureReading(l.Text, l.From, l.Last, doc.FPS);
}

} // namespace cuefold

#include "operations/timing_previews.h"

#include "document/document.h"
#include "document/frame_text.h"
#include "operations/bulk_scope.h"

#include <algorithm>

namespace cuefold {

namespace {

// Every entry starts as the subtitle's own frames; the frame-rate subtitle
// stays so and the run starts after it.
FramePreview UnchangedFrames(const Document &doc, int &start)
{
    FramePreview preview(Document::Capacity + 1);
    for (int i = 1; i <= doc.LineCount; ++i)
        preview[i] = {doc.line(i).From, doc.line(i).Last};
    start = FirstMovableLine(doc);
    return preview;
}

bool Chosen(const Document &doc, int i, const TimingScope &scope)
{
    if (!scope.all && i < doc.CurrentLine)
        return false;
    const TSubLine &line = doc.line(i);
    switch (scope.locks) {
    case LockChoice::RespectLocks: return line.Lock == 0;
    case LockChoice::IgnoreLocks: return true;
    case LockChoice::MarkedOnly: return line.Mark == 1;
    }
    return false;
}

QByteArray SubtitleLine(double from, double last, const QByteArray &text)
{
    return '{' + FrameText(from) + "}{" + FrameText(last) + '}' + text + "\r\n";
}

} // namespace

std::optional<double> ParsePointFrame(const QByteArray &text)
{
    double value = 0;
    if (text.contains(',') || !ParseDecimal(text, value))
        return std::nullopt;
    return value;
}

FramePreview TwoPointPreview(const Document &doc, const TwoPoints &p, const TimingScope &scope)
{
    int start = 1;
    FramePreview preview = UnchangedFrames(doc, start);
    const auto map = [&p](double x) {
        const double y = ((x - p.PA) * p.DN + (p.DA - x) * p.PN) / (p.DA - p.PA);
        return y < 0 ? 1 : y;
    };
    for (int i = start; i <= doc.LineCount; ++i) {
        if (!Chosen(doc, i, scope))
            continue;
        // Points given in reverse order, or a start lifted from below 0 to 1,
        // would make the end come first: it stays on the start instead.
        const double from = map(doc.line(i).From);
        preview[i] = {from, std::max(from, map(doc.line(i).Last))};
    }
    return preview;
}

SpeedPreview ReadingSpeedPreview(const Document &doc, const TimingScope &scope, const DisplayTimeRule &rule,
                                 const ShotSnap &shots)
{
    SpeedPreview result;
    int start = 1;
    result.frames = UnchangedFrames(doc, start);
    for (int i = start; i <= doc.LineCount; ++i) {
        if (!Chosen(doc, i, scope))
            continue;
        const TSubLine &line = doc.line(i);
        const double nextFrom = i < doc.LineCount ? doc.line(i + 1).From : -1;
        const int cutBefore = result.cut;
        double last = LastBySpeed(line.Text, line.From, nextFrom, doc.FPS, rule, &result.cut);
        if (!line.Lock) // a locked one taken in keeps its end off the shot changes
            last = EndBeforeShot(shots, line.From, last);
        if (result.cut == cutBefore) {
            result.shortened += last < line.Last;
            result.lengthened += last > line.Last;
        }
        result.frames[i] = {line.From, last};
    }
    return result;
}

void ApplyPreview(Document &doc, const FramePreview &preview)
{
    for (int i = 1; i <= doc.LineCount; ++i) {
        doc.line(i).From = preview[i].From;
        doc.line(i).Last = preview[i].Last;
    }
}

QByteArray PreviewFileText(const Document &doc, const FramePreview &preview)
{
    QByteArray out;
    const int start = FirstMovableLine(doc);
    if (start == 2)
        out += SubtitleLine(1, 1, doc.line(1).Text);
    for (int i = start; i <= doc.LineCount; ++i)
        out += SubtitleLine(preview[i].From, preview[i].Last, doc.line(i).Text);
    return out;
}

QByteArray SpeedTestFileText(const Document &doc, const DisplayTimeRule &rule)
{
    QByteArray out = SubtitleLine(1, 1, FpsText(SpeedTestFps));
    // In doubles: no gap setting can overflow them.
    const double gap = rule.DelayFrames;
    double prevLast = 1 - gap;
    for (int i = FirstMovableLine(doc, doc.CurrentLine); i <= doc.LineCount && i <= Document::Capacity; ++i) {
        const double from = prevLast + 1 + gap;
        const double last = qMax(from, DwellFrames(doc.line(i).Text, SpeedTestFps, rule) + from - 1);
        out += SubtitleLine(from, last, doc.line(i).Text);
        if (last >= SpeedTestEndFrame)
            break;
        prevLast = last;
    }
    return out;
}

} // namespace cuefold

#include "player/WaveformPainter.h"

#include "document/document.h"
#include "player/sound_wave.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace cuefold {

namespace {

// Zoomed in this far, each frame gets its grid line.
constexpr double GridPixels = 4;

void paintWave(QPainter &p, const WaveView &view, const SoundWave &wave)
{
    const int middle = view.size.height() / 2;
    const double scale = (view.size.height() / 2 - 2) / 127.0;
    p.setPen(QColor(90, 200, 120));
    // One vertical line per column spans the peaks of the frames under it.
    for (int x = 0; x < view.size.width(); ++x) {
        const int from = std::max(0, int(std::floor(view.frameAt(x))));
        const int to = std::min(wave.frames(), std::max(from + 1, int(std::floor(view.frameAt(x + 1)))));
        int low = 0, high = 0;
        for (int f = from; f < to; ++f) {
            low = std::min(low, wave.low(f));
            high = std::max(high, wave.high(f));
        }
        if (low < high)
            p.drawLine(x, middle - int(high * scale), x, middle - int(low * scale));
    }
}

void paintGrid(QPainter &p, const WaveView &view)
{
    p.setPen(QColor(60, 60, 60));
    for (double f = std::ceil(view.first); view.xOf(f) < view.size.width(); ++f)
        p.drawLine(int(view.xOf(f)), 0, int(view.xOf(f)), view.size.height());
}

void paintBands(QPainter &p, const WaveView &view, const Document &doc)
{
    const double last = view.frameAt(view.size.width());
    const int h = view.size.height();
    for (int i = 1; i <= doc.LineCount; ++i) {
        const TSubLine &l = doc.line(i);
        if (l.From < 0 || l.Last < l.From || l.From > last || l.Last + 1 < view.first)
            continue;
        const bool current = i == doc.CurrentLine;
        const QRect band(QPoint(int(view.xOf(l.From)), 0), QPoint(int(view.xOf(l.Last + 1)) - 1, h - 1));
        p.fillRect(band, current ? QColor(240, 200, 60, 70) : QColor(90, 140, 230, 55));
        p.setPen(current ? QColor(240, 200, 60) : QColor(90, 140, 230));
        p.drawLine(band.topLeft(), band.bottomLeft());
        p.drawLine(band.topRight(), band.bottomRight());
        p.drawText(band.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(i));
    }
}

} // namespace

void PaintWaveBackground(QPainter &painter, const WaveView &view, const SoundWave &wave, const Document &doc,
                         const std::vector<int> &shots, const QString &reason)
{
    painter.fillRect(QRect(QPoint(0, 0), view.size), QColor(20, 20, 24));
    if (view.pixelsPerFrame >= GridPixels)
        paintGrid(painter, view);
    if (wave.frames() > 0)
        paintWave(painter, view, wave);
    painter.setPen(QColor(230, 60, 200));
    for (const int cut : shots) {
        const double x = view.xOf(cut);
        if (x >= 0 && x < view.size.width())
            painter.drawLine(int(x), 0, int(x), view.size.height());
    }
    paintBands(painter, view, doc);
    if (!reason.isEmpty()) {
        painter.setPen(QColor(200, 200, 200));
        painter.drawText(QRect(QPoint(0, 0), view.size), Qt::AlignCenter, reason);
    }
}

} // namespace cuefold

#pragma once

#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace cuefold {

class Document;
struct SoundWave;

// Which frames the strip shows: the frame at the left edge and the width of
// one frame in pixels.
struct WaveView {
    double first = 0;
    double pixelsPerFrame = 1;
    QSize size;

    double frameAt(double x) const { return first + x / pixelsPerFrame; }
    double xOf(double frame) const { return (frame - first) * pixelsPerFrame; }
};

// Draws everything of the strip that stands still while the movie plays:
// the wave, a line per frame when zoomed in, the subtitles as numbered bands
// (the current one highlighted), the cuts, and `reason` when there is no wave.
void PaintWaveBackground(QPainter &painter, const WaveView &view, const SoundWave &wave, const Document &doc,
                         const std::vector<int> &shots, const QString &reason);

} // namespace cuefold

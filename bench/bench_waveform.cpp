// The sound strip: reading a movie's sound into peaks per frame (how many
// times faster than real time, and the bytes an hour of movie takes), and
// the strip's repaint while the movie plays (the cursor moves, nothing else).
#include "document_generator.h"
#include "document/document_model.h"
#include "media/media_functions.h"
#include "player/WaveformStrip.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

constexpr int MovieSeconds = 600;

// Ten minutes of 25 fps video (tiny pictures) with stereo AAC sound at
// 48 kHz, a film's usual sound; made once per run.
const QString &soundMovie()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString movie = dir.filePath(QStringLiteral("film.mp4"));
        QProcess::execute(QStringLiteral("ffmpeg"),
                          {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                           QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("testsrc=size=160x120:rate=25"), QStringLiteral("-f"),
                           QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("sine=frequency=440:sample_rate=48000,aformat=channel_layouts=stereo"),
                           QStringLiteral("-t"), QString::number(MovieSeconds), QStringLiteral("-c:v"),
                           QStringLiteral("mpeg4"), QStringLiteral("-c:a"), QStringLiteral("aac"), movie});
        return movie;
    }();
    return path;
}

void BM_SoundPeaks(benchmark::State &state)
{
    const QByteArray movie = QFile::encodeName(soundMovie());
    std::int64_t frames = 0;
    SoundPeaksSink sink;
    sink.opaque = &frames;
    sink.progress = [](void *, double) { return true; };
    sink.peaks = [](void *opaque, const std::int8_t *, std::int64_t count) { *static_cast<std::int64_t *>(opaque) += count; };
    for (auto _ : state) {
        frames = 0;
        if (SoundPeaks(movie.constData(), 25, 1, &sink) != SoundResult::Done)
            state.SkipWithError("no sound read");
    }
    // Seconds of movie read per second of time.
    state.counters["x_real_time"] = benchmark::Counter(double(MovieSeconds) * double(state.iterations()),
                                                       benchmark::Counter::kIsRate);
    state.counters["bytes_per_hour"] = double(2 * frames) * 3600 / MovieSeconds;
}
BENCHMARK(BM_SoundPeaks)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_WaveformRepaintWhilePlaying(benchmark::State &state)
{
    DocumentModel model;
    const auto original = bench::GenerateDocument();
    model.load([&](Document &d) { d = *original; });
    model.setCurrent(1200, 0);
    WaveformStrip strip(model);
    strip.resize(1200, 90);
    SoundWave wave{SoundResult::Done, {25, 1}, QByteArray(2 * 90000, 0)};
    for (int f = 0; f < wave.frames(); ++f) {
        wave.pairs[2 * f] = char(-(f * 7 % 127));
        wave.pairs[2 * f + 1] = char(f * 13 % 127);
    }
    strip.setWave(wave);
    QImage screen(strip.size(), QImage::Format_ARGB32_Premultiplied);
    strip.render(&screen); // the first paint draws the still parts once
    double position = strip.frameAt(10);
    for (auto _ : state) {
        strip.setPosition(position);
        position += 1;
        if (position > strip.frameAt(strip.width() - 10))
            position = strip.frameAt(10);
        strip.render(&screen);
    }
}
BENCHMARK(BM_WaveformRepaintWhilePlaying)->Unit(benchmark::kMicrosecond);

} // namespace

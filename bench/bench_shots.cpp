// The movie's shot changes: the full search of a 1080p H.264 movie, and its
// key frames read by demuxing alone, each against the movie's length.
#include "generated_movie.h"
#include "media/media_functions.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

constexpr int Frames = 500; // 20 s at 25 fps

// One movie for both measurements, made once: an encoder preset with
// B-frames and arithmetic coding, as films are coded.
const QByteArray &Movie()
{
    static QTemporaryDir dir;
    static const QByteArray path = [] {
        const QString movie = dir.filePath(QStringLiteral("film-1080p.mp4"));
        QList<int> cuts;
        for (int cut = 60; cut < Frames; cut += 60)
            cuts << cut;
        if (!testing::MakeCutMovie(movie, cuts, Frames, QStringLiteral("25"), 250, QStringLiteral("1920x1080"),
                                   QStringLiteral("faster")))
            return QByteArray();
        return QFile::encodeName(movie);
    }();
    return path;
}

void Count(void *opaque, int)
{
    ++*static_cast<int *>(opaque);
}

// One pass over the movie, timed against its length.
void MeasurePass(benchmark::State &state, ShotSearchEnd (*pass)(const char *, const ShotSearch *))
{
    if (Movie().isEmpty()) {
        state.SkipWithError("ffmpeg could not make the movie");
        return;
    }
    for (auto _ : state) {
        int found = 0;
        const ShotSearch search{10, Count, nullptr, &found};
        QElapsedTimer clock;
        clock.start();
        pass(Movie().constData(), &search);
        state.counters["x_real_time"] = (Frames / 25.0) / (clock.nsecsElapsed() / 1e9);
        state.counters["found"] = found;
    }
}

void BM_ShotSearch1080p(benchmark::State &state)
{
    MeasurePass(state, MovieShotChanges);
}
BENCHMARK(BM_ShotSearch1080p)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_KeyFrames1080p(benchmark::State &state)
{
    MeasurePass(state, MovieKeyFrames);
}
BENCHMARK(BM_KeyFrames1080p)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

#include "player/ShotChanges.h"

#include "config/settings.h"
#include "player/MediaLibrary.h"
#include "player/analysis_cache.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "player/AnalysisRunner.h"

#include <QFile>
#include <QPointer>

namespace cuefold {

namespace {

const QByteArray FullKind = "shots";
const QByteArray KeyFrameKind = "keyframes";

// A stored result names the threshold it was found with, so that a changed
// threshold searches the movie again.
QByteArray ThresholdLine()
{
    return "# threshold " + QByteArray::number(Settings.Main.ShotThreshold) + '\n';
}

std::optional<ShotList> Cached(const QString &movie, const QByteArray &kind)
{
    const std::optional<QByteArray> data = AnalysisCache::read(movie, kind);
    if (!data || (kind == FullKind && !data->contains("\n" + ThresholdLine())))
        return std::nullopt;
    return ReadKeyframeFile(*data);
}

void Store(const QString &movie, const QByteArray &kind, const ShotList &shots)
{
    AnalysisCache::write(movie, kind, KeyframeFileText(shots) + ThresholdLine());
}

// What one pass of the analysis finds, reporting its progress until it is
// told to stop.
struct Pass {
    ShotList found;
    const std::function<bool(double)> *progress;

    ShotSearch search(double threshold)
    {
        return {threshold, [](void *o, int frame) { static_cast<Pass *>(o)->found.push_back(frame); },
                [](void *o, double done) { return (*static_cast<Pass *>(o)->progress)(done); }, this};
    }
};

} // namespace

ShotChanges::ShotChanges() = default;

ShotChanges::~ShotChanges()
{
    stop();
}

void ShotChanges::movieLoaded(const QString &path)
{
    movieClosed();
    mMovie = path;
    if (const auto full = Cached(path, FullKind)) {
        mShots = *full;
        mComplete = true;
        emit shotsChanged();
        return;
    }
    const auto keys = Cached(path, KeyFrameKind);
    if (keys) {
        mShots = *keys;
        emit shotsChanged();
    }
    analyse(!keys);
}

void ShotChanges::movieClosed()
{
    stop();
    mMovie.clear();
    mComplete = false;
    if (!mShots.empty()) {
        mShots.clear();
        emit shotsChanged();
    }
}

void ShotChanges::replace(ShotList shots)
{
    stop();
    mShots = NormalisedShots(std::move(shots));
    mComplete = true;
    Store(mMovie, FullKind, mShots);
    emit shotsChanged();
}

ShotSnap ShotChanges::snap() const
{
    ShotSnap s = reach();
    if (!Settings.Main.SnapToShots)
        s.distance = 0;
    return s;
}

ShotSnap ShotChanges::reach() const
{
    return {&mShots, Settings.Main.SnapFrames, Settings.Main.DelayFrames};
}

void ShotChanges::stop()
{
    // A result still on its way belongs to an earlier run and is dropped;
    // the runner stops the work itself when the movie goes.
    ++mRun;
}

void ShotChanges::analyse(bool keyFramesFirst)
{
    const MediaFunctions *media = Media();
    if (!media || !mRunner)
        return;
    if (keyFramesFirst)
        mRunner->start(job(*media, KeyFrameKind, Texts.ShotsReadingKeyFrames));
    mRunner->start(job(*media, FullKind, Texts.ShotsSearching));
}

AnalysisJob ShotChanges::job(const MediaFunctions &media, const QByteArray &kind, const QByteArray &caption)
{
    const auto pass = kind == FullKind ? media.movieShotChanges : media.movieKeyFrames;
    const QByteArray path = QFile::encodeName(mMovie);
    const double threshold = Settings.Main.ShotThreshold;
    return {Unicode(caption),
            [pass, path, threshold](const std::function<bool(double)> &progress) -> std::optional<QByteArray> {
                Pass found{{}, &progress};
                const ShotSearch search = found.search(threshold);
                if (pass(path.constData(), &search) != ShotSearchEnd::Done)
                    return std::nullopt;
                return KeyframeFileText(found.found);
            },
            // Another movie may have come meanwhile: its run drops the result.
            [self = QPointer<ShotChanges>(this), run = mRun, kind](std::optional<QByteArray> result) {
                if (self && result)
                    if (const auto shots = ReadKeyframeFile(*result))
                        self->take(run, kind, *shots);
            }};
}

void ShotChanges::take(int run, const QByteArray &kind, const ShotList &shots)
{
    if (run != mRun)
        return;
    mShots = NormalisedShots(shots);
    mComplete = kind == FullKind;
    Store(mMovie, kind, mShots);
    emit shotsChanged();
}

} // namespace cuefold

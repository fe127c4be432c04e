#include "player/ShotChanges.h"

#include "config/settings.h"
#include "player/MediaLibrary.h"
#include "player/analysis_cache.h"

#include <QFile>
#include <QThread>

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

// What one pass of the analysis finds, until it is told to stop.
struct Pass {
    ShotList found;
    const std::atomic<bool> *halt;

    ShotSearch search(double threshold)
    {
        return {threshold, [](void *o, int frame) { static_cast<Pass *>(o)->found.push_back(frame); },
                [](void *o, double) { return !*static_cast<Pass *>(o)->halt; }, this};
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
    ++mRun;
    if (mStop)
        *mStop = true;
    if (mWorker) {
        mWorker->wait();
        delete mWorker;
        mWorker = nullptr;
    }
    mStop.reset();
}

void ShotChanges::analyse(bool keyFramesFirst)
{
    const MediaFunctions *media = Media();
    if (!media)
        return;
    const int run = mRun;
    const QByteArray path = QFile::encodeName(mMovie);
    const double threshold = Settings.Main.ShotThreshold;
    auto halt = std::make_shared<std::atomic<bool>>(false);
    mStop = halt;
    // The results go back to the window's thread, which drops them when
    // another movie has come meanwhile.
    const auto send = [this, run](const QByteArray &kind, const ShotList &shots) {
        QMetaObject::invokeMethod(this, [this, run, kind, shots] { take(run, kind, shots); }, Qt::QueuedConnection);
    };
    mWorker = QThread::create([media, path, threshold, halt, keyFramesFirst, send] {
        if (keyFramesFirst) {
            Pass keys{{}, halt.get()};
            const ShotSearch search = keys.search(threshold);
            if (media->movieKeyFrames(path.constData(), &search) == ShotSearchEnd::Done)
                send(KeyFrameKind, keys.found);
        }
        Pass full{{}, halt.get()};
        const ShotSearch search = full.search(threshold);
        if (media->movieShotChanges(path.constData(), &search) == ShotSearchEnd::Done)
            send(FullKind, full.found);
    });
    mWorker->start(QThread::LowPriority);
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

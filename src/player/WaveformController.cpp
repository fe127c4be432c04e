#include "player/WaveformController.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/document_model.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "player/AnalysisRunner.h"
#include "player/MediaLibrary.h"
#include "player/MediaPlayer.h"
#include "player/PlayerParts.h"
#include "player/WaveformStrip.h"
#include "player/analysis_cache.h"
#include "player/movie_rate.h"

#include <QFile>

namespace cuefold {

namespace {

constexpr char CacheKind[] = "peaks";

// Reads the sound of `movie` into an encoded SoundWave, on the runner's thread.
std::optional<QByteArray> readSound(const QByteArray &movie, FrameRate rate,
                                    const std::function<bool(double)> &progress)
{
    const MediaFunctions *media = Media();
    if (!media)
        return std::nullopt;
    struct Sink {
        const std::function<bool(double)> &progress;
        QByteArray pairs;
    } collected{progress, {}};
    SoundPeaksSink sink;
    sink.opaque = &collected;
    sink.progress = [](void *opaque, double done) { return static_cast<Sink *>(opaque)->progress(done); };
    sink.peaks = [](void *opaque, const std::int8_t *pairs, std::int64_t frames) {
        static_cast<Sink *>(opaque)->pairs.append(reinterpret_cast<const char *>(pairs), qsizetype(2 * frames));
    };
    SoundWave wave;
    wave.result = media->soundPeaks(movie.constData(), rate.num, rate.den, &sink);
    if (wave.result == SoundResult::Cancelled)
        return std::nullopt;
    wave.rate = rate;
    wave.pairs = std::move(collected.pairs);
    return EncodeSoundWave(wave);
}

} // namespace

WaveformController::WaveformController(PlayerParts &parts, AnalysisRunner &runner)
    : mParts(parts)
    , mCtx(parts.ctx)
    , mRunner(runner)
    , mStrip(new WaveformStrip(parts.ctx.model))
{
    mStrip->hide();
    mCursorTimer.setInterval(40);
    connect(&mCursorTimer, &QTimer::timeout, this, &WaveformController::followPlayer);
    connect(mStrip, &WaveformStrip::startPicked, this, &WaveformController::pickStart);
    connect(mStrip, &WaveformStrip::lastPicked, this, &WaveformController::pickLast);
    connect(mStrip, &WaveformStrip::edgeMoved, this, &WaveformController::moveEdge);
    connect(mStrip, &WaveformStrip::playFrom, this, &WaveformController::playFrom);
}

WaveformController::~WaveformController()
{
    if (mStrip && !mStrip->parent())
        delete mStrip;
}

WaveformStrip *WaveformController::strip() const
{
    return mStrip;
}

void WaveformController::setShown(bool shown)
{
    mShown = shown;
    mStrip->setVisible(shown);
    if (shown)
        movieLoaded();
    else
        mCursorTimer.stop();
}

void WaveformController::movieLoaded()
{
    if (!mShown)
        return;
    if (!mParts.state.MovieLoaded) {
        mStrip->setReason(Unicode(Texts.WaveformNoMovie));
        return;
    }
    mCursorTimer.start();
    if (mAnalysed != mParts.player()->FileName())
        analyse();
}

void WaveformController::movieUnloaded()
{
    // Every analysis the runner holds (the sound, the shot changes) is the movie's.
    mRunner.cancel();
    mAnalysed.clear();
    mCursorTimer.stop();
    mStrip->setWave({});
    mStrip->setPosition(-1);
    mStrip->setReason(Unicode(Texts.WaveformNoMovie));
}

void WaveformController::analyse()
{
    const QString movie = mParts.player()->FileName();
    mAnalysed = movie;
    mStrip->setWave({});
    // The frames are the player's: the movie's own rate.
    const FrameRate rate = ReadMovieFrameRate(movie).value_or(RateFromFps(mParts.playerFps()).value_or(FrameRate{25, 1}));
    if (const auto cached = AnalysisCache::read(movie, CacheKind)) {
        const auto wave = DecodeSoundWave(*cached);
        if (wave && wave->rate == rate) {
            showWave(*cached);
            return;
        }
    }
    mStrip->setReason(Unicode(Texts.WaveformReading));
    mRunner.start({Unicode(Texts.WaveformReading),
                   [path = QFile::encodeName(movie), rate](const std::function<bool(double)> &progress) {
                       return readSound(path, rate, progress);
                   },
                   [this, movie](std::optional<QByteArray> result) {
                       if (movie != mAnalysed)
                           return;
                       if (!result) {
                           mStrip->setReason(Unicode(Texts.WaveformUnreadable));
                           return;
                       }
                       AnalysisCache::write(movie, CacheKind, *result);
                       showWave(*result);
                   }});
}

void WaveformController::showWave(const QByteArray &encoded)
{
    SoundWave wave = DecodeSoundWave(encoded).value_or(SoundWave{SoundResult::Unreadable, {}, {}});
    const QByteArray *reason = wave.result == SoundResult::NoSound ? &Texts.WaveformNoSound
                               : wave.result == SoundResult::Done  ? nullptr
                                                                   : &Texts.WaveformUnreadable;
    mStrip->setWave(std::move(wave));
    mStrip->setReason(reason ? Unicode(*reason) : QString());
}

void WaveformController::followPlayer()
{
    if (mParts.state.MovieLoaded && mStrip->isVisible())
        mStrip->setPosition(mParts.player()->CurrentPosition());
}

bool WaveformController::editable() const
{
    return mCtx.doc().validIndex(mCtx.doc().CurrentLine);
}

void WaveformController::pickStart(int frame)
{
    if (!editable())
        return;
    mCtx.panel.CommitEdits();
    mCtx.panel.SetFrom(ShowPlain, mParts.startFrom(frame));
}

void WaveformController::pickLast(int frame)
{
    if (!editable())
        return;
    mCtx.panel.CommitEdits();
    mCtx.panel.SetLast(ShowPlain, frame);
}

void WaveformController::moveEdge(int row, bool first, int frame)
{
    if (!mCtx.doc().validIndex(row))
        return;
    mCtx.panel.CommitEdits();
    if (row != mCtx.doc().CurrentLine)
        mCtx.panel.ShowLine(row, ShowFull);
    if (first)
        mCtx.panel.SetFrom(ShowPlain, frame);
    else
        mCtx.panel.SetLast(ShowPlain, frame);
}

void WaveformController::playFrom(int frame)
{
    if (!mParts.state.MovieLoaded)
        return;
    mParts.player()->SetCurrentPosition(frame);
    mParts.player()->Play();
}

void WaveformController::retranslate()
{
    mStrip->setToolTip(Unicode(Texts.HintWaveform));
}

} // namespace cuefold

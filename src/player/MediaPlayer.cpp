#include "player/MediaPlayer.h"

#include "document/file_name.h"
#include "player/MpvController.h"
#include "player/VideoWidget.h"
#include "player/key_position.h"

#include <QGuiApplication>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace cuefold {

namespace {

// What the video area shows before any movie has told its size.
constexpr QSize NoMovieSize(320, 240);

// Qt cannot show OpenGL widgets on these platforms (and crashes trying
// when a display happens to be reachable).
bool platformDrawsVideo()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

MpvController::Options playerOptions(bool drawsVideo)
{
    // The end of a movie stays open on its last frame, as the control kept
    // it; subtitles and audio files appear only when the program asks.
    MpvController::Options options{
        {"idle", "yes"},
        {"keep-open", "yes"},
        {"pause", "yes"},
        {"sub-auto", "no"},
        // Subtitles are drawn on exactly the frames their times give; mpv
        // must not stretch or shorten them to close small gaps.
        {"sub-fix-timing", "no"},
        {"audio-file-auto", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"osc", "no"},
    };
    // Decoding stays in software: the sample sizes an editor previews need
    // no hardware, and probing it only adds start-up noise and delay.
    // Frames go to the picture at their time, not queued ahead of it: the
    // position then names the frame on screen, which the keys stamp.
    if (drawsVideo)
        options += {{"vo", "libmpv"}, {"gpu-hwdec-interop", "no"}, {"video-timing-offset", "0"}};
    else
        options += {{"vo", "null"}, {"ao", "null"}};
    return options;
}

} // namespace

MediaPlayer::MediaPlayer(Output output, QObject *parent)
    : QObject(parent)
    , mDrawsVideo(output == Output::Window && platformDrawsVideo())
{
    if (output == Output::Window) {
        mVideoArea = new QWidget;
        QPalette black = mVideoArea->palette();
        black.setColor(QPalette::Window, Qt::black);
        mVideoArea->setPalette(black);
        mVideoArea->setAutoFillBackground(true);
    }
    applyVideoSize();
}

// The core and its picture widget wait for the first movie: mpv's libraries
// and the software OpenGL behind the widget would otherwise cost every start
// of the editor a hundred milliseconds and tens of MiB. False without libmpv.
bool MediaPlayer::startCore()
{
    if (mController)
        return true;
    try {
        mController = new MpvController(playerOptions(mDrawsVideo), this);
    } catch (const std::runtime_error &) {
        return false;
    }
    connect(mController, &MpvController::fileLoaded, this, &MediaPlayer::onFileLoaded);
    connect(mController, &MpvController::fileEnded, this, &MediaPlayer::onFileEnded);
    connect(mController, &MpvController::commandReplied, this, &MediaPlayer::onSeekReplied);
    connect(mController, &MpvController::playbackRestarted, this, &MediaPlayer::onPlaybackRestarted);
    connect(mController, &MpvController::eofReachedChanged, this, &MediaPlayer::onEofReachedChanged);
    connect(mController, &MpvController::videoSizeChanged, this, &MediaPlayer::onPictureSizeChanged);
    if (mDrawsVideo) {
        mRenderer = CreateVideoWidget(mController->library(), mController->handle(),
                                      {.renderReady = [this](bool ready) {
                                           mRenderReady = ready;
                                           openWhenRenderReady();
                                       },
                                       .frameDrawn = [this] { onFrameDrawn(); }});
        auto *layout = new QVBoxLayout(mVideoArea);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(mRenderer);
    }
    return true;
}

// The render context has to be gone before the core it draws for.
MediaPlayer::~MediaPlayer()
{
    delete mVideoArea;
}

QWidget *MediaPlayer::videoWidget() const
{
    return mVideoArea;
}

// Without libmpv a movie stays closed, and the player answers as without one.
void MediaPlayer::SetFileName(const QString &path)
{
    const bool opens = !path.isEmpty() && startCore();
    mFileName = opens ? path : QString();
    mOpenIssued = false;
    mLoaded = false;
    mStopped = true;
    mSeekTarget = -1;
    mSubtitlePath.clear();
    mSubtitleAdded = false;
    mDrawn.clear();
    if (opens)
        openWhenRenderReady();
    else if (mController)
        mController->command({"stop"});
}

void MediaPlayer::openWhenRenderReady()
{
    if (mFileName.isEmpty() || mOpenIssued || (mRenderer && !mRenderReady))
        return;
    mOpenIssued = true;
    mController->setFlag("pause", !mAutoStart);
    mController->command({"loadfile", FileNameBytes(mFileName)});
}

void MediaPlayer::onFileLoaded()
{
    if (!mOpenIssued || mController->getString("path") != mFileName)
        return; // a close or another movie overtook this load
    mLoaded = true;
    mStopped = !mAutoStart;
    if (mSeekTarget >= 0 && !seekToFrame(mSeekTarget))
        mSeekTarget = -1;
    addSubtitleFile();
    emit fileLoaded();
}

// Only a failure of the load under way counts: the end of a movie replaced
// by another one, or closed, is no failure.
void MediaPlayer::onFileEnded(bool failed)
{
    if (!failed || !mOpenIssued || mLoaded || mFileName.isEmpty())
        return;
    mFileName.clear();
    mOpenIssued = false;
    mSeekTarget = -1;
    emit loadFailed();
}

double MediaPlayer::frameRate() const
{
    if (!mLoaded)
        return 0;
    const double container = mController->getDouble("container-fps");
    return container > 0 ? container : mController->getDouble("estimated-vf-fps");
}

double MediaPlayer::framesOf(double seconds) const
{
    return std::round(seconds * frameRate());
}

double MediaPlayer::CurrentPosition() const
{
    if (mSeekTarget >= 0)
        return mSeekTarget;
    return mLoaded ? framesOf(mController->getDouble("time-pos")) : 0;
}

double MediaPlayer::Duration() const
{
    return mLoaded ? framesOf(mController->getDouble("duration")) : 0;
}

// A seek before the movie has loaded is kept and carried out on loading.
void MediaPlayer::SetCurrentPosition(double frame)
{
    if (mFileName.isEmpty())
        return;
    const double target = std::max(0.0, frame); // a movie has no frame before 0
    const double old = CurrentPosition();
    mSeekTarget = target;
    if (mLoaded && !seekToFrame(target))
        mSeekTarget = -1;
    emit PositionChange(old, target);
}

bool MediaPlayer::seekToFrame(double frame)
{
    const double fps = frameRate();
    if (fps <= 0)
        return false;
    mSeekAcknowledged = false;
    return mController->commandAsync(++mSeekSerial,
                                     {"seek", QByteArray::number(frame / fps, 'f', 6), "absolute+exact"});
}

// Restarts queued before mpv took up the latest seek belong to earlier
// activity (the opening, an older seek) and must not end this one.
void MediaPlayer::onSeekReplied(quint64 id, bool ok)
{
    if (id != mSeekSerial || mSeekTarget < 0)
        return;
    if (ok)
        mSeekAcknowledged = true;
    else
        mSeekTarget = -1;
}

void MediaPlayer::onPlaybackRestarted()
{
    if (mSeekAcknowledged)
        mSeekTarget = -1;
    emit playbackRestarted();
}

// mpv hands a frame over for drawing only at its time (no timing offset), so
// its position right after the drawing is the drawn frame's.
void MediaPlayer::onFrameDrawn()
{
    if (!mLoaded)
        return;
    mDrawn.push_back({MonotonicMs(), framesOf(mController->getDouble("time-pos"))});
    if (mDrawn.size() > DrawnFramesKept)
        mDrawn.pop_front();
}

double MediaPlayer::shownPosition(qint64 agoMs) const
{
    if (mSeekTarget >= 0)
        return CurrentPosition();
    return FrameShownAt(mDrawn, MonotonicMs() - agoMs, CurrentPosition());
}

int MediaPlayer::PlayState() const
{
    if (!mLoaded || mStopped)
        return Stopped;
    return mController->getFlag("pause", true) ? Paused : Playing;
}

void MediaPlayer::Play()
{
    if (!mLoaded)
        return;
    // At the end the control played the movie again from its start.
    if (mController->getFlag("eof-reached"))
        SetCurrentPosition(0);
    mStopped = false;
    mController->setFlag("pause", false);
}

void MediaPlayer::Pause()
{
    if (mLoaded)
        mController->setFlag("pause", true);
}

void MediaPlayer::Stop()
{
    if (!mLoaded)
        return;
    mController->setFlag("pause", true);
    mStopped = true;
}

void MediaPlayer::onEofReachedChanged(bool reached)
{
    if (!reached || !mLoaded)
        return;
    mStopped = true;
    mSeekTarget = -1; // a seek past the end ends here, with no restart to wait for
    if (mAutoRewind)
        SetCurrentPosition(0);
    emit endOfStream();
}

void MediaPlayer::SetDisplaySize(int size)
{
    if (size != NormalSize && size != HalfSize && size != DoubleSize)
        return;
    mDisplaySize = size;
    applyVideoSize();
}

QSize MediaPlayer::pictureSize() const
{
    return mPictureSize.isValid() ? mPictureSize : QSize();
}

QSize MediaPlayer::videoSize() const
{
    const QSize base = mPictureSize.isValid() && !mPictureSize.isEmpty() ? mPictureSize : NoMovieSize;
    switch (mDisplaySize) {
    case HalfSize:
        return base / 2;
    case DoubleSize:
        return base * 2;
    default:
        return base;
    }
}

void MediaPlayer::onPictureSizeChanged(QSize size)
{
    mPictureSize = size;
    applyVideoSize();
}

void MediaPlayer::applyVideoSize()
{
    const QSize size = videoSize();
    if (mVideoArea)
        mVideoArea->setFixedSize(size);
    emit videoSizeChanged(size);
}

void MediaPlayer::showSubtitleFile(const QString &path)
{
    if (path != mSubtitlePath) {
        if (mSubtitleAdded)
            mController->command({"sub-remove"});
        mSubtitlePath = path;
        mSubtitleAdded = false;
    }
    if (!mLoaded)
        return;
    if (!mSubtitleAdded) {
        addSubtitleFile();
        return;
    }
    mController->command({"sub-reload"});
}

// The files the program writes for the player are UTF-8.
void MediaPlayer::addSubtitleFile()
{
    if (mSubtitlePath.isEmpty())
        return;
    mController->setString("sub-codepage", "utf-8");
    mSubtitleAdded = mController->command({"sub-add", FileNameBytes(mSubtitlePath), "select"});
}

QString MediaPlayer::subtitleText() const
{
    return mController ? mController->getString("sub-text") : QString();
}

} // namespace cuefold

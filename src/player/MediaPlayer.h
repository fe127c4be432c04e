#pragma once

#include "player/key_position.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class QWidget;

namespace cuefold {

class MpvController;

// The movie player the program talks to. It keeps the members of the media
// player control the editor was designed around, so positions and lengths are
// frames: seconds x the movie's own frame rate, rounded. Nothing outside this
// class and its helpers sees libmpv.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class Output {
        // Picture drawn in videoWidget(), sound on the default device. On a
        // platform without OpenGL widgets (offscreen, minimal) the widget is
        // a plain black area and the movie runs without picture and sound.
        Window,
        Headless // no widget, no picture, no sound
    };
    // The control's numbering, kept because settings and lists store it.
    enum PlayStateValue { Stopped = 0, Paused = 1, Playing = 2 };
    enum DisplaySizeValue { NormalSize = 0, HalfSize = 1, DoubleSize = 2 };

    explicit MediaPlayer(Output output, QObject *parent = nullptr);
    ~MediaPlayer() override;

    // Setting a path opens that movie (closing any other), the empty string
    // closes it. The movie is ready when fileLoaded() is emitted, or failed
    // with loadFailed(). Without libmpv nothing opens: FileName() stays empty.
    QString FileName() const { return mFileName; }
    void SetFileName(const QString &path);

    // In frames. Setting seeks exactly; until mpv reports that playback has
    // restarted, reading gives back the target.
    double CurrentPosition() const;
    void SetCurrentPosition(double frame);
    double Duration() const;
    int PlayState() const;
    // The frame the viewer saw `agoMs` before now: the one last drawn into
    // the video area by then, which trails CurrentPosition() while playing,
    // or CurrentPosition() when nothing had been drawn lately (headless,
    // offscreen, hidden).
    double shownPosition(qint64 agoMs = 0) const;
    // A movie that reaches its end goes back to frame 0 when this is set.
    bool AutoRewind() const { return mAutoRewind; }
    void SetAutoRewind(bool rewind) { mAutoRewind = rewind; }
    // Whether a newly opened movie starts playing at once, as the control did.
    bool AutoStart() const { return mAutoStart; }
    void SetAutoStart(bool start) { mAutoStart = start; }

    int DisplaySize() const { return mDisplaySize; }
    void SetDisplaySize(int size);

    void Play();
    void Pause();
    // Keeps the movie open and paused; the caller rewinds, as with the control.
    void Stop();

    bool isLoaded() const { return mLoaded; }
    bool isSeeking() const { return mSeekTarget >= 0; }
    // The movie's own frame rate (container, else measured), 0 while unknown.
    double frameRate() const;
    // The picture's display size, invalid while unknown: mpv reports it a
    // moment after fileLoaded(), together with videoSizeChanged().
    QSize pictureSize() const;
    // The size the picture is shown at: pictureSize() scaled by DisplaySize().
    QSize videoSize() const;

    // The video area for Window output (nullptr when Headless), made without
    // a parent: the player window puts it into its layout. It is black until
    // the first movie puts the picture widget into it. When it draws, a movie
    // starts opening only once it has been shown for the first time, because
    // mpv cannot start video without the widget's GL context.
    QWidget *videoWidget() const;

    // Shows a subtitle file (UTF-8) over the open movie: added and selected the
    // first time, re-read from disk on later calls with the same path. A file
    // given before the movie has loaded is added as soon as it has; opening
    // another movie forgets it.
    void showSubtitleFile(const QString &path);
    // The subtitle text mpv shows at the current position, rows split by "\n".
    QString subtitleText() const;

signals:
    void fileLoaded();
    // The movie given to SetFileName cannot be played (not a movie, broken,
    // unreadable); the player is closed again.
    void loadFailed();
    void playbackRestarted();
    // A seek moved the position (the control's OnPositionChange).
    void PositionChange(double oldFrame, double newFrame);
    void endOfStream();
    // videoSize() changed: the hosting window should fit itself to it.
    void videoSizeChanged(QSize size);

private:
    bool startCore();
    void openWhenRenderReady();
    void onFileLoaded();
    void onFileEnded(bool failed);
    void onFrameDrawn();
    void onSeekReplied(quint64 id, bool ok);
    void onPlaybackRestarted();
    void onEofReachedChanged(bool reached);
    void onPictureSizeChanged(QSize size);
    void applyVideoSize();
    void addSubtitleFile();
    double framesOf(double seconds) const;
    bool seekToFrame(double frame);

    const bool mDrawsVideo;
    MpvController *mController = nullptr; // created with the first movie
    QPointer<QWidget> mVideoArea;
    QPointer<QWidget> mRenderer; // the picture in the video area, when it draws
    bool mRenderReady = false;   // the picture's render context exists

    QString mFileName;
    QSize mPictureSize;
    bool mOpenIssued = false;
    bool mLoaded = false;
    bool mStopped = true;
    bool mAutoRewind = false;
    bool mAutoStart = true;
    double mSeekTarget = -1; // frames; -1 when no seek is under way
    quint64 mSeekSerial = 0;
    bool mSeekAcknowledged = false;
    int mDisplaySize = NormalSize;
    std::deque<DrawnFrame> mDrawn; // the latest pictures, the newest last

    QString mSubtitlePath;
    bool mSubtitleAdded = false;
};

} // namespace cuefold

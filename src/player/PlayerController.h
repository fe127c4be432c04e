#pragma once

#include "editor/CommandTable.h"
#include "player/player_state.h"
#include "player/subtitle_filter.h"

#include <QElapsedTimer>
#include <QObject>

class QComboBox;
class QTimer;

namespace cuefold {

struct EditorContext;
class MediaPlayer;
class TFormWMP;
class TFormMovieProperties;

// The player subsystem as the editor sees it: the movie, the preview window,
// the Player and Girder menus, the timer that follows the movie, the save
// hooks, automation and frame capture, and the subtitle-filter layer.
class PlayerController : public QObject {
    Q_OBJECT

public:
    explicit PlayerController(EditorContext &ctx);
    ~PlayerController() override;
    std::vector<MenuTable> menuTables();
    // Puts the zoom list on the Player tool bar and starts the timer, once
    // the menus are built.
    void attach();

    MediaPlayer *player() const;
    TFormWMP *window() const { return FormWMP; }
    const PlayerState &state() const { return mPlayer; }
    const FilterState &filterState() const { return mFilter; }
    QComboBox *zoomList() const { return ComboBoxPlayerZoom; }
    // The movie that came with the opened subtitle file is loaded.
    bool movieFromOpenLoaded() const { return mPlayer.MovieLoaded && mPlayer.MovieFromOpen; }

    void loadSettings();
    void saveSettings();
    // The player window and control as `options` say (the settings, or the
    // settings window's controls while it previews them).
    void ConfigureWMP(const PlayerSettings &options);
    // The step commands' captions with the step as the user typed it.
    void ConfigureSeconds(const QByteArray &stepText);
    // The movie dialog's start folder.
    void setMovieFolder(const QString &folder) { mMovieFolder = folder; }
    void retranslate();
    void resetPreviewColour();
    // The settings and help windows keep the remote-control keys off while open.
    void setOptionsOpen(bool open);
    // The program is closing: no resume may start any more.
    void setClosing() { mClosing = true; }

    void LoadMovie(const QString &path, bool exact);
    void UnloadMovie();
    // A new document: its movie and reload report are forgotten.
    void forgetDocument();
    void ShowPlayer(int mode);
    void SetPlayerSeeking(bool flag);
    bool ReloadMovie(bool allow);
    void showMovieProperties();
    // Shows the subtitle file at `subtitlePath` over the movie instead of the
    // document (a timing test's file), timed by `fps` when above 0 (a rate the
    // test declares) or else by the movie's; the next save or reload shows the
    // document again. 0, or the I/O error code of writing the player's copy.
    int showSubtitlesFrom(const QString &subtitlePath, double fps = 0);
    // Around every save of the document's own file.
    void beforeSave();
    void afterSave();

    // The timing tests take the player over while their windows are open.
    // Looks at the subtitle filter again (a folder may have become usable).
    const FilterState &refreshFilter();
    // Pauses a playing movie; the position playback stood at.
    double pauseForTest();
    // Shows the test subtitles at `path` over the loaded movie instead of the
    // document's own (timed by `fps`, or by the movie's rate when 0), keeps
    // the movie from following the editor and resumes playback at
    // `resumeAt`. False when no movie is loaded.
    bool ShowTimingTest(const QString &path, double resumeAt, double fps = 0);
    // The document's own subtitles again, the movie following the editor and
    // playback resuming at `resumeAt`.
    void EndTimingTest(double resumeAt);
    // The speed test's own movie with its subtitles (timed by `fps`), from
    // the start.
    bool PlayTestMovie(const QString &moviePath, const QString &subtitlePath, double fps);
    // Back from the test movie to `moviePath` (none: no movie), resuming at
    // `resumeAt`.
    void ReturnFromTestMovie(const QString &moviePath, double resumeAt);

    void MenuPlayerStepBackClick();
    void MenuPlayerStepForwardClick();
    void MenuPlayerSeekPlayerClick();
    void MenuPlayerCaptureFrameClick();
    void MenuPlayerAutomateClick();
    void MenuGirderInUseClick();

protected:
    // Takes the frame on screen the moment the automation key arrives.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // False while a timing test owns the player.
    void seekingChanged(bool seeking);

private:
    MenuTable playerTable();
    MenuTable girderTable();
    void Timer1Timer();
    void followPlayer(double position);
    void applyTransportLook(int playState);
    void enableFrameCommands(bool enable);
    void applyNoMovieLook();
    int showMovieSubtitles();
    void playerPositionChange(double oldFrame, double newFrame);
    void movieLoaded();
    void movieLoadFailed();
    void FormWMPClose();
    void FormWMPResize();
    void SyncToggled();
    void zoomTo(int index);
    void stepPlayer(double frames, bool onlyWhenNotPlaying);
    void seekToCurrent(bool toLast);
    void playPause();
    void play();
    void pause();
    void stop();
    void locateSubtitle();
    void copyFrame();
    void openMovie();
    void girderBreakLine(bool left);
    void girderStep(int delta);
    bool syncChecked() const;
    double playerFps() const;
    void updateShowPlayerCommand();
    void resumeAt(double frame);
    void statusMessage(const QString &text);
    // The frame on screen when the automation key came, or now for a click.
    double takeKeyPosition();

    EditorContext &mCtx;
    TFormWMP *FormWMP;
    TFormMovieProperties *FormMovieProperties;
    QTimer *Timer1;
    QTimer *mShowCommandTimer; // refreshes the show/hide command after the window settles
    QComboBox *ComboBoxPlayerZoom;
    PlayerState mPlayer;
    FilterState mFilter;
    int mOptionsOpenCount = 0;
    bool mAdoptMovieFps = false; // take the movie's frame rate once it has loaded
    bool mClosing = false;
    QString mMovieFolder;        // initial folder of the movie dialog
    bool mHoldPicture = false;   // a new current subtitle does not seek the player
    double mKeyFrame = -1;       // the frame on screen at the last automation key
    QElapsedTimer mKeyClock;     // since that key
    QString mShownSubtitles;     // the file the picture shows, copied once the movie has loaded
    double mShownFps = 0;         // its rate, 0: the movie's
    QByteArray mStepText = "3";  // the step as the captions show it
};

} // namespace cuefold

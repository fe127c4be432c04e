#pragma once

#include "editor/FirstUse.h"

#include <QObject>
#include <QString>
#include <functional>

namespace cuefold {

struct EditorContext;
struct FilterState;
struct PlayerParts;
struct PlayerState;
class MediaPlayer;
class TFormMovieProperties;

// The movie in the player: loading and unloading it, the subtitle-filter
// layer that shows the saved subtitles over it, and the timing tests that
// show their own file over it for a while.
class MovieLoader : public QObject {
    Q_OBJECT

public:
    // `showWindow` brings the preview window up for a loaded movie.
    MovieLoader(PlayerParts &parts, std::function<void()> showWindow);

    void LoadMovie(const QString &path, bool exact);
    void UnloadMovie();
    // A new document: its movie and reload report are forgotten.
    void forgetDocument();
    void SetPlayerSeeking(bool flag);
    bool ReloadMovie(bool allow);
    // Asks for a movie file and loads it (the Player menu's open command).
    void openMovie();
    void showMovieProperties();
    // Shows the subtitle file at `subtitlePath` over the movie instead of the
    // document (a timing test's file), timed by `fps` when above 0 (a rate the
    // test declares) or else by the movie's; the next save or reload shows the
    // document again. 0, or the I/O error code of writing the player's copy.
    int showSubtitlesFrom(const QString &subtitlePath, double fps = 0);
    // The document's saved subtitles over the movie again, in place of a
    // test's file; 0 or the I/O error code of the player's copy.
    int showMovieSubtitles();

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

signals:
    // False while a timing test owns the player.
    void seekingChanged(bool seeking);
    // The movie was taken out of the player.
    void movieUnloaded();

private:
    void movieLoaded();
    void movieLoadFailed();
    void resumeAt(double frame);
    MediaPlayer *player() const;

    PlayerParts &mParts;
    EditorContext &mCtx;
    PlayerState &mPlayer;
    FilterState &mFilter;
    std::function<void()> mShowWindow;
    FirstUse<TFormMovieProperties> FormMovieProperties;
    bool mAdoptMovieFps = false; // take the movie's frame rate once it has loaded
    QString mShownSubtitles;     // the file the picture shows, copied once the movie has loaded
    double mShownFps = 0;        // its rate, 0: the movie's
};

} // namespace cuefold

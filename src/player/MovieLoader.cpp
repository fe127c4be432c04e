// Loading and unloading the movie, and the subtitle-filter layer that shows
// the saved subtitles over it.
#include "player/MovieLoader.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/EditorContext.h"
#include "editor/FileDialogs.h"
#include "editor/StatusPanels.h"
#include "editor/MessageBox.h"
#include "player/FMovieProperties.h"
#include "player/FPlayer.h"
#include "player/PlayerParts.h"
#include "player/MediaPlayer.h"
#include "operations/BulkCommands.h"
#include "operations/RateCommands.h"
#include "player/movie_lookup.h"
#include "player/preview_script.h"
#include "search/SearchCommands.h"

#include <QDir>
#include <QFileInfo>

namespace cuefold {

MovieLoader::MovieLoader(PlayerParts &parts, std::function<void()> showWindow)
    : mParts(parts)
    , mCtx(parts.ctx)
    , mPlayer(parts.state)
    , mFilter(parts.filter)
    , mShowWindow(std::move(showWindow))
    , FormMovieProperties([&parts] { return new TFormMovieProperties(parts.player(), parts.ctx.window); })
{
    connect(player(), &MediaPlayer::fileLoaded, this, &MovieLoader::movieLoaded);
    connect(player(), &MediaPlayer::loadFailed, this, &MovieLoader::movieLoadFailed);
}

MediaPlayer *MovieLoader::player() const
{
    return mParts.player();
}

void MovieLoader::LoadMovie(const QString &path, bool exact)
{
    UnloadMovie();
    QString movie = exact ? path : FindMovieForSubtitles(path, Settings.DefaultPath.Open);
    if (!exact && movie.isEmpty()) {
        movie = AskFileName(mCtx.window, {false, Unicode(Texts.OpenMovieDialogTitle), Texts.DialogsFilterMovie, mParts.movieFolder});
        if (!movie.isEmpty())
            mParts.movieFolder = QFileInfo(movie).absolutePath();
    }
    mCtx.model.setMovieFileName(movie);
    if (!movie.isEmpty()) {
        player()->SetFileName(movie);
        if (player()->FileName().isEmpty()) {
            // Without libmpv no movie opens: say so rather than show an empty player.
            mCtx.model.setMovieFileName(QString());
            ShowMessage(mCtx.window, Unicode(Texts.PlayerLibraryMissing), Unicode(Texts.Error), MsgIcon::Stop);
            mCtx.window->activateWindow();
            return;
        }
        mParts.window->setMovieCaption(movie);
        mShowWindow();
        mPlayer.follow.restart();
        mPlayer.MovieLoaded = true;
        mParts.shots.movieLoaded(movie);
        if (!exact)
            mPlayer.MovieFromOpen = true;
        showMovieSubtitles();
    }
    mCtx.window->activateWindow();
}

void MovieLoader::UnloadMovie()
{
    if (mPlayer.MovieLoaded) {
        player()->Stop();
        player()->SetFileName(QString());
        mPlayer.MovieLoaded = false;
        mParts.shots.movieClosed();
        mPlayer.follow.lastFrameShown = -1;
        mCtx.status.setText(StatusPanels::Frame, QString());
        emit movieUnloaded();
    }
    SetPlayerSeeking(true);
    mParts.window->setMovieCaption(QString());
}

void MovieLoader::openMovie()
{
    const QByteArray &warning = mFilter.FilterFolderFound ? Texts.OpenDivXG400Warning : Texts.OpenMovieWarning;
    ShowMessage(mCtx.window, Unicode(warning), Unicode(Texts.Warning), MsgIcon::Exclamation);
    const QString movie =
        AskFileName(mCtx.window, {false, Unicode(Texts.OpenMovieDialogTitle), Texts.DialogsFilterMovie, mParts.movieFolder});
    if (movie.isEmpty())
        return;
    mParts.movieFolder = QFileInfo(movie).absolutePath();
    LoadMovie(movie, true);
    if (!mPlayer.MovieLoaded) {
        ShowMessage(mCtx.window, Unicode(Texts.FileNotOpen), QString(), MsgIcon::Stop);
        return;
    }
    mPlayer.MovieFromOpen = false;
    // The movie's own frame rate is known once it has loaded.
    if (!IsValidFPS(mCtx.doc().FPS))
        mAdoptMovieFps = true;
    mCtx.bulk->rates()->checkMovieRate();
    mCtx.search->RefreshProperties();
    mCtx.search->showProperties(false);
}

void MovieLoader::forgetDocument()
{
    mPlayer.MovieFromOpen = false;
    mPlayer.ReloadFailureShown = false;
}

void MovieLoader::SetPlayerSeeking(bool flag)
{
    mPlayer.PlayerSeeking = flag;
    if (flag)
        mPlayer.follow.insideShown = mPlayer.follow.outsideShown = false;
    emit seekingChanged(flag);
}

// The movie turned out not to be playable: the player is emptied and the
// user told which file it was.
void MovieLoader::movieLoadFailed()
{
    const QString movie = mCtx.doc().MovieFileName;
    UnloadMovie();
    mCtx.model.setMovieFileName(QString());
    ShowMessage(mCtx.window, Unicode(Texts.MovieNotPlayable).arg(QDir::toNativeSeparators(movie)), Unicode(Texts.Error),
                MsgIcon::Stop);
}

void MovieLoader::movieLoaded()
{
    showSubtitlesFrom(mShownSubtitles, mShownFps);
    if (!mAdoptMovieFps)
        return;
    mAdoptMovieFps = false;
    if (!IsValidFPS(mCtx.doc().FPS) && IsValidFPS(player()->frameRate())) {
        const double fps = player()->frameRate();
        mCtx.model.changeLines([fps](Document &d) { d.FPS = fps; });
    }
}

// The picture shows the open document: the player is given a copy of its
// saved file, whatever that file is called and wherever it lies, timed by
// the movie's own frame rate. Until the movie has loaded that rate is
// unknown, and the copy is made once it has. 0, or the I/O error code of
// writing the copy.
int MovieLoader::showMovieSubtitles()
{
    return showSubtitlesFrom(mCtx.doc().SubFileName);
}

void MovieLoader::showMovieProperties()
{
    FormMovieProperties->showFor(mCtx.doc().MovieFileName);
}

int MovieLoader::showSubtitlesFrom(const QString &subtitlePath, double shownFps)
{
    mShownSubtitles = subtitlePath;
    mShownFps = shownFps;
    if (!mFilter.FilterPresent || !mPlayer.MovieLoaded || subtitlePath.isEmpty() || !player()->isLoaded())
        return 0;
    const double fps = shownFps > 0 ? shownFps : player()->frameRate() > 0 ? player()->frameRate() : mParts.playerFps();
    const QString copy = mParts.window->previewCopyPath(mCtx.doc().MovieFileName);
    const int code = WritePreviewCopy(subtitlePath, copy, fps);
    if (code == 0)
        player()->showSubtitleFile(copy);
    return code;
}

bool MovieLoader::ReloadMovie(bool allow)
{
    if (mPlayer.MovieLoaded && allow && mFilter.FilterPresent && mFilter.FilterReload) {
        const int code = showMovieSubtitles();
        if (code == 0 || mPlayer.ReloadFailureShown)
            return mPlayer.MovieLoaded;
        ShowMessage(mCtx.window,
                    CodePage::toUnicode("Reload se nepovedl, zkus\xEDme OPEN (") + QStringLiteral("0/%1)").arg(code),
                    Unicode(Texts.Error), MsgIcon::Exclamation);
        LoadMovie(mCtx.doc().MovieFileName, true);
        mPlayer.ReloadFailureShown = true;
        return mPlayer.MovieLoaded;
    }
    LoadMovie(mCtx.doc().MovieFileName, true);
    return mPlayer.MovieLoaded;
}

} // namespace cuefold

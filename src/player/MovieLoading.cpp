// Loading and unloading the movie, and the subtitle-filter layer that shows
// the saved subtitles over it.
#include "player/PlayerController.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/EditorContext.h"
#include "editor/FileDialogs.h"
#include "editor/StatusPanels.h"
#include "editor/MessageBox.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "player/movie_lookup.h"
#include "player/preview_script.h"

#include <QDir>
#include <QFileInfo>

namespace cuefold {

void PlayerController::LoadMovie(const QString &path, bool exact)
{
    UnloadMovie();
    QString movie = exact ? path : FindMovieForSubtitles(path, Settings.DefaultPath.Open);
    if (!exact && movie.isEmpty()) {
        movie = AskFileName(mCtx.window, {false, Unicode(Texts.OpenMovieDialogTitle), Texts.DialogsFilterMovie, mMovieFolder});
        if (!movie.isEmpty())
            mMovieFolder = QFileInfo(movie).absolutePath();
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
        FormWMP->setMovieCaption(movie);
        ShowPlayer(2);
        mPlayer.follow.restart();
        mPlayer.MovieLoaded = true;
        if (!exact)
            mPlayer.MovieFromOpen = true;
        showMovieSubtitles();
    }
    mCtx.window->activateWindow();
}

void PlayerController::UnloadMovie()
{
    if (mPlayer.MovieLoaded) {
        player()->Stop();
        player()->SetFileName(QString());
        mPlayer.MovieLoaded = false;
        mPlayer.follow.lastFrameShown = -1;
        mCtx.status.setText(StatusPanels::Frame, QString());
    }
    SetPlayerSeeking(true);
    FormWMP->setMovieCaption(QString());
}

void PlayerController::forgetDocument()
{
    mPlayer.MovieFromOpen = false;
    mPlayer.ReloadFailureShown = false;
}

void PlayerController::SetPlayerSeeking(bool flag)
{
    mPlayer.PlayerSeeking = flag;
    if (flag)
        mPlayer.follow.insideShown = mPlayer.follow.outsideShown = false;
    emit seekingChanged(flag);
}

// The movie turned out not to be playable: the player is emptied and the
// user told which file it was.
void PlayerController::movieLoadFailed()
{
    const QString movie = mCtx.doc().MovieFileName;
    UnloadMovie();
    mCtx.model.setMovieFileName(QString());
    ShowMessage(mCtx.window, Unicode(Texts.MovieNotPlayable).arg(QDir::toNativeSeparators(movie)), Unicode(Texts.Error),
                MsgIcon::Stop);
}

void PlayerController::movieLoaded()
{
    showSubtitlesFrom(mShownSubtitles, mShownFps);
    if (!mAdoptMovieFps)
        return;
    mAdoptMovieFps = false;
    if (!IsValidFPS(mCtx.doc().FPS) && IsValidFPS(player()->frameRate())) {
        const double fps = player()->frameRate();
        mCtx.model.change([fps](Document &d) { d.FPS = fps; });
    }
}

// The picture shows the open document: the player is given a copy of its
// saved file, whatever that file is called and wherever it lies, timed by
// the movie's own frame rate. Until the movie has loaded that rate is
// unknown, and the copy is made once it has. 0, or the I/O error code of
// writing the copy.
int PlayerController::showMovieSubtitles()
{
    return showSubtitlesFrom(mCtx.doc().SubFileName);
}

int PlayerController::showSubtitlesFrom(const QString &subtitlePath, double shownFps)
{
    mShownSubtitles = subtitlePath;
    mShownFps = shownFps;
    if (!mFilter.FilterPresent || !mPlayer.MovieLoaded || subtitlePath.isEmpty() || !player()->isLoaded())
        return 0;
    const double fps = shownFps > 0 ? shownFps : player()->frameRate() > 0 ? player()->frameRate() : playerFps();
    const QString copy = FormWMP->previewCopyPath(mCtx.doc().MovieFileName);
    const int code = WritePreviewCopy(subtitlePath, copy, fps);
    if (code == 0)
        player()->showSubtitleFile(copy);
    return code;
}

bool PlayerController::ReloadMovie(bool allow)
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

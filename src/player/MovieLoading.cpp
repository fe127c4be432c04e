// Loading and unloading the movie, and the subtitle-filter layer that shows
// the saved subtitles over it.
#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "player/movie_lookup.h"
#include "player/subtitle_file_lookup.h"
#include "search/FTable.h"

#include <QFileInfo>

namespace cuefold {

namespace {

QString u(const QByteArray &b) { return CodePage::toUnicode(b); }

} // namespace

void TForm1::LoadMovie(const QString &path, bool exact)
{
    UnloadMovie();
    QString movie = exact ? path : FindMovieForSubtitles(path, Settings.DefaultPath.Open);
    if (!exact && movie.isEmpty()) {
        movie = AskFileName(this, {false, u(Texts.OpenMovieDialogTitle), Texts.DialogsFilterMovie, mMovieFolder});
        if (!movie.isEmpty())
            mMovieFolder = QFileInfo(movie).absolutePath();
    }
    mDoc->MovieFileName = movie;
    if (!movie.isEmpty()) {
        FormWMP->setMovieCaption(movie);
        ShowPlayer(2);
        player()->SetFileName(movie);
        mPlayer.follow.restart();
        mPlayer.MovieLoaded = true;
        if (!exact)
            mPlayer.MovieFromOpen = true;
        showMovieSubtitles();
    }
    activateWindow();
}

void TForm1::UnloadMovie()
{
    if (mPlayer.MovieLoaded) {
        player()->Stop();
        player()->SetFileName(QString());
        mPlayer.MovieLoaded = false;
        mPlayer.follow.lastFrameShown = -1;
        SetStatusText(1, QString());
    }
    SetPlayerSeeking(true);
    FormWMP->setMovieCaption(QString());
}

void TForm1::SetPlayerSeeking(bool flag)
{
    mPlayer.PlayerSeeking = flag;
    if (flag)
        mPlayer.follow.insideShown = mPlayer.follow.outsideShown = false;
    FormTable->setSeekingLook(flag);
}

void TForm1::movieLoaded()
{
    if (!mAdoptMovieFps)
        return;
    mAdoptMovieFps = false;
    if (!IsValidFPS(mDoc->FPS) && IsValidFPS(player()->frameRate())) {
        mDoc->FPS = player()->frameRate();
        ShowFPS();
    }
}

// The filter draws the file it finds for the movie; the player is given a
// copy without lock marks, which it would show as text. 0, or the I/O error
// code of writing the copy.
int TForm1::showMovieSubtitles()
{
    if (!mFilter.FilterPresent || !mPlayer.MovieLoaded)
        return 0;
    const QString source = FindFilterSubtitleFile(mDoc->MovieFileName, Settings.SubtitleFilter.SubPath);
    if (source.isEmpty())
        return 0;
    const QString copy = FormWMP->previewCopyPath(mDoc->MovieFileName);
    const int code = WritePreviewCopy(source, copy);
    if (code == 0)
        player()->showSubtitleFile(copy);
    return code;
}

bool TForm1::ReloadMovie(bool allow)
{
    if (mPlayer.MovieLoaded && allow && mFilter.FilterPresent && mFilter.FilterReload) {
        const int code = showMovieSubtitles();
        if (code == 0 || mPlayer.ReloadFailureShown)
            return mPlayer.MovieLoaded;
        ShowMessage(this,
                    CodePage::toUnicode("Reload se nepovedl, zkus\xEDme OPEN (") + QStringLiteral("0/%1)").arg(code),
                    u(Texts.Error), MsgIcon::Exclamation);
        LoadMovie(mDoc->MovieFileName, true);
        mPlayer.ReloadFailureShown = true;
        return mPlayer.MovieLoaded;
    }
    LoadMovie(mDoc->MovieFileName, true);
    return mPlayer.MovieLoaded;
}

} // namespace cuefold

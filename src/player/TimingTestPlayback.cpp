// The timing tests over the movie: the player shows the test file instead of
// the document's own (also once a newly opened movie has loaded), and the
// document's own come back when the test ends.
#include "player/MovieLoader.h"

#include "config/settings.h"
#include "editor/EditorContext.h"
#include "player/MediaPlayer.h"
#include "player/PlayerParts.h"

namespace cuefold {

const FilterState &MovieLoader::refreshFilter()
{
    mFilter = DetectFilter(Settings.SubtitleFilter);
    return mFilter;
}

double MovieLoader::pauseForTest()
{
    if (!mPlayer.MovieLoaded)
        return 0;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    return player()->CurrentPosition();
}

bool MovieLoader::ShowTimingTest(const QString &path, double resumeFrame, double fps)
{
    if (!mPlayer.MovieLoaded)
        return false;
    showSubtitlesFrom(path, fps);
    SetPlayerSeeking(false);
    resumeAt(resumeFrame);
    return true;
}

void MovieLoader::EndTimingTest(double resumeFrame)
{
    if (!mPlayer.MovieLoaded)
        return;
    player()->showSubtitleFile(QString());
    showMovieSubtitles();
    SetPlayerSeeking(true);
    resumeAt(resumeFrame);
}

bool MovieLoader::PlayTestMovie(const QString &moviePath, const QString &subtitlePath, double fps)
{
    LoadMovie(moviePath, true);
    return ShowTimingTest(subtitlePath, 0, fps);
}

void MovieLoader::ReturnFromTestMovie(const QString &moviePath, double resumeFrame)
{
    UnloadMovie();
    mCtx.model.setMovieFileName(moviePath);
    if (moviePath.isEmpty())
        return;
    LoadMovie(moviePath, true);
    if (mPlayer.MovieLoaded)
        resumeAt(resumeFrame);
}

void MovieLoader::resumeAt(double frame)
{
    mPlayer.resume.target = frame;
    mPlayer.resume.countdown = ResumeTicks;
}

} // namespace cuefold

// The player's part in saving the document.
#include "player/SaveHooks.h"

#include "config/settings.h"
#include "editor/EditorContext.h"
#include "player/MediaPlayer.h"
#include "player/MovieLoader.h"
#include "player/PlayerParts.h"
#include "player/resume_position.h"

namespace cuefold {

SaveHooks::SaveHooks(PlayerParts &parts, MovieLoader &movie)
    : mParts(parts)
    , mPlayer(parts.state)
    , mMovie(movie)
{
}

void SaveHooks::beforeSave()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (mParts.player()->PlayState() == MediaPlayer::Playing)
        mParts.player()->Pause();
    const Document &d = mParts.ctx.doc();
    const double from = d.validIndex(d.CurrentLine) ? d.line(d.CurrentLine).From : 1;
    mPlayer.resume.ResumePos = ResumePosition(mParts.player()->CurrentPosition(), mParts.playerFps(),
                                              Settings.Player.RewindAfterSave, mPlayer.resume.GirderSave, from);
}

void SaveHooks::afterSave()
{
    ResumeState &r = mPlayer.resume;
    if (!mPlayer.MovieLoaded || !(Settings.Player.AutoPlayAfterSave || r.GirderSave))
        return;
    if (mMovie.ReloadMovie(true)) {
        r.target = r.ResumePos;
        r.countdown = ResumeTicks;
        r.GirderSave = false;
    }
}

} // namespace cuefold

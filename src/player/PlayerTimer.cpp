// Timer1: the frame display, the editor following the playing movie, the
// transport buttons by play state, and playback resuming after a save.
#include "editor/FMain.h"

#include "config/settings.h"
#include "document/frame_text.h"
#include "player/MediaPlayer.h"
#include "player/follow_search.h"
#include "player/resume_position.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

namespace cuefold {

namespace {

const char *const FrameButtons[] = {"ToolButPlayerCaptureFrame", "ToolButPlayerLocateSubtitle",
                                    "ToolButPlayerSeekPlayer", "ToolButPlayerSeekPlayerToLast",
                                    "ToolButPlayerCopyFrame"};
const char *const FrameItems[] = {"MenuPlayerCaptureFrame", "MenuPlayerLocateSubtitle", "MenuPlayerSeekPlayer",
                                  "MenuPlayerSeekPlayerToLast", "MenuPlayerCopyFrame", "MenuPlayerAutomate"};

} // namespace

void TForm1::Timer1Timer()
{
    ResumeState &r = mPlayer.resume;
    if (r.countdown >= 0 && --r.countdown == 0 && !mClosing) {
        player()->SetCurrentPosition(r.target);
        player()->Play();
        r.ResumePos = 0;
    }
    FollowState &f = mPlayer.follow;
    if (!mPlayer.MovieLoaded) {
        if (!f.noMovieApplied)
            applyNoMovieLook();
        return;
    }
    const double position = player()->CurrentPosition();
    if (position != f.lastFrameShown && position > -1) {
        SetStatusText(1, QString::fromLatin1(FrameText(position)));
        f.lastFrameShown = position;
    }
    // While a question is open the current subtitle must stay the one it is
    // about (delete, join), and typing in the panel must not be overwritten.
    if (mPlayer.PlayerSeeking && (syncChecked() || f.locateRequest) && !QApplication::activeModalWidget())
        followPlayer(position);
    const int state = player()->PlayState();
    if (state != f.lastPlayState && state >= MediaPlayer::Stopped && state <= MediaPlayer::Playing)
        applyTransportLook(state);
    enableFrameCommands(mPlayer.PlayerSeeking);
    f.noMovieApplied = false;
    f.lastPlayState = state;
}

void TForm1::followPlayer(double position)
{
    FollowState &f = mPlayer.follow;
    const int i = FindFollowLine(*mDoc, f.locateRequest ? 1 : f.searchStart, position);
    if (IsInsideSubtitle(*mDoc, i, position)) {
        if (!f.insideShown) {
            setPreviewColour(Settings.PreviewFontColor);
            f.insideShown = true;
            f.outsideShown = false;
        }
    } else if (!f.outsideShown) {
        setPreviewColour(DimmedColour(Settings.PreviewFontColor));
        f.outsideShown = true;
        f.insideShown = false;
    }
    if ((player()->PlayState() == MediaPlayer::Playing && i != f.lastFollowed) || f.locateRequest) {
        ShowLine(i, ShowNoSeek);
        f.lastFollowed = i;
    }
    f.searchStart = i;
    f.locateRequest = false;
}

void TForm1::applyTransportLook(int playState)
{
    const TransportLook look = TransportLookFor(playState);
    auto button = [this](const char *name, bool down, bool enabled) {
        QToolButton *b = mCommands.toolButton(name);
        b->setCheckable(true);
        b->setChecked(down);
        b->setEnabled(enabled);
    };
    button("ToolButPlayerPlay", look.playDown, look.buttonsEnabled);
    button("ToolButPlayerPause", look.pauseDown, look.pauseButtonEnabled);
    button("ToolButPlayerStop", look.stopDown, look.buttonsEnabled);
    button("ToolButPlayerStepBack", false, look.buttonsEnabled);
    button("ToolButPlayerStepForward", false, look.buttonsEnabled);
    button("ToolButPlayerStep1Back", false, look.step1ButtonsEnabled);
    button("ToolButPlayerStep1Forward", false, look.step1ButtonsEnabled);
    for (const char *item : {"MenuPlayerPlayPause", "MenuPlayerStepBack", "MenuPlayerStepForward"})
        mCommands.action(item)->setEnabled(look.itemsEnabled);
    mCommands.action("MenuPlayerStop")->setEnabled(look.stopItemEnabled);
    mCommands.action("MenuPlayerStep1Back")->setEnabled(look.step1ItemsEnabled);
    mCommands.action("MenuPlayerStep1Forward")->setEnabled(look.step1ItemsEnabled);
}

void TForm1::enableFrameCommands(bool enable)
{
    FollowState &f = mPlayer.follow;
    if (enable ? f.frameCommandsEnabled : f.frameCommandsDisabled)
        return;
    for (const char *name : FrameButtons)
        mCommands.toolButton(name)->setEnabled(enable);
    for (const char *item : FrameItems)
        mCommands.action(item)->setEnabled(enable);
    f.frameCommandsEnabled = enable;
    f.frameCommandsDisabled = !enable;
}

void TForm1::applyNoMovieLook()
{
    applyTransportLook(-1);
    enableFrameCommands(false);
    mPlayer.follow.noMovieApplied = true;
}

// A backward jump restarts the follow search; any jump lets the next playing
// tick move the editor again.
void TForm1::playerPositionChange(double, double newFrame)
{
    FollowState &f = mPlayer.follow;
    if (newFrame < f.lastFrameShown)
        f.searchStart = 1;
    f.lastFollowed = -1;
}

void TForm1::playerBeforeSave()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    const double from = mDoc->validIndex(mDoc->CurrentLine) ? mDoc->line(mDoc->CurrentLine).From : 1;
    mPlayer.resume.ResumePos = ResumePosition(player()->CurrentPosition(), playerFps(),
                                              Settings.Player.RewindAfterSave, mPlayer.resume.GirderSave, from);
}

void TForm1::playerAfterSave()
{
    ResumeState &r = mPlayer.resume;
    if (!mPlayer.MovieLoaded || !(Settings.Player.AutoPlayAfterSave || r.GirderSave))
        return;
    if (ReloadMovie(true)) {
        r.target = r.ResumePos;
        r.countdown = ResumeTicks;
        r.GirderSave = false;
    }
}

} // namespace cuefold

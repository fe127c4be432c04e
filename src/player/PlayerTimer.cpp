// Timer1: the frame display, the editor following the playing movie, the
// transport buttons by play state, and playback resuming after a save.
#include "player/PlayerController.h"

#include "config/settings.h"
#include "document/frame_text.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/StatusPanels.h"
#include "player/MediaPlayer.h"
#include "player/follow_search.h"
#include "player/resume_position.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

namespace cuefold {

namespace {

// The commands that need a position; all but automation have a tool button.
constexpr CommandId FrameCommands[] = {CommandId::MenuPlayerCaptureFrame, CommandId::MenuPlayerLocateSubtitle,
                                       CommandId::MenuPlayerSeekPlayer, CommandId::MenuPlayerSeekPlayerToLast,
                                       CommandId::MenuPlayerCopyFrame, CommandId::MenuPlayerAutomate};

} // namespace

void PlayerController::Timer1Timer()
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
        mCtx.status.setText(StatusPanels::Frame, QString::fromLatin1(FrameText(position)));
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

void PlayerController::followPlayer(double position)
{
    FollowState &f = mPlayer.follow;
    const int i = FindFollowLine(mCtx.doc(), f.locateRequest ? 1 : f.searchStart, position);
    if (IsInsideSubtitle(mCtx.doc(), i, position)) {
        if (!f.insideShown) {
            mCtx.panel.setPreviewColour(Settings.PreviewFontColor);
            f.insideShown = true;
            f.outsideShown = false;
        }
    } else if (!f.outsideShown) {
        mCtx.panel.setPreviewColour(DimmedColour(Settings.PreviewFontColor));
        f.outsideShown = true;
        f.insideShown = false;
    }
    // The editor stays on a subtitle whose fields hold unstored typing; it
    // follows again once the typing is stored (Enter, leaving the field).
    const bool moves = (player()->PlayState() == MediaPlayer::Playing && i != f.lastFollowed) || f.locateRequest;
    if (moves && !mCtx.panel.hasUnstoredTyping()) {
        mCtx.panel.ShowLine(i, ShowNoSeek);
        f.lastFollowed = i;
    }
    f.searchStart = i;
    f.locateRequest = false;
}

void PlayerController::applyTransportLook(int playState)
{
    const TransportLook look = TransportLookFor(playState);
    auto button = [this](CommandId id, bool down, bool enabled) {
        QToolButton *b = mCtx.commands.toolButton(id);
        b->setCheckable(true);
        b->setChecked(down);
        b->setEnabled(enabled);
    };
    button(CommandId::MenuPlayerPlay, look.playDown, look.buttonsEnabled);
    button(CommandId::MenuPlayerPause, look.pauseDown, look.pauseButtonEnabled);
    button(CommandId::MenuPlayerStop, look.stopDown, look.buttonsEnabled);
    button(CommandId::MenuPlayerStepBack, false, look.buttonsEnabled);
    button(CommandId::MenuPlayerStepForward, false, look.buttonsEnabled);
    button(CommandId::MenuPlayerStep1Back, false, look.step1ButtonsEnabled);
    button(CommandId::MenuPlayerStep1Forward, false, look.step1ButtonsEnabled);
    for (CommandId id : {CommandId::MenuPlayerPlayPause, CommandId::MenuPlayerStepBack, CommandId::MenuPlayerStepForward})
        mCtx.commands.action(id)->setEnabled(look.itemsEnabled);
    mCtx.commands.action(CommandId::MenuPlayerStop)->setEnabled(look.stopItemEnabled);
    mCtx.commands.action(CommandId::MenuPlayerStep1Back)->setEnabled(look.step1ItemsEnabled);
    mCtx.commands.action(CommandId::MenuPlayerStep1Forward)->setEnabled(look.step1ItemsEnabled);
}

void PlayerController::enableFrameCommands(bool enable)
{
    FollowState &f = mPlayer.follow;
    if (enable ? f.frameCommandsEnabled : f.frameCommandsDisabled)
        return;
    for (CommandId id : FrameCommands) {
        mCtx.commands.action(id)->setEnabled(enable);
        if (QToolButton *button = mCtx.commands.toolButton(id))
            button->setEnabled(enable);
    }
    f.frameCommandsEnabled = enable;
    f.frameCommandsDisabled = !enable;
}

void PlayerController::applyNoMovieLook()
{
    applyTransportLook(-1);
    enableFrameCommands(false);
    mPlayer.follow.noMovieApplied = true;
}

// A backward jump restarts the follow search; any jump lets the next playing
// tick move the editor again.
void PlayerController::playerPositionChange(double, double newFrame)
{
    FollowState &f = mPlayer.follow;
    if (newFrame < f.lastFrameShown)
        f.searchStart = 1;
    f.lastFollowed = -1;
}

void PlayerController::beforeSave()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    const double from = mCtx.doc().validIndex(mCtx.doc().CurrentLine) ? mCtx.doc().line(mCtx.doc().CurrentLine).From : 1;
    mPlayer.resume.ResumePos = ResumePosition(player()->CurrentPosition(), playerFps(),
                                              Settings.Player.RewindAfterSave, mPlayer.resume.GirderSave, from);
}

void PlayerController::afterSave()
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

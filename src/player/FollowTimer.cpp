// Following: the frame display, the editor following the playing movie, the
// transport look by play state, playback resuming when asked, and the
// player following the current subtitle.
#include "player/FollowTimer.h"

#include "config/settings.h"
#include "document/frame_text.h"
#include "editor/CommandTable.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/StatusPanels.h"
#include "player/MediaPlayer.h"
#include "player/PlayerParts.h"
#include "player/follow_search.h"
#include "player/resume_position.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QToolButton>

namespace cuefold {

FollowTimer::FollowTimer(PlayerParts &parts)
    : mParts(parts)
    , mCtx(parts.ctx)
    , mPlayer(parts.state)
    , Timer1(new QTimer(this))
{
    connect(player(), &MediaPlayer::PositionChange, this, &FollowTimer::playerPositionChange);
    // Picture follows subtitles: a subtitle made current seeks the player.
    connect(&mCtx.model, &DocumentModel::currentChanged, this, [this](int, int mode) {
        if (mPlayer.PlayerSeeking && mode != ShowNoSeek && mParts.syncChecked() && !mParts.holdPicture)
            MenuPlayerSeekPlayerClick();
    });
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &FollowTimer::Timer1Timer);
}

void FollowTimer::start()
{
    Timer1->start();
}

MediaPlayer *FollowTimer::player() const
{
    return mParts.player();
}

void FollowTimer::Timer1Timer()
{
    ResumeState &r = mPlayer.resume;
    if (r.countdown >= 0 && --r.countdown == 0 && !mParts.closing) {
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
    if (mPlayer.PlayerSeeking && (mParts.syncChecked() || f.locateRequest) && !QApplication::activeModalWidget())
        followPlayer(position);
    const int state = player()->PlayState();
    if (state != f.lastPlayState && state >= MediaPlayer::Stopped && state <= MediaPlayer::Playing)
        applyTransportLook(state);
    showFrameCommands(mPlayer.PlayerSeeking);
    f.noMovieApplied = false;
    f.lastPlayState = state;
}

void FollowTimer::followPlayer(double position)
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

// The buttons show the play state pressed; which commands are available
// follows from the shown state by their declared rules.
void FollowTimer::applyTransportLook(int playState)
{
    const TransportLook look = TransportLookFor(playState);
    for (const auto &[id, down] : {std::pair{CommandId::MenuPlayerPlay, look.playDown},
                                   std::pair{CommandId::MenuPlayerPause, look.pauseDown},
                                   std::pair{CommandId::MenuPlayerStop, look.stopDown},
                                   std::pair{CommandId::MenuPlayerStepBack, false},
                                   std::pair{CommandId::MenuPlayerStepForward, false},
                                   std::pair{CommandId::MenuPlayerStep1Back, false},
                                   std::pair{CommandId::MenuPlayerStep1Forward, false}}) {
        QToolButton *b = mCtx.commands.toolButton(id);
        b->setCheckable(true);
        b->setChecked(down);
    }
    mPlayer.follow.shownPlayState = playState;
    mCtx.commands.refreshEnabled();
}

void FollowTimer::showFrameCommands(bool on)
{
    FollowState &f = mPlayer.follow;
    if (on == f.frameCommandsOn)
        return;
    f.frameCommandsOn = on;
    mCtx.commands.refreshEnabled();
}

void FollowTimer::applyNoMovieLook()
{
    applyTransportLook(-1);
    showFrameCommands(false);
    mPlayer.follow.noMovieApplied = true;
}

// A backward jump restarts the follow search; any jump lets the next playing
// tick move the editor again.
void FollowTimer::playerPositionChange(double, double newFrame)
{
    FollowState &f = mPlayer.follow;
    if (newFrame < f.lastFrameShown)
        f.searchStart = 1;
    f.lastFollowed = -1;
}

void FollowTimer::SyncToggled()
{
    const bool on = mParts.syncChecked();
    if (QToolButton *button = mCtx.commands.toolButton(CommandId::MenuPlayerSync)) {
        button->setChecked(on);
        button->setIcon(on ? mCtx.commands.action(CommandId::MenuPlayerSync)->icon() : CommandIcon("cuefold-sync-off"));
    }
    resetPreviewColour();
}

void FollowTimer::locateSubtitle()
{
    if (!mPlayer.MovieLoaded)
        return;
    mCtx.panel.CommitEdits();
    mPlayer.follow.locateRequest = true;
}

void FollowTimer::seekToCurrent(bool toLast)
{
    if (!mPlayer.MovieLoaded || !mCtx.doc().validIndex(mCtx.doc().CurrentLine))
        return;
    const TSubLine &l = mCtx.doc().line(mCtx.doc().CurrentLine);
    player()->SetCurrentPosition(toLast ? l.Last : l.From);
    resetPreviewColour();
}

void FollowTimer::MenuPlayerSeekPlayerClick() { seekToCurrent(false); }




void FollowTimer::resetPreviewColour()
{
    mCtx.panel.setPreviewColour(Settings.PreviewFontColor);
    mPlayer.follow.insideShown = mPlayer.follow.outsideShown = false;
}

} // namespace cuefold

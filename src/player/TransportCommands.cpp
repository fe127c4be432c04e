// The Player menu's transport commands and the step captions.
#include "player/TransportCommands.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/CommandTable.h"
#include "editor/EditorContext.h"
#include "player/MediaPlayer.h"
#include "player/PlayerParts.h"
#include "player/resume_position.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QToolButton>

namespace cuefold {

TransportCommands::TransportCommands(PlayerParts &parts)
    : mParts(parts)
    , mCtx(parts.ctx)
    , mPlayer(parts.state)
{
}

MediaPlayer *TransportCommands::player() const
{
    return mParts.player();
}

void TransportCommands::playPause()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    else
        player()->Play();
    mPlayer.follow.lastPlayState = -1; // a clicked button has toggled itself
}

void TransportCommands::play()
{
    if (!mPlayer.MovieLoaded)
        return;
    player()->Play();
    mPlayer.follow.lastPlayState = -1;
}

void TransportCommands::pause()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    mPlayer.follow.lastPlayState = -1;
}

void TransportCommands::stop()
{
    if (!mPlayer.MovieLoaded)
        return;
    player()->Stop();
    player()->SetCurrentPosition(0);
    mPlayer.follow.lastPlayState = -1;
}

void TransportCommands::stepPlayer(double frames, bool onlyWhenNotPlaying)
{
    if (!mPlayer.MovieLoaded)
        return;
    if (onlyWhenNotPlaying && player()->PlayState() == MediaPlayer::Playing)
        return;
    player()->SetCurrentPosition(StepPosition(player()->CurrentPosition(), frames, player()->Duration()));
}

void TransportCommands::MenuPlayerStepBackClick() { stepPlayer(-Settings.Player.PlayerStep * mParts.playerFps(), false); }
void TransportCommands::MenuPlayerStepForwardClick() { stepPlayer(Settings.Player.PlayerStep * mParts.playerFps(), false); }

void TransportCommands::copyFrame()
{
    if (mPlayer.MovieLoaded)
        QGuiApplication::clipboard()->setText(QString::fromLatin1(FrameText(player()->CurrentPosition())));
}

void TransportCommands::ConfigureSeconds(const QByteArray &stepText)
{
    mStepText = stepText;
    const QByteArray back = Texts.MenuStepBackB + ' ' + stepText + ' ' + Texts.MenuStepBackE;
    const QByteArray forward = Texts.MenuStepForwardB + ' ' + stepText + ' ' + Texts.MenuStepForwardE;
    for (const auto &[id, caption] : {std::pair{CommandId::MenuPlayerStepBack, back},
                                      std::pair{CommandId::MenuPlayerStepForward, forward}}) {
        mCtx.commands.action(id)->setText(Unicode(caption));
        mCtx.commands.toolButton(id)->setToolTip(Unicode(StripHotKeys(caption)));
    }
}

} // namespace cuefold

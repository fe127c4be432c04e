// The Player menu: showing the preview, zoom, transport, steps, seeking the
// player to the current subtitle and opening a movie by hand.
#include "player/PlayerController.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "player/resume_position.h"
#include "search/SearchCommands.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QToolButton>

namespace cuefold {

namespace {

const SubMenu ZoomMenu{"MenuPlayerZoom", &LanguageTexts::MenuZoom};

} // namespace

std::vector<MenuTable> PlayerController::menuTables()
{
    return {playerTable(), girderTable()};
}

MenuTable PlayerController::playerTable()
{
    using L = LanguageTexts;
    using C = CommandId;
    auto run = [this](void (PlayerController::*m)()) { return Bind(this, m); };
    auto zoom = [this](int index) { return [this, index] { zoomTo(index); }; };
    return {
        "MenuPlayer", &L::MenuPlayer, ToolBarPlayerId,
        {
            {.id = C::MenuPlayerShow, .caption = &L::MenuShowPlayer, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_P),
             .toolButton = "ToolButPlayerShow", .icon = "video-display", .handler = [this] { ShowPlayer(3); },
             .kind = CommandKind::Check, .checked = true},
            {.id = C::MenuPlayerClose, .caption = &L::MenuClose, .handler = [this] { FormWMP->close(); },
             .enabled = [this] { return mPlayer.PlayerShown; }},
            {.id = C::MenuZoom050procent, .shortcut = QKeySequence(Qt::ALT | Qt::Key_1),
             .handler = zoom(0), .fixedCaption = "50%", .kind = CommandKind::Radio,
             .submenu = &ZoomMenu},
            {.id = C::MenuZoom100procent, .shortcut = QKeySequence(Qt::ALT | Qt::Key_2),
             .handler = zoom(1), .fixedCaption = "100%", .kind = CommandKind::Radio,
             .checked = true, .submenu = &ZoomMenu},
            {.id = C::MenuZoom200procent, .shortcut = QKeySequence(Qt::ALT | Qt::Key_3),
             .handler = zoom(2), .fixedCaption = "200%", .kind = CommandKind::Radio,
             .submenu = &ZoomMenu},
            {.id = C::MenuPlayerSync, .caption = &L::MenuSync, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_K),
             .toolButton = "ToolButPlayerSync", .icon = "cuefold-sync", .handler = run(&PlayerController::SyncToggled),
             .separatorBefore = true, .kind = CommandKind::Check, .checked = true},
            {.id = C::MenuPlayerPlayPause, .caption = &L::MenuPlayPause, .shortcut = QKeySequence(Qt::Key_F12),
             .handler = run(&PlayerController::playPause)},
            {.id = C::MenuPlayerPlay, .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space),
             .toolButton = "ToolButPlayerPlay", .icon = "media-playback-start", .handler = run(&PlayerController::play),
             .hidden = true, .fixedCaption = "Play", .hint = &L::HintPlay,
             .buttonHandler = run(&PlayerController::playPause)},
            {.id = C::MenuPlayerPause, .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period),
             .toolButton = "ToolButPlayerPause", .icon = "media-playback-pause", .handler = run(&PlayerController::pause),
             .hidden = true, .fixedCaption = "Pause", .hint = &L::HintPause,
             .buttonHandler = run(&PlayerController::playPause)},
            {.id = C::MenuPlayerStop, .caption = &L::MenuStop, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_R),
             .toolButton = "ToolButPlayerStop", .icon = "media-playback-stop", .handler = run(&PlayerController::stop)},
            {.id = C::MenuPlayerStepBack, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F5),
             .toolButton = "ToolButPlayerStepBack", .icon = "media-seek-backward",
             .handler = run(&PlayerController::MenuPlayerStepBackClick)},
            {.id = C::MenuPlayerStepForward, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F6),
             .toolButton = "ToolButPlayerStepForward", .icon = "media-seek-forward",
             .handler = run(&PlayerController::MenuPlayerStepForwardClick)},
            {.id = C::MenuPlayerStep1Back, .caption = &L::MenuStep1Back, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F7),
             .toolButton = "ToolButPlayerStep1Back", .icon = "cuefold-frame-back",
             .handler = [this] { stepPlayer(-1, true); }},
            {.id = C::MenuPlayerStep1Forward, .caption = &L::MenuStep1Forward,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F8), .toolButton = "ToolButPlayerStep1Forward",
             .icon = "cuefold-frame-forward", .handler = [this] { stepPlayer(1, true); }},
            {.id = C::MenuPlayerLocateSubtitle, .caption = &L::MenuLocateSubtitle,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F9), .toolButton = "ToolButPlayerLocateSubtitle",
             .icon = "cuefold-locate-subtitle", .handler = run(&PlayerController::locateSubtitle),
             .separatorBefore = true, .hint = &L::HintLocateSubtitle},
            {.id = C::MenuPlayerSeekPlayer, .caption = &L::MenuSeekPlayer,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F10), .toolButton = "ToolButPlayerSeekPlayer",
             .icon = "cuefold-seek-first", .handler = run(&PlayerController::MenuPlayerSeekPlayerClick), .hint = &L::HintSeekPlayer},
            {.id = C::MenuPlayerSeekPlayerToLast, .caption = &L::MenuSeekPlayerToEOT,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F11), .toolButton = "ToolButPlayerSeekPlayerToLast",
             .icon = "cuefold-seek-last", .handler = [this] { seekToCurrent(true); },
             .hint = &L::HintSeekPlayerToEOT},
            {.id = C::MenuPlayerCopyFrame, .caption = &L::MenuCopyFrame,
             .shortcut = QKeySequence(Qt::ALT | Qt::Key_Insert), .toolButton = "ToolButPlayerCopyFrame",
             .icon = "cuefold-copy-frame", .handler = run(&PlayerController::copyFrame)},
            {.id = C::MenuPlayerCaptureFrame, .caption = &L::MenuCaptureFrameNumber,
             .shortcut = QKeySequence(Qt::Key_F9), .toolButton = "ToolButPlayerCaptureFrame",
             .icon = "cuefold-capture-frame", .handler = run(&PlayerController::MenuPlayerCaptureFrameClick)},
            {.id = C::MenuPlayerAutomate, .caption = &L::MenuPlayerAutomate, .shortcut = QKeySequence(Qt::Key_F8),
             .handler = run(&PlayerController::MenuPlayerAutomateClick)},
            {.id = C::MenuPlayerOpenMovie, .caption = &L::MenuOpenVideoFile, .handler = run(&PlayerController::openMovie),
             .separatorBefore = true},
        }};
}

bool PlayerController::syncChecked() const
{
    return mCtx.commands.action(CommandId::MenuPlayerSync)->isChecked();
}


void PlayerController::SyncToggled()
{
    const bool on = syncChecked();
    if (QToolButton *button = mCtx.commands.toolButton(CommandId::MenuPlayerSync)) {
        button->setChecked(on);
        button->setIcon(on ? mCtx.commands.action(CommandId::MenuPlayerSync)->icon() : CommandIcon("cuefold-sync-off"));
    }
    resetPreviewColour();
}

void PlayerController::playPause()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    else
        player()->Play();
    mPlayer.follow.lastPlayState = -1; // a clicked button has toggled itself
}

void PlayerController::play()
{
    if (!mPlayer.MovieLoaded)
        return;
    player()->Play();
    mPlayer.follow.lastPlayState = -1;
}

void PlayerController::pause()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    mPlayer.follow.lastPlayState = -1;
}

void PlayerController::stop()
{
    if (!mPlayer.MovieLoaded)
        return;
    player()->Stop();
    player()->SetCurrentPosition(0);
    mPlayer.follow.lastPlayState = -1;
}

double PlayerController::playerFps() const
{
    // Without a frame rate of its own the document is timed by the movie's.
    return IsValidFPS(mCtx.doc().FPS) ? mCtx.doc().FPS : player()->frameRate();
}

void PlayerController::stepPlayer(double frames, bool onlyWhenNotPlaying)
{
    if (!mPlayer.MovieLoaded)
        return;
    if (onlyWhenNotPlaying && player()->PlayState() == MediaPlayer::Playing)
        return;
    player()->SetCurrentPosition(StepPosition(player()->CurrentPosition(), frames, player()->Duration()));
}

void PlayerController::MenuPlayerStepBackClick() { stepPlayer(-Settings.Player.PlayerStep * playerFps(), false); }
void PlayerController::MenuPlayerStepForwardClick() { stepPlayer(Settings.Player.PlayerStep * playerFps(), false); }

void PlayerController::locateSubtitle()
{
    if (!mPlayer.MovieLoaded)
        return;
    mCtx.panel.CommitEdits();
    mPlayer.follow.locateRequest = true;
}

void PlayerController::seekToCurrent(bool toLast)
{
    if (!mPlayer.MovieLoaded || !mCtx.doc().validIndex(mCtx.doc().CurrentLine))
        return;
    const TSubLine &l = mCtx.doc().line(mCtx.doc().CurrentLine);
    player()->SetCurrentPosition(toLast ? l.Last : l.From);
    resetPreviewColour();
}

void PlayerController::MenuPlayerSeekPlayerClick() { seekToCurrent(false); }

void PlayerController::copyFrame()
{
    if (mPlayer.MovieLoaded)
        QGuiApplication::clipboard()->setText(QString::fromLatin1(FrameText(player()->CurrentPosition())));
}

void PlayerController::openMovie()
{
    const QByteArray &warning = mFilter.FilterFolderFound ? Texts.OpenDivXG400Warning : Texts.OpenMovieWarning;
    ShowMessage(mCtx.window, Unicode(warning), Unicode(Texts.Warning), MsgIcon::Exclamation);
    const QString movie =
        AskFileName(mCtx.window, {false, Unicode(Texts.OpenMovieDialogTitle), Texts.DialogsFilterMovie, mMovieFolder});
    if (movie.isEmpty())
        return;
    mMovieFolder = QFileInfo(movie).absolutePath();
    LoadMovie(movie, true);
    if (!mPlayer.MovieLoaded) {
        ShowMessage(mCtx.window, Unicode(Texts.FileNotOpen), QString(), MsgIcon::Stop);
        return;
    }
    mPlayer.MovieFromOpen = false;
    // The movie's own frame rate is known once it has loaded.
    if (!IsValidFPS(mCtx.doc().FPS))
        mAdoptMovieFps = true;
    mCtx.search->RefreshProperties();
    mCtx.search->showProperties(false);
}

} // namespace cuefold

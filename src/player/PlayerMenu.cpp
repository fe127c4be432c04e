// The Player menu: showing the preview, zoom, transport, steps, seeking the
// player to the current subtitle and opening a movie by hand, each command
// with the rule of when it is available.
#include "player/PlayerController.h"

#include "config/language_table.h"
#include "editor/EditorContext.h"
#include "player/FPlayer.h"
#include "player/ShotFiles.h"
#include "player/resume_position.h"

#include <QAction>

namespace cuefold {

namespace {

const SubMenu ZoomMenu{"MenuPlayerZoom", &LanguageTexts::MenuZoom};

} // namespace

std::vector<MenuTable> PlayerController::menuTables()
{
    return {playerTable(), mGirder.table()};
}

MenuTable PlayerController::playerTable()
{
    using L = LanguageTexts;
    using C = CommandId;
    auto zoom = [this](int index) { return [this, index] { zoomTo(index); }; };
    // The transport follows the play state the follow timer shows; the
    // commands that need a position, whether it lets them have one.
    auto look = [this] { return TransportLookFor(mPlayer.follow.shownPlayState); };
    auto rule = [look](bool TransportLook::*field) { return [look, field] { return look().*field; }; };
    const auto framed = [this] { return mPlayer.follow.frameCommandsOn; };
    const auto movieLoaded = [this] { return mPlayer.MovieLoaded; };
    TransportCommands &t = mTransport;
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
             .toolButton = "ToolButPlayerSync", .icon = "cuefold-sync", .handler = [this] { mFollow.SyncToggled(); },
             .separatorBefore = true, .kind = CommandKind::Check, .checked = true},
            {.id = C::MenuPlayerPlayPause, .caption = &L::MenuPlayPause, .shortcut = QKeySequence(Qt::Key_F12),
             .handler = [&t] { t.playPause(); }, .enabled = rule(&TransportLook::itemsEnabled)},
            {.id = C::MenuPlayerPlay, .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space),
             .toolButton = "ToolButPlayerPlay", .icon = "media-playback-start", .handler = [&t] { t.play(); },
             .hidden = true, .fixedCaption = "Play", .hint = &L::HintPlay,
             .buttonHandler = [&t] { t.playPause(); }, .buttonEnabled = rule(&TransportLook::buttonsEnabled)},
            {.id = C::MenuPlayerPause, .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period),
             .toolButton = "ToolButPlayerPause", .icon = "media-playback-pause", .handler = [&t] { t.pause(); },
             .hidden = true, .fixedCaption = "Pause", .hint = &L::HintPause,
             .buttonHandler = [&t] { t.playPause(); }, .buttonEnabled = rule(&TransportLook::pauseButtonEnabled)},
            {.id = C::MenuPlayerStop, .caption = &L::MenuStop, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_R),
             .toolButton = "ToolButPlayerStop", .icon = "media-playback-stop", .handler = [&t] { t.stop(); },
             .enabled = rule(&TransportLook::stopItemEnabled), .buttonEnabled = rule(&TransportLook::buttonsEnabled)},
            {.id = C::MenuPlayerStepBack, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F5),
             .toolButton = "ToolButPlayerStepBack", .icon = "media-seek-backward",
             .handler = [&t] { t.MenuPlayerStepBackClick(); }, .enabled = rule(&TransportLook::itemsEnabled),
             .buttonEnabled = rule(&TransportLook::buttonsEnabled)},
            {.id = C::MenuPlayerStepForward, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F6),
             .toolButton = "ToolButPlayerStepForward", .icon = "media-seek-forward",
             .handler = [&t] { t.MenuPlayerStepForwardClick(); }, .enabled = rule(&TransportLook::itemsEnabled),
             .buttonEnabled = rule(&TransportLook::buttonsEnabled)},
            {.id = C::MenuPlayerStep1Back, .caption = &L::MenuStep1Back, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F7),
             .toolButton = "ToolButPlayerStep1Back", .icon = "cuefold-frame-back",
             .handler = [&t] { t.stepPlayer(-1, true); }, .enabled = rule(&TransportLook::step1ItemsEnabled),
             .buttonEnabled = rule(&TransportLook::step1ButtonsEnabled)},
            {.id = C::MenuPlayerStep1Forward, .caption = &L::MenuStep1Forward,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F8), .toolButton = "ToolButPlayerStep1Forward",
             .icon = "cuefold-frame-forward", .handler = [&t] { t.stepPlayer(1, true); },
             .enabled = rule(&TransportLook::step1ItemsEnabled), .buttonEnabled = rule(&TransportLook::step1ButtonsEnabled)},
            {.id = C::MenuPlayerLocateSubtitle, .caption = &L::MenuLocateSubtitle,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F9), .toolButton = "ToolButPlayerLocateSubtitle",
             .icon = "cuefold-locate-subtitle", .handler = [this] { mFollow.locateSubtitle(); },
             .separatorBefore = true, .hint = &L::HintLocateSubtitle, .enabled = framed},
            {.id = C::MenuPlayerSeekPlayer, .caption = &L::MenuSeekPlayer,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F10), .toolButton = "ToolButPlayerSeekPlayer",
             .icon = "cuefold-seek-first", .handler = [this] { mFollow.MenuPlayerSeekPlayerClick(); },
             .hint = &L::HintSeekPlayer, .enabled = framed},
            {.id = C::MenuPlayerSeekPlayerToLast, .caption = &L::MenuSeekPlayerToEOT,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F11), .toolButton = "ToolButPlayerSeekPlayerToLast",
             .icon = "cuefold-seek-last", .handler = [this] { mFollow.seekToCurrent(true); },
             .hint = &L::HintSeekPlayerToEOT, .enabled = framed},
            {.id = C::MenuPlayerCopyFrame, .caption = &L::MenuCopyFrame,
             .shortcut = QKeySequence(Qt::ALT | Qt::Key_Insert), .toolButton = "ToolButPlayerCopyFrame",
             .icon = "cuefold-copy-frame", .handler = [&t] { t.copyFrame(); }, .enabled = framed},
            {.id = C::MenuPlayerCaptureFrame, .caption = &L::MenuCaptureFrameNumber,
             .shortcut = QKeySequence(Qt::Key_F9), .toolButton = "ToolButPlayerCaptureFrame",
             .icon = "cuefold-capture-frame", .handler = [this] { mAutomation.MenuPlayerCaptureFrameClick(); },
             .enabled = framed},
            {.id = C::MenuPlayerAutomate, .caption = &L::MenuPlayerAutomate, .shortcut = QKeySequence(Qt::Key_F8),
             .handler = [this] { mAutomation.MenuPlayerAutomateClick(); }, .enabled = framed},
            {.id = C::MenuPlayerOpenMovie, .caption = &L::MenuOpenVideoFile, .handler = [this] { mMovie.openMovie(); },
             .separatorBefore = true},
            {.id = C::MenuPlayerImportShots, .caption = &L::MenuImportShots,
             .handler = [this] { ImportShotChanges(mParts); }, .enabled = movieLoaded},
            {.id = C::MenuPlayerExportShots, .caption = &L::MenuExportShots,
             .handler = [this] { ExportShotChanges(mParts); }, .enabled = movieLoaded},
            {.id = C::MenuPlayerWaveform, .caption = &L::MenuShowWaveform,
             .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
             .handler = [this] { mWaveform.setShown(mCtx.commands.action(C::MenuPlayerWaveform)->isChecked()); },
             .separatorBefore = true, .kind = CommandKind::Check},
            {.id = C::MenuPlayerCancelAnalysis, .caption = &L::MenuCancelAnalysis, .handler = [this] { mRunner.cancel(); },
             .enabled = [this] { return mRunner.busy(); }},
        }};
}

} // namespace cuefold

// The Player menu: showing the preview, zoom, transport, steps, seeking the
// player to the current subtitle and opening a movie by hand.
#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "player/resume_position.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QToolButton>

namespace cuefold {

namespace {

QString u(const QByteArray &b) { return CodePage::toUnicode(b); }

const SubMenu ZoomMenu{"MenuPlayerZoom", &LanguageTexts::MenuZoom};

} // namespace

const MenuTable &PlayerMenuTable()
{
    using T = TForm1;
    using L = LanguageTexts;
    static const MenuTable table{
        "MenuPlayer", &L::MenuPlayer, ToolBarPlayerId,
        {
            {.item = "MenuPlayerShow", .caption = &L::MenuShowPlayer, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_P),
             .toolButton = "ToolButPlayerShow", .icon = QStyle::SP_DesktopIcon, .handler = &T::MenuPlayerShowClick,
             .kind = CommandKind::Check, .checked = true},
            {.item = "MenuPlayerClose", .caption = &L::MenuClose, .handler = &T::MenuPlayerCloseClick},
            {.item = "MenuZoom050procent", .shortcut = QKeySequence(Qt::ALT | Qt::Key_1),
             .handler = &T::MenuZoom050procentClick, .fixedCaption = "50%", .kind = CommandKind::Radio,
             .submenu = &ZoomMenu},
            {.item = "MenuZoom100procent", .shortcut = QKeySequence(Qt::ALT | Qt::Key_2),
             .handler = &T::MenuZoom100procentClick, .fixedCaption = "100%", .kind = CommandKind::Radio,
             .checked = true, .submenu = &ZoomMenu},
            {.item = "MenuZoom200procent", .shortcut = QKeySequence(Qt::ALT | Qt::Key_3),
             .handler = &T::MenuZoom200procentClick, .fixedCaption = "200%", .kind = CommandKind::Radio,
             .submenu = &ZoomMenu},
            {.item = "MenuPlayerSync", .caption = &L::MenuSync, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_K),
             .toolButton = "ToolButPlayerSync", .icon = QStyle::SP_BrowserReload, .handler = &T::MenuPlayerSyncClick,
             .separatorBefore = true, .kind = CommandKind::Check, .checked = true},
            {.item = "MenuPlayerPlayPause", .caption = &L::MenuPlayPause, .shortcut = QKeySequence(Qt::Key_F12),
             .handler = &T::MenuPlayerPlayPauseClick},
            {.item = "MenuPlayerPlay", .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space),
             .toolButton = "ToolButPlayerPlay", .icon = QStyle::SP_MediaPlay, .handler = &T::MenuPlayerPlayClick,
             .hidden = true, .fixedCaption = "Play", .hint = &L::HintPlay,
             .buttonHandler = &T::MenuPlayerPlayPauseClick},
            {.item = "MenuPlayerPause", .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period),
             .toolButton = "ToolButPlayerPause", .icon = QStyle::SP_MediaPause, .handler = &T::MenuPlayerPauseClick,
             .hidden = true, .fixedCaption = "Pause", .hint = &L::HintPause,
             .buttonHandler = &T::MenuPlayerPlayPauseClick},
            {.item = "MenuPlayerStop", .caption = &L::MenuStop, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_R),
             .toolButton = "ToolButPlayerStop", .icon = QStyle::SP_MediaStop, .handler = &T::MenuPlayerStopClick},
            {.item = "MenuPlayerStepBack", .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F5),
             .toolButton = "ToolButPlayerStepBack", .icon = QStyle::SP_MediaSeekBackward,
             .handler = &T::MenuPlayerStepBackClick},
            {.item = "MenuPlayerStepForward", .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F6),
             .toolButton = "ToolButPlayerStepForward", .icon = QStyle::SP_MediaSeekForward,
             .handler = &T::MenuPlayerStepForwardClick},
            {.item = "MenuPlayerStep1Back", .caption = &L::MenuStep1Back, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F7),
             .toolButton = "ToolButPlayerStep1Back", .icon = QStyle::SP_MediaSkipBackward,
             .handler = &T::MenuPlayerStep1BackClick},
            {.item = "MenuPlayerStep1Forward", .caption = &L::MenuStep1Forward,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F8), .toolButton = "ToolButPlayerStep1Forward",
             .icon = QStyle::SP_MediaSkipForward, .handler = &T::MenuPlayerStep1ForwardClick},
            {.item = "MenuPlayerLocateSubtitle", .caption = &L::MenuLocateSubtitle,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F9), .toolButton = "ToolButPlayerLocateSubtitle",
             .icon = QStyle::SP_FileDialogContentsView, .handler = &T::MenuPlayerLocateSubtitleClick,
             .separatorBefore = true, .hint = &L::HintLocateSubtitle},
            {.item = "MenuPlayerSeekPlayer", .caption = &L::MenuSeekPlayer,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F10), .toolButton = "ToolButPlayerSeekPlayer",
             .icon = QStyle::SP_ArrowLeft, .handler = &T::MenuPlayerSeekPlayerClick, .hint = &L::HintSeekPlayer},
            {.item = "MenuPlayerSeekPlayerToLast", .caption = &L::MenuSeekPlayerToEOT,
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F11), .toolButton = "ToolButPlayerSeekPlayerToLast",
             .icon = QStyle::SP_ArrowRight, .handler = &T::MenuPlayerSeekPlayerToLastClick,
             .hint = &L::HintSeekPlayerToEOT},
            {.item = "MenuPlayerCopyFrame", .caption = &L::MenuCopyFrame,
             .shortcut = QKeySequence(Qt::ALT | Qt::Key_Insert), .toolButton = "ToolButPlayerCopyFrame",
             .icon = QStyle::SP_FileLinkIcon, .handler = &T::MenuPlayerCopyFrameClick},
            {.item = "MenuPlayerCaptureFrame", .caption = &L::MenuCaptureFrameNumber,
             .shortcut = QKeySequence(Qt::Key_F9), .toolButton = "ToolButPlayerCaptureFrame",
             .icon = QStyle::SP_DialogApplyButton, .handler = &T::MenuPlayerCaptureFrameClick},
            {.item = "MenuPlayerAutomate", .caption = &L::MenuPlayerAutomate, .shortcut = QKeySequence(Qt::Key_F8),
             .handler = &T::MenuPlayerAutomateClick},
            {.item = "MenuPlayerOpenMovie", .caption = &L::MenuOpenVideoFile, .handler = &T::MenuPlayerOpenMovieClick,
             .separatorBefore = true},
        }};
    return table;
}

bool TForm1::syncChecked() const
{
    return mCommands.action("MenuPlayerSync")->isChecked();
}

void TForm1::MenuPlayerShowClick() { ShowPlayer(3); }
void TForm1::MenuPlayerCloseClick() { FormWMP->close(); }
void TForm1::MenuZoom050procentClick() { zoomTo(0); }
void TForm1::MenuZoom100procentClick() { zoomTo(1); }
void TForm1::MenuZoom200procentClick() { zoomTo(2); }
void TForm1::MenuPlayerSyncClick() { SyncToggled(); }

void TForm1::SyncToggled()
{
    const bool on = syncChecked();
    if (QToolButton *button = mCommands.toolButton("ToolButPlayerSync")) {
        button->setChecked(on);
        button->setIcon(style()->standardIcon(on ? QStyle::SP_BrowserReload : QStyle::SP_BrowserStop));
    }
    resetPreviewColour();
}

void TForm1::MenuPlayerPlayPauseClick()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    else
        player()->Play();
    mPlayer.follow.lastPlayState = -1; // a clicked button has toggled itself
}

void TForm1::MenuPlayerPlayClick()
{
    if (!mPlayer.MovieLoaded)
        return;
    player()->Play();
    mPlayer.follow.lastPlayState = -1;
}

void TForm1::MenuPlayerPauseClick()
{
    if (!mPlayer.MovieLoaded)
        return;
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    mPlayer.follow.lastPlayState = -1;
}

void TForm1::MenuPlayerStopClick()
{
    if (!mPlayer.MovieLoaded)
        return;
    player()->Stop();
    player()->SetCurrentPosition(0);
    mPlayer.follow.lastPlayState = -1;
}

double TForm1::playerFps() const
{
    // Without a frame rate of its own the document is timed by the movie's.
    return IsValidFPS(mDoc->FPS) ? mDoc->FPS : player()->frameRate();
}

void TForm1::stepPlayer(double frames, bool onlyWhenNotPlaying)
{
    if (!mPlayer.MovieLoaded)
        return;
    if (onlyWhenNotPlaying && player()->PlayState() == MediaPlayer::Playing)
        return;
    player()->SetCurrentPosition(StepPosition(player()->CurrentPosition(), frames, player()->Duration()));
}

void TForm1::MenuPlayerStepBackClick() { stepPlayer(-Settings.Player.PlayerStep * playerFps(), false); }
void TForm1::MenuPlayerStepForwardClick() { stepPlayer(Settings.Player.PlayerStep * playerFps(), false); }
void TForm1::MenuPlayerStep1BackClick() { stepPlayer(-1, true); }
void TForm1::MenuPlayerStep1ForwardClick() { stepPlayer(1, true); }

void TForm1::MenuPlayerLocateSubtitleClick()
{
    if (!mPlayer.MovieLoaded)
        return;
    CommitEdits();
    mPlayer.follow.locateRequest = true;
}

void TForm1::seekToCurrent(bool toLast)
{
    if (!mPlayer.MovieLoaded || !mDoc->validIndex(mDoc->CurrentLine))
        return;
    const TSubLine &l = mDoc->line(mDoc->CurrentLine);
    player()->SetCurrentPosition(toLast ? l.Last : l.From);
    resetPreviewColour();
}

void TForm1::MenuPlayerSeekPlayerClick() { seekToCurrent(false); }
void TForm1::MenuPlayerSeekPlayerToLastClick() { seekToCurrent(true); }

void TForm1::MenuPlayerCopyFrameClick()
{
    if (mPlayer.MovieLoaded)
        QGuiApplication::clipboard()->setText(QString::fromLatin1(FrameText(player()->CurrentPosition())));
}

void TForm1::MenuPlayerOpenMovieClick()
{
    const QByteArray &warning = mFilter.FilterFolderFound ? Texts.OpenDivXG400Warning : Texts.OpenMovieWarning;
    ShowMessage(this, u(warning), u(Texts.Warning), MsgIcon::Exclamation);
    const QString movie =
        AskFileName(this, {false, u(Texts.OpenMovieDialogTitle), Texts.DialogsFilterMovie, mMovieFolder});
    if (movie.isEmpty())
        return;
    mMovieFolder = QFileInfo(movie).absolutePath();
    LoadMovie(movie, true);
    if (!mPlayer.MovieLoaded) {
        ShowMessage(this, u(Texts.FileNotOpen), QString(), MsgIcon::Stop);
        return;
    }
    mPlayer.MovieFromOpen = false;
    // The movie's own frame rate is known once it has loaded.
    if (!IsValidFPS(mDoc->FPS))
        mAdoptMovieFps = true;
    RefreshProperties();
    showProperties(false);
}

} // namespace cuefold

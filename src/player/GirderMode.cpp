// The remote-control mode: while it is on, F5, F6, Up and Down move line
// breaks (and save) and step through the subtitles, pausing the movie first.
#include "player/GirderMode.h"

#include "config/settings.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/TitleCommands.h"
#include "player/MediaPlayer.h"
#include "player/PlayerParts.h"

#include <QAction>

namespace cuefold {

GirderMode::GirderMode(PlayerParts &parts)
    : mParts(parts)
    , mCtx(parts.ctx)
    , mPlayer(parts.state)
{
}

namespace {

constexpr CommandId GirderItems[] = {CommandId::MenuGirderBreakLineLeft, CommandId::MenuGirderBreakLineRight,
                                     CommandId::MenuGirderCurrentLineIndexDec, CommandId::MenuGirderCurrentLineIndexInc};
const Qt::Key GirderKeys[] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_Up, Qt::Key_Down};

} // namespace

MenuTable GirderMode::table()
{
    using C = CommandId;
    const auto on = [this] { return active(); };
    return {
        "MenuGirder", &LanguageTexts::MenuGirder, -1,
        {
            {.id = C::MenuGirderInUse, .caption = &LanguageTexts::MenuGirderInUse, .handler = Bind(this, &GirderMode::MenuGirderInUseClick),
             .kind = CommandKind::Check},
            {.id = C::MenuGirderBreakLineLeft, .caption = &LanguageTexts::GirderBreakLeft,
             .handler = [this] { girderBreakLine(true); }, .separatorBefore = true, .enabled = on},
            {.id = C::MenuGirderBreakLineRight, .caption = &LanguageTexts::GirderBreakRight,
             .handler = [this] { girderBreakLine(false); }, .enabled = on},
            {.id = C::MenuGirderCurrentLineIndexDec, .caption = &LanguageTexts::GirderPreviousLine,
             .handler = [this] { girderStep(-1); }, .separatorBefore = true, .enabled = on},
            {.id = C::MenuGirderCurrentLineIndexInc, .caption = &LanguageTexts::GirderNextLine,
             .handler = [this] { girderStep(1); }, .enabled = on},
        }};
}

void GirderMode::MenuGirderInUseClick()
{
    Settings.Main.GirderInUse = mCtx.commands.action(CommandId::MenuGirderInUse)->isChecked();
    const bool on = active();
    for (int i = 0; i < 4; ++i)
        mCtx.commands.action(GirderItems[i])->setShortcut(on ? QKeySequence(GirderKeys[i]) : QKeySequence());
    mCtx.commands.refreshEnabled();
    // The ordinary break commands give their keys up while the mode is on.
    mCtx.commands.action(CommandId::MenuTitleBreakLineLeft)->setShortcut(on ? QKeySequence() : QKeySequence(Qt::Key_F5));
    mCtx.commands.action(CommandId::MenuTitleBreakLineRight)->setShortcut(on ? QKeySequence() : QKeySequence(Qt::Key_F6));
}

bool GirderMode::active() const
{
    return Settings.Main.GirderInUse && mOptionsOpenCount == 0;
}

void GirderMode::setOptionsOpen(bool open)
{
    mOptionsOpenCount += open ? 1 : -1;
    MenuGirderInUseClick();
}

void GirderMode::girderBreakLine(bool left)
{
    TitleCommands &title = *mCtx.title;
    auto move = [&] { left ? title.MenuTitleBreakLineLeftClick() : title.MenuTitleBreakLineRightClick(); };
    if (!mPlayer.MovieLoaded) {
        move();
        return;
    }
    if (mParts.player()->PlayState() == MediaPlayer::Playing)
        mParts.player()->Pause();
    move();
    mPlayer.resume.GirderSave = true;
    mCtx.file->MenuFileSaveClick();
}

void GirderMode::girderStep(int delta)
{
    if (mPlayer.MovieLoaded && mParts.player()->PlayState() == MediaPlayer::Playing)
        mParts.player()->Pause();
    mCtx.panel.EditSubtitleExit();
    const int target = mCtx.doc().CurrentLine + delta;
    if (target >= 1 && target <= mCtx.doc().LineCount)
        mCtx.panel.ShowLine(target, ShowStep);
}

} // namespace cuefold

// The remote-control mode: while it is on, F5, F6, Up and Down move line
// breaks (and save) and step through the subtitles, pausing the movie first.
#include "player/PlayerController.h"

#include "config/settings.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/TitleCommands.h"
#include "player/MediaPlayer.h"

#include <QAction>

namespace cuefold {

namespace {

constexpr CommandId GirderItems[] = {CommandId::MenuGirderBreakLineLeft, CommandId::MenuGirderBreakLineRight,
                                     CommandId::MenuGirderCurrentLineIndexDec, CommandId::MenuGirderCurrentLineIndexInc};
const Qt::Key GirderKeys[] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_Up, Qt::Key_Down};

} // namespace

MenuTable PlayerController::girderTable()
{
    using C = CommandId;
    return {
        "MenuGirder", &LanguageTexts::MenuGirder, -1,
        {
            {.id = C::MenuGirderInUse, .caption = &LanguageTexts::MenuGirderInUse, .handler = Bind(this, &PlayerController::MenuGirderInUseClick),
             .kind = CommandKind::Check},
            {.id = C::MenuGirderBreakLineLeft, .caption = &LanguageTexts::GirderBreakLeft,
             .handler = [this] { girderBreakLine(true); }, .separatorBefore = true},
            {.id = C::MenuGirderBreakLineRight, .caption = &LanguageTexts::GirderBreakRight,
             .handler = [this] { girderBreakLine(false); }},
            {.id = C::MenuGirderCurrentLineIndexDec, .caption = &LanguageTexts::GirderPreviousLine,
             .handler = [this] { girderStep(-1); }, .separatorBefore = true},
            {.id = C::MenuGirderCurrentLineIndexInc, .caption = &LanguageTexts::GirderNextLine,
             .handler = [this] { girderStep(1); }},
        }};
}

void PlayerController::MenuGirderInUseClick()
{
    Settings.Main.GirderInUse = mCtx.commands.action(CommandId::MenuGirderInUse)->isChecked();
    const bool on = Settings.Main.GirderInUse && mOptionsOpenCount == 0;
    for (int i = 0; i < 4; ++i) {
        QAction *item = mCtx.commands.action(GirderItems[i]);
        item->setEnabled(on);
        item->setShortcut(on ? QKeySequence(GirderKeys[i]) : QKeySequence());
    }
    // The ordinary break commands give their keys up while the mode is on.
    mCtx.commands.action(CommandId::MenuTitleBreakLineLeft)->setShortcut(on ? QKeySequence() : QKeySequence(Qt::Key_F5));
    mCtx.commands.action(CommandId::MenuTitleBreakLineRight)->setShortcut(on ? QKeySequence() : QKeySequence(Qt::Key_F6));
}

void PlayerController::girderBreakLine(bool left)
{
    TitleCommands &title = *mCtx.title;
    auto move = [&] { left ? title.MenuTitleBreakLineLeftClick() : title.MenuTitleBreakLineRightClick(); };
    if (!mPlayer.MovieLoaded) {
        move();
        return;
    }
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    move();
    mPlayer.resume.GirderSave = true;
    mCtx.file->MenuFileSaveClick();
}

void PlayerController::girderStep(int delta)
{
    if (mPlayer.MovieLoaded && player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    mCtx.panel.EditSubtitleExit();
    const int target = mCtx.doc().CurrentLine + delta;
    if (target >= 1 && target <= mCtx.doc().LineCount)
        mCtx.panel.ShowLine(target, ShowStep);
}

} // namespace cuefold

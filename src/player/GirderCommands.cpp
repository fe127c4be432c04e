// The remote-control mode: while it is on, F5, F6, Up and Down move line
// breaks (and save) and step through the subtitles, pausing the movie first.
#include "editor/FMain.h"

#include "config/settings.h"
#include "player/MediaPlayer.h"

#include <QAction>

namespace cuefold {

namespace {

const char *const GirderItems[] = {"MenuGirderBreakLineLeft", "MenuGirderBreakLineRight",
                                   "MenuGirderCurrentLineIndexDec", "MenuGirderCurrentLineIndexInc"};
const Qt::Key GirderKeys[] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_Up, Qt::Key_Down};

} // namespace

const MenuTable &GirderMenuTable()
{
    using T = TForm1;
    static const MenuTable table{
        "MenuGirder", &LanguageTexts::MenuGirder, -1,
        {
            {.item = "MenuGirderInUse", .caption = &LanguageTexts::MenuGirderInUse, .handler = &T::MenuGirderInUseClick,
             .kind = CommandKind::Check},
            {.item = "MenuGirderBreakLineLeft", .handler = &T::MenuGirderBreakLineLeftClick, .separatorBefore = true,
             .fixedCaption = "Posunout zalomen\xED v&levo"},
            {.item = "MenuGirderBreakLineRight", .handler = &T::MenuGirderBreakLineRightClick,
             .fixedCaption = "Posunout zalomen\xED v&pravo"},
            {.item = "MenuGirderCurrentLineIndexDec", .handler = &T::MenuGirderCurrentLineIndexDecClick,
             .separatorBefore = true, .fixedCaption = "&P\xF8" "edchoz\xED titulek"},
            {.item = "MenuGirderCurrentLineIndexInc", .handler = &T::MenuGirderCurrentLineIndexIncClick,
             .fixedCaption = "&N\xE1sleduj\xED" "c\xED titulek"},
        }};
    return table;
}

void TForm1::MenuGirderInUseClick()
{
    Settings.Main.GirderInUse = mCommands.action("MenuGirderInUse")->isChecked();
    const bool on = Settings.Main.GirderInUse && mOptionsOpenCount == 0;
    for (int i = 0; i < 4; ++i) {
        QAction *item = mCommands.action(GirderItems[i]);
        item->setEnabled(on);
        item->setShortcut(on ? QKeySequence(GirderKeys[i]) : QKeySequence());
    }
    // The ordinary break commands give their keys up while the mode is on.
    mCommands.action("MenuTitleBreakLineLeft")->setShortcut(on ? QKeySequence() : QKeySequence(Qt::Key_F5));
    mCommands.action("MenuTitleBreakLineRight")->setShortcut(on ? QKeySequence() : QKeySequence(Qt::Key_F6));
}

void TForm1::girderBreakLine(void (TForm1::*titleCommand)())
{
    if (!mPlayer.MovieLoaded) {
        (this->*titleCommand)();
        return;
    }
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    (this->*titleCommand)();
    mPlayer.resume.GirderSave = true;
    MenuFileSaveClick();
}

void TForm1::MenuGirderBreakLineLeftClick() { girderBreakLine(&TForm1::MenuTitleBreakLineLeftClick); }
void TForm1::MenuGirderBreakLineRightClick() { girderBreakLine(&TForm1::MenuTitleBreakLineRightClick); }

void TForm1::girderStep(int delta)
{
    if (mPlayer.MovieLoaded && player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    EditSubtitleExit();
    const int target = mDoc->CurrentLine + delta;
    if (target >= 1 && target <= mDoc->LineCount)
        ShowLine(target, ShowStep);
}

void TForm1::MenuGirderCurrentLineIndexDecClick() { girderStep(-1); }
void TForm1::MenuGirderCurrentLineIndexIncClick() { girderStep(1); }

} // namespace cuefold

// The Subtitle menu: focus, lock and mark, row breaks, dialogue dashes and
// the list operations around the current subtitle.
#include "editor/TitleCommands.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "editor/dialogue_dashes.h"
#include "editor/line_breaks.h"
#include "editor/list_operations.h"
#include "operations/BulkCommands.h"

namespace cuefold {

TitleCommands::TitleCommands(EditorContext &ctx)
    : mCtx(ctx)
{
}

MenuTable TitleCommands::menuTable()
{
    using K = QKeySequence;
    using F = CurrentSubtitlePanel::Field;
    auto focus = [this](F field) { return [this, field] { mCtx.panel.focusField(field); }; };
    auto run = [this](void (TitleCommands::*m)()) { return Bind(this, m); };
    return {
        "MenuTitle", &LanguageTexts::MenuSubtitle, ToolBarTitleId,
        {
            {CommandId::MenuTitleGoToLine, &LanguageTexts::MenuGoTo, K(Qt::CTRL | Qt::Key_G), nullptr,
             nullptr, focus(F::Index)},
            {CommandId::MenuTitleFrameStart, &LanguageTexts::MenuFirstFrame, K(Qt::CTRL | Qt::Key_B), nullptr,
             nullptr, focus(F::From)},
            {CommandId::MenuTitleFrameLast, &LanguageTexts::MenuLastFrame, K(Qt::CTRL | Qt::Key_E), nullptr,
             nullptr, focus(F::Last)},
            {CommandId::MenuTitleTextEdit, &LanguageTexts::MenuEditLine, K(Qt::Key_F4), nullptr,
             nullptr, focus(F::Text)},
            {CommandId::MenuTitleLineLock, &LanguageTexts::MenuLockLine, K(Qt::CTRL | Qt::Key_L), nullptr,
             nullptr, [this] { mCtx.panel.toggleLock(); }, true},
            {CommandId::MenuTitleLineMark, &LanguageTexts::MenuMarkLine, K(Qt::Key_F11), nullptr,
             nullptr, [this] { mCtx.panel.toggleMark(); }},
            {CommandId::MenuTitleBreakLineLeft, &LanguageTexts::MenuBreakLeft, K(Qt::Key_F5), "ToolButTitleBreakLineLeft",
             "cuefold-break-left", run(&TitleCommands::MenuTitleBreakLineLeftClick), true},
            {CommandId::MenuTitleBreakLineRight, &LanguageTexts::MenuBreakRight, K(Qt::Key_F6), "ToolButTitleBreakLineRight",
             "cuefold-break-right", run(&TitleCommands::MenuTitleBreakLineRightClick)},
            {CommandId::MenuTitleSecondBreakLineLeft, &LanguageTexts::MenuSecondBreakLeft, K(Qt::SHIFT | Qt::Key_F5),
             "ToolButTitleSecondBreakLineLeft", "cuefold-second-break-left",
             run(&TitleCommands::MenuTitleSecondBreakLineLeftClick)},
            {CommandId::MenuTitleSecondBreakLineRight, &LanguageTexts::MenuSecondBreakRight, K(Qt::SHIFT | Qt::Key_F6),
             "ToolButTitleSecondBreakLineRight", "cuefold-second-break-right",
             run(&TitleCommands::MenuTitleSecondBreakLineRightClick)},
            {CommandId::MenuTitleBreakLineRemove, &LanguageTexts::MenuBreakRemove, K(Qt::SHIFT | Qt::Key_F8),
             "ToolButTitleBreakLineRemove", "cuefold-break-remove", run(&TitleCommands::MenuTitleBreakLineRemoveClick)},
            {CommandId::MenuTitleDirectSpeech, &LanguageTexts::MenuDirectSpeech, K(Qt::SHIFT | Qt::Key_F4),
             "ToolButTitleDirectSpeech", "cuefold-dialogue-dash", run(&TitleCommands::MenuTitleDirectSpeechClick),
             true},
            {CommandId::MenuTitleDirectSpeechRemove, &LanguageTexts::MenuDirectSpeechRemove,
             K(Qt::SHIFT | Qt::CTRL | Qt::Key_F4), "ToolButTitleDirectSpeechRemove", "cuefold-dialogue-dash-remove",
             run(&TitleCommands::MenuTitleDirectSpeechRemoveClick)},
            {CommandId::MenuTitleInsertEmptyLine, &LanguageTexts::MenuInsertLine, K(Qt::CTRL | Qt::Key_I),
             "ToolButTitleInsertEmptyLine", "edit-table-insert-row-above", [this] { MenuTitleInsertEmptyLineClick(); },
             true},
            {CommandId::MenuTitleAddEmptyLine, &LanguageTexts::MenuAddLine, K(Qt::SHIFT | Qt::CTRL | Qt::Key_I),
             "ToolButTitleAddEmptyLine", "edit-table-insert-row-below", [this] { MenuTitleAddEmptyLineClick(); }},
            {CommandId::MenuTitleSplit2Line, &LanguageTexts::MenuSplitLine, K(Qt::CTRL | Qt::Key_D), "ToolButTitleSplit2Line",
             "cuefold-split-two", run(&TitleCommands::MenuTitleSplit2LineClick)},
            {CommandId::MenuTitleSplit1Line, &LanguageTexts::MenuSplit1Line, K(Qt::SHIFT | Qt::CTRL | Qt::Key_D),
             "ToolButTitleSplit1Line", "cuefold-split-one",
             run(&TitleCommands::MenuTitleSplit1LineClick)},
            {CommandId::MenuTitleJoinLines, &LanguageTexts::MenuMergeLines, K(Qt::CTRL | Qt::Key_J), "ToolButTitleJoinLines",
             "cuefold-join-lines", run(&TitleCommands::MenuTitleJoinLinesClick)},
            {CommandId::MenuTitleDeleteLine, &LanguageTexts::MenuDeleteLine, K(Qt::SHIFT | Qt::CTRL | Qt::Key_X),
             "ToolButTitleDeleteLine", "edit-table-delete-row", run(&TitleCommands::MenuTitleDeleteLineClick)},
        }};
}

void TitleCommands::transformText(QByteArray (*transform)(const QByteArray &), bool clearsMessage)
{
    RunCommand(mCtx, {.clearMessage = clearsMessage, .change = [&] {
        const Document &d = mCtx.doc();
        if (!d.validIndex(d.CurrentLine))
            return CommandChange{.applied = false};
        mCtx.panel.SetText(transform(d.line(d.CurrentLine).Text), ShowCommand);
        return CommandChange{.showMode = 0, .modified = ModifiedRule::Keep};
    }});
}

void TitleCommands::MenuTitleBreakLineLeftClick() { transformText(MoveBreakLeft, true); }
void TitleCommands::MenuTitleBreakLineRightClick() { transformText(MoveBreakRight, true); }
void TitleCommands::MenuTitleSecondBreakLineLeftClick() { transformText(MoveSecondBreakLeft, true); }
void TitleCommands::MenuTitleSecondBreakLineRightClick() { transformText(MoveSecondBreakRight, true); }

void TitleCommands::MenuTitleBreakLineRemoveClick()
{
    mCtx.panel.CommitEdits();
    const Document &d = mCtx.doc();
    // Without a break nothing happens at all, not even a redisplay.
    if (d.validIndex(d.CurrentLine) && d.line(d.CurrentLine).Text.contains('|'))
        transformText(RemoveBreaks, false);
}

void TitleCommands::MenuTitleDirectSpeechClick()
{
    // Typed text is stored first, so the dashes go into what the user sees.
    RunCommand(mCtx, {.change = [this] {
        const Document &d = mCtx.doc();
        if (!d.validIndex(d.CurrentLine))
            return CommandChange{.applied = false};
        const DialogueEdit edit = AddDialogueDashes(d.line(d.CurrentLine).Text);
        if (edit.Outcome == DialogueOutcome::NoDirectSpeech)
            return CommandChange{.showMode = 0, .modified = ModifiedRule::Keep, .notice = Texts.NoDirectSpeech};
        mCtx.panel.SetText(edit.Text, ShowCommand);
        return CommandChange{.showMode = 0, .modified = ModifiedRule::Keep};
    }});
}

void TitleCommands::MenuTitleDirectSpeechRemoveClick()
{
    transformText(RemoveDialogueDashes, true);
}

bool TitleCommands::refuseWhenFull()
{
    if (CheckRoomForLine(mCtx.doc()) != ListOutcome::NoMoreLines)
        return false;
    ShowMessage(mCtx.window, Unicode(Texts.NoMoreLines), Unicode(Texts.Warning), MsgIcon::Information);
    return true;
}

// A list operation: typing is stored first, the grid refills from the first
// row it moved, the current subtitle is redrawn, and its notice goes to the
// status bar.
bool TitleCommands::runListEdit(bool clearsMessage, const std::function<bool()> &guard,
                                const std::function<ListEdit(Document &)> &operation)
{
    return RunCommand(mCtx, {.clearMessage = clearsMessage, .guard = guard, .change = [&] {
        const ListEdit edit = mCtx.model.change([&](Document &d) { return operation(d); });
        return CommandChange{.modified = edit.Modified ? ModifiedRule::Mark : ModifiedRule::Keep,
                             .notice = edit.Notice};
    }});
}

bool TitleCommands::MenuTitleInsertEmptyLineClick()
{
    return runListEdit(true, [this] { return !refuseWhenFull(); },
                       [](Document &d) { return InsertEmptyLine(d, DisplayTimeRuleFromSettings()); });
}

bool TitleCommands::MenuTitleAddEmptyLineClick()
{
    // Typed text is stored first, so it stays with the subtitle it was typed
    // for. Inside the list this is the insert command in full, which starts
    // by clearing the message panel.
    const bool insideList = mCtx.doc().CurrentLine < mCtx.doc().LineCount;
    return runListEdit(insideList, [this] { return !refuseWhenFull(); },
                       [](Document &d) { return AddEmptyLine(d, DisplayTimeRuleFromSettings()); });
}

void TitleCommands::splitCurrent(SplitMode mode)
{
    runListEdit(true, [this] { return !refuseWhenFull(); },
                [mode](Document &d) { return SplitLine(d, mode, DisplayTimeRuleFromSettings()); });
}

void TitleCommands::MenuTitleSplit2LineClick() { splitCurrent(SplitMode::FirstTwoRows); }
void TitleCommands::MenuTitleSplit1LineClick() { splitCurrent(SplitMode::FirstRow); }

void TitleCommands::MenuTitleJoinLinesClick()
{
    runListEdit(
        true,
        [this] {
            if (CheckJoin(mCtx.doc()) != ListOutcome::Done) {
                ShowMessage(mCtx.window, Unicode(Texts.NoLineToJoin), Unicode(Texts.Info), MsgIcon::Information);
                return false;
            }
            return ShowMessage(mCtx.window, Unicode(Texts.AreYouSureToMerge), Unicode(Texts.Warning), MsgIcon::Question,
                               MsgButtons::YesNo, MsgResult::Yes)
                   == MsgResult::Yes;
        },
        [](Document &d) { return JoinWithNext(d); });
}

void TitleCommands::MenuTitleDeleteLineClick()
{
    // Typed text would be lost with the subtitle or land on the next one,
    // so it is stored first.
    StatusPanels &status = mCtx.status;
    const bool deleted = runListEdit(
        false,
        [&] {
            if (CheckDelete(mCtx.doc()) != ListOutcome::Done) {
                ShowMessage(mCtx.window, Unicode(Texts.NoLineDeleted), Unicode(Texts.Info), MsgIcon::Information);
                if (status.text(StatusPanels::Message) == Unicode(Texts.OneLineDeleted))
                    status.clearMessage();
                return false;
            }
            if (ShowMessage(mCtx.window, Unicode(Texts.AreYouSureToDelete), Unicode(Texts.Warning), MsgIcon::Question,
                            MsgButtons::YesNo, MsgResult::No)
                != MsgResult::Yes) {
                status.setText(StatusPanels::Message, Unicode(Texts.NoLineDeleted));
                return false;
            }
            return true;
        },
        [](Document &d) { return DeleteCurrentLine(d); });
    if (deleted)
        status.setText(StatusPanels::Message, Unicode(Texts.OneLineDeleted));
}

} // namespace cuefold

// The Subtitle menu: focus, lock and mark, row breaks, dialogue dashes and
// the list operations around the current subtitle.
#include "config/document_texts.h"
#include "editor/FMain.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/display_time.h"
#include "editor/MessageBox.h"
#include "editor/dialogue_dashes.h"
#include "editor/line_breaks.h"
#include "editor/list_operations.h"
#include "search/FTable.h"

#include <QCheckBox>
#include <QLineEdit>

namespace cuefold {

namespace {

QString u(const QByteArray &b) { return CodePage::toUnicode(b); }

} // namespace

const MenuTable &TitleMenuTable()
{
    using K = QKeySequence;
    static const MenuTable table{
        "MenuTitle", &LanguageTexts::MenuSubtitle, ToolBarTitleId,
        {
            {"MenuTitleGoToLine", &LanguageTexts::MenuGoTo, K(Qt::CTRL | Qt::Key_G), nullptr,
             QStyle::SP_CustomBase, &TForm1::MenuTitleGoToLineClick},
            {"MenuTitleFrameStart", &LanguageTexts::MenuFirstFrame, K(Qt::CTRL | Qt::Key_B), nullptr,
             QStyle::SP_CustomBase, &TForm1::MenuTitleFrameStartClick},
            {"MenuTitleFrameLast", &LanguageTexts::MenuLastFrame, K(Qt::CTRL | Qt::Key_E), nullptr,
             QStyle::SP_CustomBase, &TForm1::MenuTitleFrameLastClick},
            {"MenuTitleTextEdit", &LanguageTexts::MenuEditLine, K(Qt::Key_F4), nullptr,
             QStyle::SP_CustomBase, &TForm1::MenuTitleTextEditClick},
            {"MenuTitleLineLock", &LanguageTexts::MenuLockLine, K(Qt::CTRL | Qt::Key_L), nullptr,
             QStyle::SP_CustomBase, &TForm1::MenuTitleLineLockClick, true},
            {"MenuTitleLineMark", &LanguageTexts::MenuMarkLine, K(Qt::Key_F11), nullptr,
             QStyle::SP_CustomBase, &TForm1::MenuTitleLineMarkClick},
            {"MenuTitleBreakLineLeft", &LanguageTexts::MenuBreakLeft, K(Qt::Key_F5), "ToolButTitleBreakLineLeft",
             QStyle::SP_ArrowLeft, &TForm1::MenuTitleBreakLineLeftClick, true},
            {"MenuTitleBreakLineRight", &LanguageTexts::MenuBreakRight, K(Qt::Key_F6), "ToolButTitleBreakLineRight",
             QStyle::SP_ArrowRight, &TForm1::MenuTitleBreakLineRightClick},
            {"MenuTitleSecondBreakLineLeft", &LanguageTexts::MenuSecondBreakLeft, K(Qt::SHIFT | Qt::Key_F5),
             "ToolButTitleSecondBreakLineLeft", QStyle::SP_MediaSeekBackward,
             &TForm1::MenuTitleSecondBreakLineLeftClick},
            {"MenuTitleSecondBreakLineRight", &LanguageTexts::MenuSecondBreakRight, K(Qt::SHIFT | Qt::Key_F6),
             "ToolButTitleSecondBreakLineRight", QStyle::SP_MediaSeekForward,
             &TForm1::MenuTitleSecondBreakLineRightClick},
            {"MenuTitleBreakLineRemove", &LanguageTexts::MenuBreakRemove, K(Qt::SHIFT | Qt::Key_F8),
             "ToolButTitleBreakLineRemove", QStyle::SP_DialogResetButton, &TForm1::MenuTitleBreakLineRemoveClick},
            {"MenuTitleDirectSpeech", &LanguageTexts::MenuDirectSpeech, K(Qt::SHIFT | Qt::Key_F4),
             "ToolButTitleDirectSpeech", QStyle::SP_FileDialogListView, &TForm1::MenuTitleDirectSpeechClick, true},
            {"MenuTitleDirectSpeechRemove", &LanguageTexts::MenuDirectSpeechRemove,
             K(Qt::SHIFT | Qt::CTRL | Qt::Key_F4), "ToolButTitleDirectSpeechRemove", QStyle::SP_LineEditClearButton,
             &TForm1::MenuTitleDirectSpeechRemoveClick},
            {"MenuTitleInsertEmptyLine", &LanguageTexts::MenuInsertLine, K(Qt::CTRL | Qt::Key_I),
             "ToolButTitleInsertEmptyLine", QStyle::SP_ArrowUp, &TForm1::MenuTitleInsertEmptyLineClick, true},
            {"MenuTitleAddEmptyLine", &LanguageTexts::MenuAddLine, K(Qt::SHIFT | Qt::CTRL | Qt::Key_I),
             "ToolButTitleAddEmptyLine", QStyle::SP_ArrowDown, &TForm1::MenuTitleAddEmptyLineClick},
            {"MenuTitleSplit2Line", &LanguageTexts::MenuSplitLine, K(Qt::CTRL | Qt::Key_D), "ToolButTitleSplit2Line",
             QStyle::SP_ToolBarVerticalExtensionButton, &TForm1::MenuTitleSplit2LineClick},
            {"MenuTitleSplit1Line", &LanguageTexts::MenuSplit1Line, K(Qt::SHIFT | Qt::CTRL | Qt::Key_D),
             "ToolButTitleSplit1Line", QStyle::SP_ToolBarHorizontalExtensionButton,
             &TForm1::MenuTitleSplit1LineClick},
            {"MenuTitleJoinLines", &LanguageTexts::MenuMergeLines, K(Qt::CTRL | Qt::Key_J), "ToolButTitleJoinLines",
             QStyle::SP_TitleBarShadeButton, &TForm1::MenuTitleJoinLinesClick},
            {"MenuTitleDeleteLine", &LanguageTexts::MenuDeleteLine, K(Qt::SHIFT | Qt::CTRL | Qt::Key_X),
             "ToolButTitleDeleteLine", QStyle::SP_TrashIcon, &TForm1::MenuTitleDeleteLineClick},
        }};
    return table;
}

void TForm1::MenuTitleGoToLineClick() { EditCurrentLineIndex->setFocus(); }
void TForm1::MenuTitleFrameStartClick() { EditFrameFrom->setFocus(); }
void TForm1::MenuTitleFrameLastClick() { EditFrameLast->setFocus(); }
void TForm1::MenuTitleTextEditClick() { EditSubtitle->setFocus(); }

void TForm1::MenuTitleLineLockClick()
{
    // The check box handler stores the flag.
    if (mDoc->validIndex(mDoc->CurrentLine))
        CheckBoxLock->setChecked(!mDoc->line(mDoc->CurrentLine).Lock);
}

void TForm1::MenuTitleLineMarkClick()
{
    if (mDoc->validIndex(mDoc->CurrentLine))
        CheckBoxMark->setChecked(!mDoc->line(mDoc->CurrentLine).Mark);
}

void TForm1::transformText(QByteArray (*transform)(const QByteArray &), bool clearsMessage)
{
    CommitEdits();
    if (clearsMessage)
        SetStatusText(4, QString());
    Document &d = *mDoc;
    if (!d.validIndex(d.CurrentLine))
        return;
    TSubLine &line = d.line(d.CurrentLine);
    line.Text = transform(line.Text);
    SetText(line.Text, ShowCommand); // also rewrites the grid row
}

void TForm1::MenuTitleBreakLineLeftClick() { transformText(MoveBreakLeft, true); }
void TForm1::MenuTitleBreakLineRightClick() { transformText(MoveBreakRight, true); }
void TForm1::MenuTitleSecondBreakLineLeftClick() { transformText(MoveSecondBreakLeft, true); }
void TForm1::MenuTitleSecondBreakLineRightClick() { transformText(MoveSecondBreakRight, true); }

void TForm1::MenuTitleBreakLineRemoveClick()
{
    CommitEdits();
    const Document &d = *mDoc;
    // Without a break nothing happens at all, not even a redisplay.
    if (d.validIndex(d.CurrentLine) && d.line(d.CurrentLine).Text.contains('|'))
        transformText(RemoveBreaks, false);
}

void TForm1::MenuTitleDirectSpeechClick()
{
    // Typed text is stored first, so the dashes go into what the user sees.
    CommitEdits();
    SetStatusText(4, QString());
    Document &d = *mDoc;
    if (!d.validIndex(d.CurrentLine))
        return;
    const DialogueEdit edit = AddDialogueDashes(d.line(d.CurrentLine).Text);
    if (edit.Outcome == DialogueOutcome::NoDirectSpeech) {
        SetStatusText(4, u(Texts.NoDirectSpeech));
        return;
    }
    d.line(d.CurrentLine).Text = edit.Text;
    SetText(edit.Text, ShowCommand);
}

void TForm1::MenuTitleDirectSpeechRemoveClick()
{
    transformText(RemoveDialogueDashes, true);
}

bool TForm1::refuseWhenFull()
{
    if (CheckRoomForLine(*mDoc) != ListOutcome::NoMoreLines)
        return false;
    ShowMessage(this, u(Texts.NoMoreLines), u(Texts.Warning), MsgIcon::Information);
    return true;
}

void TForm1::showListEdit(const ListEdit &edit)
{
    FormTable->FillTable();
    ShowLine(mDoc->CurrentLine, ShowFull);
    if (edit.Modified)
        MarkModified();
    if (!edit.Notice.isEmpty())
        SetStatusText(4, u(edit.Notice));
}

void TForm1::MenuTitleInsertEmptyLineClick()
{
    CommitEdits();
    SetStatusText(4, QString());
    if (!refuseWhenFull())
        showListEdit(InsertEmptyLine(*mDoc, DisplayTimeRuleFromSettings()));
}

void TForm1::MenuTitleAddEmptyLineClick()
{
    // Typed text is stored first, so it stays with the subtitle it was typed for.
    CommitEdits();
    if (!refuseWhenFull())
        showListEdit(AddEmptyLine(*mDoc, DisplayTimeRuleFromSettings()));
}

void TForm1::splitCurrent(SplitMode mode)
{
    CommitEdits();
    SetStatusText(4, QString());
    if (!refuseWhenFull())
        showListEdit(SplitLine(*mDoc, mode, DisplayTimeRuleFromSettings()));
}

void TForm1::MenuTitleSplit2LineClick() { splitCurrent(SplitMode::FirstTwoRows); }
void TForm1::MenuTitleSplit1LineClick() { splitCurrent(SplitMode::FirstRow); }

void TForm1::MenuTitleJoinLinesClick()
{
    CommitEdits();
    SetStatusText(4, QString());
    if (CheckJoin(*mDoc) != ListOutcome::Done) {
        ShowMessage(this, u(Texts.NoLineToJoin), u(Texts.Info), MsgIcon::Information);
        return;
    }
    if (ShowMessage(this, u(Texts.AreYouSureToMerge), u(Texts.Warning), MsgIcon::Question, MsgButtons::YesNo,
                    MsgResult::Yes) != MsgResult::Yes)
        return;
    showListEdit(JoinWithNext(*mDoc));
}

void TForm1::MenuTitleDeleteLineClick()
{
    // Typed text would be lost with the subtitle or land on the next one.
    CommitEdits();
    if (CheckDelete(*mDoc) != ListOutcome::Done) {
        ShowMessage(this, u(Texts.NoLineDeleted), u(Texts.Info), MsgIcon::Information);
        if (statusText(4) == u(Texts.OneLineDeleted))
            SetStatusText(4, QString());
        return;
    }
    if (ShowMessage(this, u(Texts.AreYouSureToDelete), u(Texts.Warning), MsgIcon::Question, MsgButtons::YesNo,
                    MsgResult::No) != MsgResult::Yes) {
        SetStatusText(4, u(Texts.NoLineDeleted));
        return;
    }
    showListEdit(DeleteCurrentLine(*mDoc));
    SetStatusText(4, u(Texts.OneLineDeleted));
}

} // namespace cuefold

// The Edit menu: clipboard commands routed to the focused text field, and
// undo of the whole current subtitle.
#include "editor/EditCommands.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/CommandFlow.h"
#include "editor/EditorContext.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/StatusPanels.h"
#include "editor/ToolWindows.h"
#include "editor/list_operations.h"
#include "operations/BulkCommands.h"
#include "operations/TimingCommands.h"

#include <QAction>

#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>

namespace cuefold {

namespace {

enum class FieldOperation { Undo, Cut, Copy, Paste, SelectAll };

template<typename Edit>
void apply(Edit *e, FieldOperation op)
{
    switch (op) {
    case FieldOperation::Undo: e->undo(); break;
    case FieldOperation::Cut: e->cut(); break;
    case FieldOperation::Copy: e->copy(); break;
    case FieldOperation::Paste: e->paste(); break;
    case FieldOperation::SelectAll: e->selectAll(); break;
    }
}

// Only the fields the focused window declares take the commands; its text
// views are read-only and take only copy and select all.
void routeToFocusedField(const ToolWindows &windows, FieldOperation op)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !windows.reachesField(focus))
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(focus))
        return apply(edit, op);
    const bool readOnlyAllowed = op == FieldOperation::Copy || op == FieldOperation::SelectAll;
    if (auto *text = qobject_cast<QTextEdit *>(focus); text && readOnlyAllowed)
        apply(text, op);
}

} // namespace

EditCommands::EditCommands(EditorContext &ctx)
    : mCtx(ctx)
{
    connect(&ctx.model, &DocumentModel::historyChanged, this, [this] {
        mCtx.commands.refresh(CommandId::MenuEditUndoCommand);
        mCtx.commands.refresh(CommandId::MenuEditRedoCommand);
    });
}

MenuTable EditCommands::menuTable()
{
    using K = QKeySequence;
    using Op = FieldOperation;
    auto route = [this](Op op) { return [this, op] { routeToFocusedField(mCtx.windows, op); }; };
    return {
        "MenuEdit", &LanguageTexts::MenuEdit, ToolBarEditId,
        {
            {CommandId::MenuEditUndo, &LanguageTexts::MenuUndo, K(Qt::CTRL | Qt::Key_Z), "ToolButEditUndo",
             "edit-undo", route(Op::Undo)},
            {CommandId::MenuEditCut, &LanguageTexts::MenuCut, K(Qt::CTRL | Qt::Key_X), "ToolButEditCut",
             "edit-cut", route(Op::Cut), true},
            {CommandId::MenuEditCopy, &LanguageTexts::MenuCopy, K(Qt::CTRL | Qt::Key_C), "ToolButEditCopy",
             "edit-copy", route(Op::Copy)},
            {CommandId::MenuEditPaste, &LanguageTexts::MenuPaste, K(Qt::CTRL | Qt::Key_V), "ToolButEditPaste",
             "edit-paste", route(Op::Paste)},
            {CommandId::MenuEditSelectAll, &LanguageTexts::MenuSelectAll, K(Qt::CTRL | Qt::Key_A), "ToolButEditSelectAll",
             "edit-select-all", route(Op::SelectAll), true},
            {.id = CommandId::MenuEditUndoCommand, .caption = &LanguageTexts::MenuUndoCommand,
             .shortcut = K(Qt::ALT | Qt::Key_Backspace), .toolButton = "ToolButEditUndoCommand",
             .icon = "cuefold-undo-command", .handler = Bind(this, &EditCommands::MenuEditUndoCommandClick),
             .separatorBefore = true, .enabled = [this] { return mCtx.model.history().canUndo(); },
             .captionNow = [this] { return historyCaption(true); }},
            {.id = CommandId::MenuEditRedoCommand, .caption = &LanguageTexts::MenuRedoCommand,
             .shortcut = K(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace), .toolButton = "ToolButEditRedoCommand",
             .icon = "cuefold-redo-command", .handler = Bind(this, &EditCommands::MenuEditRedoCommandClick),
             .enabled = [this] { return mCtx.model.history().canRedo(); },
             .captionNow = [this] { return historyCaption(false); }},
            {.id = CommandId::MenuEditUndoWholeLine, .caption = &LanguageTexts::MenuUndoWholeLine,
             .shortcut = K(Qt::SHIFT | Qt::CTRL | Qt::Key_Z), .icon = "document-revert",
             .handler = Bind(this, &EditCommands::MenuEditUndoWholeLineClick),
             .enabled = [this] { return mUndoAvailable; }},
        }};
}

void EditCommands::MenuEditUndoWholeLineClick()
{
    // Typing pending in the panel is overwritten by the restore.
    RunCommand(mCtx, {.commit = false, .clearMessage = false, .change = [this] {
        if (!mCtx.model.change(RestoreSavedLine))
            return CommandChange{.applied = false};
        return CommandChange{.modified = ModifiedRule::Check};
    }});
}

// "Zpět: <step>" while there is a step to take, the plain caption otherwise.
QByteArray EditCommands::historyCaption(bool back) const
{
    const EditHistory &h = mCtx.model.history();
    const QByteArray &name = back ? h.undoName() : h.redoName();
    if (name.isEmpty())
        return back ? Texts.MenuUndoCommand : Texts.MenuRedoCommand;
    QByteArray caption = back ? Texts.MenuUndoStep : Texts.MenuRedoStep;
    return caption.replace("%1", QByteArray(name).replace('&', "&&"));
}

void EditCommands::stepHistory(bool back)
{
    // Typing not yet stored is the newest change: it becomes a step first.
    mCtx.panel.CommitEdits();
    // The test windows preview frames computed from the document as it is.
    if (mCtx.bulk->timing()->previewShown()) {
        mCtx.status.setText(StatusPanels::Message, CodePage::toUnicode(Texts.HistoryDuringTest));
        return;
    }
    mCtx.status.clearMessage();
    if (mCtx.model.stepHistory(back))
        mCtx.panel.redraw(ShowFull);
}

void EditCommands::setUndoAvailable(bool available)
{
    mUndoAvailable = available;
    mCtx.commands.refreshEnabled();
}

} // namespace cuefold

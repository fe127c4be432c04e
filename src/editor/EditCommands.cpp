// The Edit menu: clipboard commands routed to the focused text field, and
// undo of the whole current subtitle.
#include "editor/EditCommands.h"

#include "config/language_table.h"
#include "editor/CommandFlow.h"
#include "editor/EditorContext.h"
#include "editor/ToolWindows.h"
#include "editor/list_operations.h"

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
            {.id = CommandId::MenuEditUndoWholeLine, .caption = &LanguageTexts::MenuUndoWholeLine,
             .shortcut = K(Qt::SHIFT | Qt::CTRL | Qt::Key_Z), .icon = "document-revert",
             .handler = Bind(this, &EditCommands::MenuEditUndoWholeLineClick), .separatorBefore = true,
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

void EditCommands::setUndoAvailable(bool available)
{
    mUndoAvailable = available;
    mCtx.commands.refreshEnabled();
}

} // namespace cuefold

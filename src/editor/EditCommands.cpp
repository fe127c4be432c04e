// The Edit menu: clipboard commands routed to the focused text field, and
// undo of the whole current subtitle.
#include "editor/FMain.h"

#include "config/language_table.h"
#include "editor/list_operations.h"
#include "search/FTable.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>

namespace cuefold {

namespace {

// The fields that take the clipboard commands, by object name, in the order
// they are tried; read-only ones take only copy and select all.
constexpr const char *EditableFields[] = {
    "EditCurrentLineIndex", "EditFrameFrom", "EditFrameLast", "EditSubtitle",
    "EditOpenPath", "EditSavePath", "EditExportPath",
    "EditPA", "EditDA", "EditPN", "EditDN",
};
constexpr const char *ReadOnlyFields[] = {"RichEditH"};

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

void routeToFocusedField(FieldOperation op)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    const QByteArray name = focus->objectName().toLatin1();
    for (const char *field : EditableFields)
        if (name == field)
            if (auto *edit = qobject_cast<QLineEdit *>(focus))
                return apply(edit, op);
    const bool readOnlyAllowed = op == FieldOperation::Copy || op == FieldOperation::SelectAll;
    for (const char *field : ReadOnlyFields)
        if (readOnlyAllowed && name == field)
            if (auto *text = qobject_cast<QTextEdit *>(focus))
                return apply(text, op);
}

} // namespace

const MenuTable &EditMenuTable()
{
    using K = QKeySequence;
    static const MenuTable table{
        "MenuEdit", &LanguageTexts::MenuEdit, ToolBarEditId,
        {
            {"MenuEditUndo", &LanguageTexts::MenuUndo, K(Qt::CTRL | Qt::Key_Z), "ToolButEditUndo",
             QStyle::SP_ArrowBack, &TForm1::MenuEditUndoClick},
            {"MenuEditCut", &LanguageTexts::MenuCut, K(Qt::CTRL | Qt::Key_X), "ToolButEditCut",
             QStyle::SP_DialogDiscardButton, &TForm1::MenuEditCutClick, true},
            {"MenuEditCopy", &LanguageTexts::MenuCopy, K(Qt::CTRL | Qt::Key_C), "ToolButEditCopy",
             QStyle::SP_FileLinkIcon, &TForm1::MenuEditCopyClick},
            {"MenuEditPaste", &LanguageTexts::MenuPaste, K(Qt::CTRL | Qt::Key_V), "ToolButEditPaste",
             QStyle::SP_DialogApplyButton, &TForm1::MenuEditPasteClick},
            {"MenuEditSelectAll", &LanguageTexts::MenuSelectAll, K(Qt::CTRL | Qt::Key_A), "ToolButEditSelectAll",
             QStyle::SP_DialogYesToAllButton, &TForm1::MenuEditSelectAllClick, true},
            {"MenuEditUndoWholeLine", &LanguageTexts::MenuUndoWholeLine, K(Qt::SHIFT | Qt::CTRL | Qt::Key_Z),
             nullptr, QStyle::SP_BrowserReload, &TForm1::MenuEditUndoWholeLineClick, true},
        }};
    return table;
}

void TForm1::MenuEditUndoClick() { routeToFocusedField(FieldOperation::Undo); }
void TForm1::MenuEditCutClick() { routeToFocusedField(FieldOperation::Cut); }
void TForm1::MenuEditCopyClick() { routeToFocusedField(FieldOperation::Copy); }
void TForm1::MenuEditPasteClick() { routeToFocusedField(FieldOperation::Paste); }
void TForm1::MenuEditSelectAllClick() { routeToFocusedField(FieldOperation::SelectAll); }

void TForm1::MenuEditUndoWholeLineClick()
{
    // Typing pending in the panel is overwritten by the restore.
    if (!RestoreSavedLine(*mDoc))
        return;
    FormTable->ShowTableRow(mDoc->CurrentLine);
    ShowLine(mDoc->CurrentLine, ShowFull);
    CheckModified();
}

void TForm1::setUndoAvailable(bool available)
{
    BitBtnSubtitleUndo->setVisible(available);
    if (QAction *undo = mCommands.action("MenuEditUndoWholeLine"))
        undo->setEnabled(available);
}

} // namespace cuefold

// The Search menu: the overview window's show/hide command.
#include "editor/FMain.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "search/FTable.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

namespace cuefold {

const MenuTable &SearchMenuTable()
{
    static const MenuTable table{
        "MenuSearch", &LanguageTexts::MenuSearch, ToolBarSearchId,
        {
            {"MenuShowTable", &LanguageTexts::MenuShowTable, QKeySequence(Qt::CTRL | Qt::Key_T), "ToolButShowTable",
             QStyle::SP_FileDialogDetailedView, &TForm1::MenuShowTableClick},
        }};
    return table;
}

void TForm1::MenuShowTableClick()
{
    mTableShown = !mTableShown;
    updateShowTableCommand();
    FormTable->setVisible(mTableShown);
    if (mTableShown) {
        FormTable->raise();
        FormTable->selectRow(mDoc->CurrentLine);
    }
}

void TForm1::updateShowTableCommand()
{
    QAction *action = mCommands.action("MenuShowTable");
    const QByteArray caption = mTableShown ? Texts.MenuHideTable : Texts.MenuShowTable;
    action->setCheckable(true);
    action->setChecked(mTableShown);
    action->setText(CodePage::toUnicode(caption));
    if (auto *button = findChild<QToolButton *>(QStringLiteral("ToolButShowTable"))) {
        button->setCheckable(true);
        button->setChecked(mTableShown);
        button->setToolTip(CodePage::toUnicode(StripHotKeys(caption)));
    }
}

} // namespace cuefold

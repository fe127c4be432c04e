// The Search menu: the overview window's show/hide command, and the file
// properties with the statistics refresh.
#include "search/SearchCommands.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "operations/overlap_repair.h"
#include "player/PlayerController.h"
#include "search/FProperties.h"
#include "search/FTable.h"

#include <QAction>
#include <QToolButton>

namespace cuefold {

SearchCommands::SearchCommands(EditorContext &ctx)
    : mCtx(ctx)
    , FormTable(new TFormTable(ctx, ctx.window))
    , FormFileProperties(new TFormFileProperties(ctx.window))
{
    connect(FormTable, &TFormTable::closedByUser, this, &SearchCommands::MenuShowTableClick);
}

MenuTable SearchCommands::menuTable()
{
    return {"MenuSearch", &LanguageTexts::MenuSearch, ToolBarSearchId,
            {
                {.id = CommandId::MenuShowTable, .caption = &LanguageTexts::MenuShowTable,
                 .shortcut = QKeySequence(Qt::CTRL | Qt::Key_T), .toolButton = "ToolButShowTable",
                 .icon = QStyle::SP_FileDialogDetailedView, .handler = Bind(this, &SearchCommands::MenuShowTableClick)},
            }};
}

void SearchCommands::MenuShowTableClick()
{
    mTableShown = !mTableShown;
    updateShowTableCommand();
    FormTable->setVisible(mTableShown);
    if (mTableShown) {
        FormTable->raise();
        FormTable->selectRow(mCtx.doc().CurrentLine);
    }
}

void SearchCommands::updateShowTableCommand()
{
    QAction *action = mCtx.commands.action(CommandId::MenuShowTable);
    const QByteArray caption = mTableShown ? Texts.MenuHideTable : Texts.MenuShowTable;
    action->setCheckable(true);
    action->setChecked(mTableShown);
    action->setText(CodePage::toUnicode(caption));
    if (QToolButton *button = mCtx.commands.toolButton(CommandId::MenuShowTable)) {
        button->setCheckable(true);
        button->setChecked(mTableShown);
        button->setToolTip(CodePage::toUnicode(StripHotKeys(caption)));
    }
}

void SearchCommands::RefreshProperties()
{
    if (RepairOverlapPairs(mCtx.doc(), [this](int row) { mCtx.model.touchRow(row); })) {
        // Redraw the panel with the repaired frames, without moving the player.
        mCtx.panel.redraw(ShowNoSeek);
    }
    mCtx.model.checkModified();
    FormFileProperties->fill(mCtx.doc(), mCtx.model.shortName());
    const PlayerController &player = *mCtx.player;
    FormFileProperties->fillPlayer(player.filterState(), player.movieFromOpenLoaded() ? mCtx.doc().MovieFileName : QString());
}

void SearchCommands::showProperties(bool afterOpen)
{
    // The Play button belongs to a movie opened with the file.
    FormFileProperties->arrangeButtons(afterOpen && !mCtx.doc().MovieFileName.isEmpty());
    FormFileProperties->exec();
}

void SearchCommands::retranslate()
{
    updateShowTableCommand();
    FormTable->retranslate();
    FormFileProperties->retranslate();
}

} // namespace cuefold

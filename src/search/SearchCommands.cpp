// The Search menu: find and find next, the overview window's show/hide
// command, and the file properties with the statistics refresh.
#include "search/SearchCommands.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "editor/ToolWindows.h"
#include "operations/BulkCommands.h"
#include "player/PlayerController.h"
#include "search/FFind.h"
#include "search/FProperties.h"
#include "search/statistics.h"
#include "search/FTable.h"

#include <QAction>
#include <QToolButton>

namespace cuefold {

SearchCommands::SearchCommands(EditorContext &ctx)
    : mCtx(ctx)
    , FormTable(new TFormTable(ctx, ctx.window))
    , FormFileProperties(new TFormFileProperties(ctx.window))
    , FormFindWhat(new TFormFindWhat(mFind, ctx.window))
{
    ctx.windows.declare({.window = FormTable, .cyclePlace = 2, .offered = [this] { return mTableShown; }});
    connect(FormTable, &TFormTable::closedByUser, this, &SearchCommands::MenuShowTableClick);
    // Every new or opened document starts without a chosen category.
    connect(&ctx.model, &DocumentModel::documentReset, this, [this] { mFind.reset(); });
}

MenuTable SearchCommands::menuTable()
{
    return {"MenuSearch", &LanguageTexts::MenuSearch, ToolBarSearchId,
            {
                {.id = CommandId::MenuFind, .caption = &LanguageTexts::MenuFind, .shortcut = QKeySequence(Qt::Key_F7),
                 .handler = Bind(this, &SearchCommands::MenuFindClick)},
                {.id = CommandId::MenuFindHidden, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F),
                 .handler = Bind(this, &SearchCommands::MenuFindClick), .hidden = true},
                {.id = CommandId::MenuFindNext, .caption = &LanguageTexts::MenuFindNext,
                 .shortcut = QKeySequence(Qt::Key_F3), .handler = Bind(this, &SearchCommands::MenuFindNextClick)},
                {.id = CommandId::MenuShowTable, .caption = &LanguageTexts::MenuShowTable,
                 .shortcut = QKeySequence(Qt::CTRL | Qt::Key_T), .toolButton = "ToolButShowTable",
                 .icon = "view-form-table", .handler = Bind(this, &SearchCommands::MenuShowTableClick)},
            }};
}

void SearchCommands::MenuFindClick()
{
    mCtx.panel.CommitEdits();
    FormFindWhat->ask();
    if (mFind.FindCategory > -1)
        MenuFindNextClick();
}

void SearchCommands::MenuFindNextClick()
{
    int category = -1;
    FindResult found;
    RunCommand(mCtx, {.clearMessage = false,
                      .change =
                          [&] {
                              if (mFind.FindCategory == -1)
                                  FormFindWhat->ask(); // a cancelled dialog leaves nothing to search
                              // The preconditions of the categories need fresh statistics.
                              RefreshProperties();
                              mCtx.status.clearMessage();
                              category = mFind.FindCategory;
                              found = RunFind(mCtx.doc(), mFind, FormFindWhat->searchText(),
                                              FormFindWhat->caseSensitive());
                              if (found.Line > 0)
                                  mCtx.panel.ShowLine(found.Line, ShowPlain);
                              return CommandChange{.showMode = 0, .modified = ModifiedRule::Keep};
                          },
                      .report =
                          [&](const CommandChange &) {
                              if (found.Message == FindMessage::None)
                                  return;
                              const auto what = static_cast<FindWhat>(category);
                              if (what == FindWhat::Overlap)
                                  mCtx.bulk->setAcceptEnabled(false);
                              ShowMessage(mCtx.window, CodePage::toUnicode(FindMessageText(what, found.Message)),
                                          CodePage::toUnicode(Texts.FindDialogCaption), MsgIcon::Information);
                          }});
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
    if (mCtx.bulk->RepairOverlapPairs()) {
        // Redraw the panel with the repaired frames, without moving the player.
        mCtx.panel.redraw(ShowNoSeek);
    }
    mCtx.model.checkModified();
    const FileStatistics stats = mCtx.model.changeLines(CollectStatistics);
    FormFileProperties->fill(stats, mCtx.doc().SubFileName, mCtx.model.shortName());
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
    FormFindWhat->retranslate();
}

} // namespace cuefold

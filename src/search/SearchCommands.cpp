// The Search menu: find and find next, the overview window's show/hide
// command, and the file properties with the statistics refresh.
#include "search/SearchCommands.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/SpellChecking.h"
#include "editor/StatusPanels.h"
#include "editor/ToolWindows.h"
#include "operations/BulkCommands.h"
#include "operations/RateCommands.h"
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
    , FormFileProperties([this] { return createProperties(); })
    , FormFindWhat([this] {
        auto *find = new TFormFindWhat(mFind, mCtx.window);
        find->retranslate();
        return find;
    })
{
    ctx.windows.declare({.cyclePlace = TablePlace, .offered = [this] { return mTableShown; },
                         .create = [this] { return createTable(); }});
    // Every new or opened document starts without a chosen category.
    connect(&ctx.model, &DocumentModel::documentReset, this, [this] { mFind.reset(); });
    // The line count is the status bar's, grid or no grid.
    const auto showCount = [this] {
        if (mCtx.doc().isLoaded())
            mCtx.status.setText(StatusPanels::LineCount, QString::number(mCtx.doc().LineCount));
    };
    connect(&ctx.model, &DocumentModel::documentReset, this, showCount);
    connect(&ctx.model, &DocumentModel::rowsInserted, this, showCount);
    connect(&ctx.model, &DocumentModel::rowsRemoved, this, showCount);
}

TFormTable *SearchCommands::table() const
{
    return mCtx.windows.window<TFormTable>(TablePlace);
}

void SearchCommands::readingLimitsChanged()
{
    if (auto *grid = mCtx.windows.ifBuilt<TFormTable>(TablePlace); grid && mCtx.doc().isLoaded())
        grid->FillTable();
}

// A grid built after the document came fills itself with it, and with the
// settings read before it.
TFormTable *SearchCommands::createTable()
{
    auto *grid = new TFormTable(mCtx, mCtx.window);
    connect(grid, &TFormTable::closedByUser, this, &SearchCommands::MenuShowTableClick);
    connect(mCtx.player, &PlayerController::seekingChanged, grid, &TFormTable::setSeekingLook);
    grid->retranslate();
    if (mTableDesktop)
        grid->loadSettings(*mTableDesktop);
    grid->documentReset();
    grid->selectRow(mCtx.doc().CurrentLine);
    return grid;
}

TFormFileProperties *SearchCommands::createProperties()
{
    auto *props = new TFormFileProperties(mCtx.window);
    props->retranslate();
    PlayerController *player = mCtx.player;
    connect(props, &TFormFileProperties::playRequested, player, [player] { player->transport().play(); });
    connect(props, &TFormFileProperties::moviePropertiesRequested, player,
            [player] { player->movie().showMovieProperties(); });
    player->showPlayTexts(*props);
    return props;
}

void SearchCommands::loadTableSettings(const QRect &desktop)
{
    mTableDesktop = desktop;
    if (auto *grid = mCtx.windows.ifBuilt<TFormTable>(TablePlace))
        grid->loadSettings(desktop);
}

// A grid never built leaves its settings as they were read.
void SearchCommands::saveTableSettings()
{
    if (auto *grid = mCtx.windows.ifBuilt<TFormTable>(TablePlace))
        grid->saveSettings();
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
                              // Only a search for unknown words waits for the dictionary.
                              const Speller *speller = category == int(FindWhat::Spelling)
                                                           ? mCtx.panel.spelling().wait()
                                                           : nullptr;
                              found = RunFind(mCtx.doc(), mFind, FormFindWhat->searchText(),
                                              FormFindWhat->caseSensitive(), Settings.Main.Reading.MaxCPS, speller,
                                              mCtx.player->shots().reach());
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
    // Hiding needs no grid; showing builds it.
    TFormTable *grid = mTableShown ? table() : mCtx.windows.ifBuilt<TFormTable>(TablePlace);
    if (!grid)
        return;
    grid->setVisible(mTableShown);
    if (mTableShown) {
        grid->raise();
        grid->selectRow(mCtx.doc().CurrentLine);
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
    // Each F3 refreshes: counting the subtitles and looking the file up on
    // disk for a window nobody sees would be most of a step.
    mPropertiesStale = true;
    if (const TFormFileProperties *props = FormFileProperties.ifBuilt(); props && props->isVisible())
        fillProperties();
}

void SearchCommands::fillProperties()
{
    if (!mPropertiesStale)
        return;
    mPropertiesStale = false;
    FormFileProperties->fill(CollectStatistics(mCtx.doc()), mCtx.doc().SubFileName, mCtx.model.shortName());
    const PlayerController &player = *mCtx.player;
    FormFileProperties->fillPlayer(player.filterState(), player.movieFromOpenLoaded() ? mCtx.doc().MovieFileName : QString(),
                                   mCtx.bulk->rates()->presetRate("?"));
}

TFormFileProperties *SearchCommands::properties()
{
    fillProperties();
    return FormFileProperties.get();
}

void SearchCommands::showProperties(bool afterOpen)
{
    fillProperties();
    // The Play button belongs to a movie opened with the file.
    FormFileProperties->arrangeButtons(afterOpen && !mCtx.doc().MovieFileName.isEmpty());
    FormFileProperties->exec();
}

void SearchCommands::retranslate()
{
    updateShowTableCommand();
    if (auto *grid = mCtx.windows.ifBuilt<TFormTable>(TablePlace))
        grid->retranslate();
    if (TFormFileProperties *props = FormFileProperties.ifBuilt()) {
        props->retranslate();
        mCtx.player->showPlayTexts(*props);
    }
    if (TFormFindWhat *find = FormFindWhat.ifBuilt())
        find->retranslate();
}

} // namespace cuefold

#include "config/ConfigCommands.h"

#include "config/FAbout.h"
#include "config/FHelp.h"
#include "config/FOptions.h"
#include "config/HelpLinks.h"
#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/StatusPanels.h"
#include "editor/ToolWindows.h"
#include "player/PlayerController.h"

namespace cuefold {

ConfigCommands::ConfigCommands(EditorContext &ctx)
    : mCtx(ctx)
    , FormHelp(new TFormHelp(ctx.window))
    , FormAbout(new TFormAbout(ctx.window))
    , FormOptions(new TFormOptions(ctx, ctx.window))
{
    ctx.windows.declare({.window = FormHelp, .cyclePlace = 4, .clipboardFields = {"RichEditH"}});
    ctx.windows.declare({.window = FormOptions, .cyclePlace = 5,
                         .clipboardFields = {"EditOpenPath", "EditSavePath", "EditExportPath"}});
    // The remote-control keys stay off while the help is read.
    connect(FormHelp, &TFormHelp::helpVisibleChanged, this,
            [this](bool visible) { mCtx.player->setOptionsOpen(visible); });
}

MenuTable ConfigCommands::menuTable()
{
    using C = CommandId;
    using L = LanguageTexts;
    // The three web items name one set of pages.
    auto web = [this] {
        if (!OpenProjectPage())
            mCtx.status.setText(StatusPanels::Message,
                                Unicode(Texts.BrowserNotStarted).arg(ProjectPageAddress().toString()));
    };
    return {"MenuHelp", &L::MenuHelp, -1,
            {
                {.id = C::MenuHelpMain, .caption = &L::MenuHelpMain, .shortcut = QKeySequence(Qt::Key_F1),
                 .handler = [this] { FormHelp->showManual(); }},
                {.id = C::MenuHelpHistory, .caption = &L::MenuHistory, .shortcut = QKeySequence(Qt::ALT | Qt::Key_F1),
                 .handler = [this] { FormHelp->showHistory(); }},
                {.id = C::MenuHelpWeb, .caption = &L::MenuWeb, .handler = web,
                 .separatorBefore = true},
                {.id = C::MenuHelpWebMirror, .caption = &L::MenuMirror, .handler = web},
                {.id = C::MenuHelpWebHome, .caption = &L::MenuHome, .handler = web},
                {.id = C::MenuHelpPartners, .caption = &L::MenuParticipants,
                 .handler = [this] { ShowContributors(mCtx.window); }, .separatorBefore = true},
                {.id = C::MenuHelpAbout, .caption = &L::MenuAbout, .handler = [this] { FormAbout->exec(); }},
            }};
}

void ConfigCommands::retranslate()
{
    FormHelp->retranslate();
    FormAbout->retranslate();
    FormOptions->retranslate();
}

void ConfigCommands::loadSettings()
{
    FormOptions->setLanguageList(Settings.Language.Names);
}

void ConfigCommands::ApplySettings()
{
    FormOptions->ApplySettings();
}

void ConfigCommands::chooseFirstLanguage()
{
    FormOptions->exec();
}

void ConfigCommands::MenuFileOptionsClick()
{
    mCtx.panel.CommitEdits();
    // Modal to the user, yet the command is over once the window shows.
    FormOptions->show();
}

} // namespace cuefold

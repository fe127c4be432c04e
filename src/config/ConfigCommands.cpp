#include "config/ConfigCommands.h"

#include "config/FAbout.h"
#include "config/FHelp.h"
#include "config/FOptions.h"
#include "config/HelpLinks.h"
#include "config/language_table.h"
#include "config/StoredSettings.h"
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
    , FormAbout([&ctx] {
        auto *about = new TFormAbout(ctx.window);
        about->retranslate();
        return about;
    })
{
    ctx.windows.declare({.cyclePlace = HelpPlace, .clipboardFields = {"RichEditH"}, .create = [this] {
                             auto *help = new TFormHelp(mCtx.window);
                             help->retranslate();
                             // The remote-control keys stay off while the help is read.
                             connect(help, &TFormHelp::helpVisibleChanged, this,
                                     [this](bool visible) { mCtx.player->setOptionsOpen(visible); });
                             return help;
                         }});
    ctx.windows.declare({.cyclePlace = OptionsPlace,
                         .clipboardFields = {"EditOpenPath", "EditSavePath", "EditExportPath"},
                         .create = [this] {
                             auto *options = new TFormOptions(mCtx, mCtx.window);
                             options->retranslate();
                             options->setLanguageList(Settings.Language.Names);
                             return options;
                         }});
}

TFormOptions *ConfigCommands::options() const
{
    return mCtx.windows.window<TFormOptions>(OptionsPlace);
}

TFormHelp *ConfigCommands::help() const
{
    return mCtx.windows.window<TFormHelp>(HelpPlace);
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
                 .handler = [this] { help()->showManual(); }},
                {.id = C::MenuHelpHistory, .caption = &L::MenuHistory, .shortcut = QKeySequence(Qt::ALT | Qt::Key_F1),
                 .handler = [this] { help()->showHistory(); }},
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
    if (auto *help = mCtx.windows.ifBuilt<TFormHelp>(HelpPlace))
        help->retranslate();
    if (TFormAbout *about = FormAbout.ifBuilt())
        about->retranslate();
    if (auto *options = mCtx.windows.ifBuilt<TFormOptions>(OptionsPlace))
        options->retranslate();
}

void ConfigCommands::loadSettings()
{
    if (auto *options = mCtx.windows.ifBuilt<TFormOptions>(OptionsPlace))
        options->setLanguageList(Settings.Language.Names);
}

void ConfigCommands::ApplySettings()
{
    if (auto *options = mCtx.windows.ifBuilt<TFormOptions>(OptionsPlace))
        options->ApplySettings();
    else
        ApplyStoredSettings(mCtx, StoredLanguage());
}

void ConfigCommands::chooseFirstLanguage()
{
    options()->exec();
}

void ConfigCommands::MenuFileOptionsClick()
{
    mCtx.panel.CommitEdits();
    // Modal to the user, yet the command is over once the window shows.
    options()->show();
}

} // namespace cuefold

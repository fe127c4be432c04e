#include "config/ConfigCommands.h"

#include "config/FAbout.h"
#include "config/FHelp.h"
#include "config/HelpLinks.h"
#include "editor/EditorContext.h"
#include "editor/WindowCycle.h"
#include "player/PlayerController.h"

namespace cuefold {

ConfigCommands::ConfigCommands(EditorContext &ctx)
    : mCtx(ctx)
    , FormHelp(new TFormHelp(ctx.window))
    , FormAbout(new TFormAbout(ctx.window))
{
    InstallWindowCycleKeys(FormHelp, ctx.focusNextWindow, 4);
    // The remote-control keys stay off while the help is read.
    connect(FormHelp, &TFormHelp::helpVisibleChanged, this,
            [this](bool visible) { mCtx.player->setOptionsOpen(visible); });
}

MenuTable ConfigCommands::menuTable()
{
    using C = CommandId;
    using L = LanguageTexts;
    auto web = [](WebPage page) { return [page] { OpenWebPage(page); }; };
    return {"MenuHelp", &L::MenuHelp, -1,
            {
                {.id = C::MenuHelpMain, .caption = &L::MenuHelpMain, .shortcut = QKeySequence(Qt::Key_F1),
                 .handler = [this] { FormHelp->showManual(); }},
                {.id = C::MenuHelpHistory, .caption = &L::MenuHistory, .shortcut = QKeySequence(Qt::ALT | Qt::Key_F1),
                 .handler = [this] { FormHelp->showHistory(); }},
                {.id = C::MenuHelpWeb, .caption = &L::MenuWeb, .handler = web(WebPage::Download),
                 .separatorBefore = true},
                {.id = C::MenuHelpWebMirror, .caption = &L::MenuMirror, .handler = web(WebPage::Mirror)},
                {.id = C::MenuHelpWebHome, .caption = &L::MenuHome, .handler = web(WebPage::Home)},
                {.id = C::MenuHelpPartners, .caption = &L::MenuParticipants,
                 .handler = [this] { ShowContributors(mCtx.window); }, .separatorBefore = true},
                {.id = C::MenuHelpAbout, .caption = &L::MenuAbout, .handler = [this] { FormAbout->exec(); }},
            }};
}

void ConfigCommands::retranslate()
{
    FormHelp->retranslate();
    FormAbout->retranslate();
}

} // namespace cuefold

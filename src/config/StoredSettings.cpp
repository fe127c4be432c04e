#include "config/StoredSettings.h"

#include "config/settings.h"
#include "document/code_page.h"
#include "editor/CommandTable.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/HintPolicy.h"
#include "editor/RecoveryKeeper.h"
#include "player/PlayerController.h"

#include <QToolBar>

namespace cuefold {

namespace {

QFont PreviewFontOf(const TFontOptions &f)
{
    QFont font(CodePage::toUnicode(f.Name), f.Size);
    font.setBold(f.Style & FontBold);
    font.setItalic(f.Style & FontItalic);
    font.setUnderline(f.Style & FontUnderline);
    font.setStrikeOut(f.Style & FontStrikeOut);
    return font;
}

} // namespace

void ApplyStoredSettings(EditorContext &ctx, const QByteArray &language)
{
    ctx.applyLanguage(language);
    for (int id = 0; id < ToolBarCount; ++id)
        if (QToolBar *bar = ctx.commands.toolBar(id))
            bar->setVisible(Settings.Main.ShowToolbar[id]);
    HintPolicy::setEnabled(Settings.Main.ShowAllHints);
    ctx.player->ConfigureWMP(Settings.Player);
    const DefaultPathSettings &folders = Settings.DefaultPath;
    ctx.file->setDefaultFolders(folders.Open, folders.Save, folders.Export);
    ctx.player->setMovieFolder(folders.Open);
    // The preview takes the stored colour back too, so that leaving the
    // settings window without Save also undoes a colour picked in the font dialog.
    Settings.PreviewFontColor = Settings.Font.Color;
    ctx.panel.setPreviewFont(PreviewFontOf(Settings.Font));
    ctx.player->follow().resetPreviewColour();
    ctx.recovery->applySettings();
}

QByteArray StoredLanguage()
{
    const LanguageSettings &l = Settings.Language;
    return l.Names.contains(l.Preferred) ? l.Preferred : l.Names.value(0);
}

} // namespace cuefold

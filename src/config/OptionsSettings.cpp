// The settings window's side of the settings: filling its controls from
// them, the live previews its controls drive, and Save.
#include "config/FOptions.h"

#include "config/FontDialog.h"
#include "config/options_numbers.h"
#include "document/code_page.h"
#include "editor/CommandTable.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/HintPolicy.h"
#include "player/PlayerController.h"
#include "ui_FOptions.h"

#include <QLocale>
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

// The character set has no counterpart in a font here and is kept as read.
void StoreFont(const QFont &font, TFontOptions &f)
{
    f.Name = CodePage::fromUnicode(font.family());
    f.Size = font.pointSize() > 0 ? font.pointSize() : f.Size;
    f.Style = (font.bold() ? FontBold : 0) | (font.italic() ? FontItalic : 0)
              | (font.underline() ? FontUnderline : 0) | (font.strikeOut() ? FontStrikeOut : 0);
}

} // namespace

void TFormOptions::ApplySettings()
{
    const MainSettings &m = Settings.Main;
    const PlayerSettings &p = Settings.Player;
    {
        // A language the list does not hold leaves the selection as it is.
        const QSignalBlocker quiet(mUi->ComboBoxLanguage);
        const int index = mUi->ComboBoxLanguage->findData(Settings.Language.Preferred);
        if (index >= 0)
            mUi->ComboBoxLanguage->setCurrentIndex(index);
    }
    mCtx.applyLanguage(selectedLanguage());

    for (int id = 0; id < ToolBarCount; ++id)
        mToolBarBoxes[id]->setChecked(m.ShowToolbar[id]);
    ConfigureToolbars();
    mUi->CheckBoxShowAllHints->setChecked(m.ShowAllHints);
    ConfigureHints();

    mUi->CheckBoxForm1SaveWindowPosition->setChecked(m.SaveWindowPosition);
    mUi->CheckBoxTableSaveWindowPosition->setChecked(Settings.Table.SaveWindowPosition);
    mUi->CheckBoxTableAutoShow->setChecked(Settings.Table.AutoShow);
    mUi->CheckBoxCreateBAKfiles->setChecked(m.CreateBAKfiles);
    mUi->CheckBoxAutoNoSave->setChecked(p.AutoNoSave);
    setNumber(DelayFrames, QByteArray::number(m.DelayFrames));

    mUi->CheckBoxPlayerAlwaysOnTop->setChecked(p.AlwaysOnTop);
    mUi->CheckBoxPlayerAutoRewind->setChecked(p.AutoRewind);
    mUi->CheckBoxPlayerShowDisplay->setChecked(p.ShowDisplay);
    ConfigureWMP();
    mUi->CheckBoxPlayerAutoPlayAfterSave->setChecked(p.AutoPlayAfterSave);
    mUi->CheckBoxPlayerSaveWindowPosition->setChecked(p.SaveWindowPosition);

    // Shown as the user would type them: with the locale's decimal separator.
    const QString point = QLocale().decimalPoint();
    const char separator = point == QStringLiteral(",") ? ',' : '.';
    setNumber(RewindAfterSave, SecondsText(p.RewindAfterSave, separator));
    setNumber(PlayerStep, SecondsText(p.PlayerStep, separator));

    mUi->EditOpenPath->setText(Settings.DefaultPath.Open);
    mUi->EditSavePath->setText(Settings.DefaultPath.Save);
    mUi->EditExportPath->setText(Settings.DefaultPath.Export);
    ConfigureIOPaths();

    // The preview takes the stored colour back too, so that leaving the
    // window without Save also undoes a colour picked in the font dialog.
    applyFont({PreviewFontOf(Settings.Font), Settings.Font.Color});
}

void TFormOptions::ConfigureToolbars()
{
    for (int id = 0; id < ToolBarCount; ++id)
        if (QToolBar *bar = mCtx.commands.toolBar(id))
            bar->setVisible(mToolBarBoxes[id]->isChecked());
}

void TFormOptions::ConfigureHints()
{
    HintPolicy::setEnabled(mUi->CheckBoxShowAllHints->isChecked());
}

void TFormOptions::ConfigureWMP()
{
    PlayerSettings shown = Settings.Player;
    shown.AlwaysOnTop = mUi->CheckBoxPlayerAlwaysOnTop->isChecked();
    shown.AutoRewind = mUi->CheckBoxPlayerAutoRewind->isChecked();
    shown.ShowDisplay = mUi->CheckBoxPlayerShowDisplay->isChecked();
    shown.SendAllEvents = mUi->CheckBoxPlayerSendAllEvents->isChecked();
    mCtx.player->ConfigureWMP(shown);
}

void TFormOptions::ConfigureSeconds()
{
    // The captions show the step as typed ("2,5"), not as stored.
    mCtx.player->ConfigureSeconds(CodePage::fromUnicode(mUi->EditPlayerStep->text()));
}

void TFormOptions::ConfigureIOPaths()
{
    const QString open = mUi->EditOpenPath->text();
    mCtx.file->setDefaultFolders(open, mUi->EditSavePath->text(), mUi->EditExportPath->text());
    mCtx.player->setMovieFolder(open);
    showFolderVerdicts();
}

void TFormOptions::applyFont(const FontChoice &choice)
{
    Settings.PreviewFontColor = choice.colour;
    mCtx.panel.setPreviewFont(choice.font);
    mCtx.player->resetPreviewColour();
}

void TFormOptions::ButtonSaveClick()
{
    MainSettings &m = Settings.Main;
    PlayerSettings &p = Settings.Player;
    Settings.Language.Preferred = selectedLanguage();
    mCtx.applyLanguage(Settings.Language.Preferred);

    for (int id = 0; id < ToolBarCount; ++id)
        m.ShowToolbar[id] = mToolBarBoxes[id]->isChecked();
    ConfigureToolbars();
    m.ShowAllHints = mUi->CheckBoxShowAllHints->isChecked();
    ConfigureHints();

    m.SaveWindowPosition = mUi->CheckBoxForm1SaveWindowPosition->isChecked();
    Settings.Table.SaveWindowPosition = mUi->CheckBoxTableSaveWindowPosition->isChecked();
    Settings.Table.AutoShow = mUi->CheckBoxTableAutoShow->isChecked();
    m.CreateBAKfiles = mUi->CheckBoxCreateBAKfiles->isChecked();
    p.AutoNoSave = mUi->CheckBoxAutoNoSave->isChecked();

    numberEditExit(mNumbers[DelayFrames]);
    m.DelayFrames = static_cast<int>(mNumbers[DelayFrames].value);

    p.AlwaysOnTop = mUi->CheckBoxPlayerAlwaysOnTop->isChecked();
    p.AutoRewind = mUi->CheckBoxPlayerAutoRewind->isChecked();
    p.ShowDisplay = mUi->CheckBoxPlayerShowDisplay->isChecked();
    p.SendAllEvents = mUi->CheckBoxPlayerSendAllEvents->isChecked();
    ConfigureWMP();
    p.AutoPlayAfterSave = mUi->CheckBoxPlayerAutoPlayAfterSave->isChecked();
    p.SaveWindowPosition = mUi->CheckBoxPlayerSaveWindowPosition->isChecked();

    numberEditExit(mNumbers[RewindAfterSave]);
    numberEditExit(mNumbers[PlayerStep]);
    p.RewindAfterSave = mNumbers[RewindAfterSave].value;
    p.PlayerStep = mNumbers[PlayerStep].value;
    ConfigureSeconds();

    Settings.DefaultPath.Open = mUi->EditOpenPath->text();
    Settings.DefaultPath.Save = mUi->EditSavePath->text();
    Settings.DefaultPath.Export = mUi->EditExportPath->text();
    ConfigureIOPaths();

    StoreFont(mCtx.panel.previewFont(), Settings.Font);
    Settings.Font.Color = Settings.PreviewFontColor;

    mCtx.saveSettings();
    accept();
}

} // namespace cuefold

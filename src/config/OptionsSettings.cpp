// The settings window's side of the settings: filling its controls from
// them, the live previews its controls drive, and Save.
#include "config/FOptions.h"

#include "config/FontDialog.h"
#include "config/options_numbers.h"
#include "config/settings_rows.h"
#include "config/StoredSettings.h"
#include "document/code_page.h"
#include "editor/CommandTable.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/HintPolicy.h"
#include "player/PlayerController.h"
#include "search/SearchCommands.h"
#include "ui_FOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QToolBar>

namespace cuefold {

namespace {

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
    fillDictionaries(Settings.Spelling.Folder);
    for (const SettingRow &row : SettingRows())
        if (!row.control.isEmpty() && !row.controlOnlyStores)
            showValue(row, RowValue(row, Settings));
    // The controls now show the stored values: applying them is applying those.
    ApplyStoredSettings(mCtx, selectedLanguage());
    showFolderVerdicts();
}

void TFormOptions::showValue(const SettingRow &row, const SettingValue &value)
{
    QWidget *control = findChild<QWidget *>(QString::fromLatin1(row.control));
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        box->setChecked(std::get<bool>(value));
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        // A name the list does not hold leaves the selection as it is.
        const QSignalBlocker quiet(list);
        const int index = list->findData(std::get<QByteArray>(value));
        if (index >= 0)
            list->setCurrentIndex(index);
    } else if (NumberEdit *number = numberShownBy(control)) {
        // Shown as the user would type them: with the locale's decimal separator.
        const char separator = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
        setNumber(*number, std::holds_alternative<int>(value) ? QByteArray::number(std::get<int>(value))
                                                              : SecondsText(std::get<double>(value), separator));
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(std::get<QString>(value));
    }
}

SettingValue TFormOptions::shownValue(const SettingRow &row)
{
    QWidget *control = findChild<QWidget *>(QString::fromLatin1(row.control));
    if (auto *box = qobject_cast<QCheckBox *>(control))
        return box->isChecked();
    if (auto *list = qobject_cast<QComboBox *>(control))
        return list->currentData().toByteArray();
    if (NumberEdit *number = numberShownBy(control)) {
        numberEditExit(*number);
        if (std::holds_alternative<int>(row.defaultValue))
            return static_cast<int>(number->value);
        return number->value;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    return RowValue(row, Settings);
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
    mCtx.player->transport().ConfigureSeconds(CodePage::fromUnicode(mUi->EditPlayerStep->text()));
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
    mCtx.player->follow().resetPreviewColour();
}

void TFormOptions::ButtonSaveClick()
{
    for (const SettingRow &row : SettingRows())
        if (!row.control.isEmpty())
            SetRowValue(row, Settings, shownValue(row));
    mCtx.applyLanguage(Settings.Language.Preferred);
    ConfigureToolbars();
    ConfigureHints();
    ConfigureWMP();
    ConfigureSeconds();
    ConfigureIOPaths();
    mCtx.panel.showReadingSpeed();
    if (mCtx.search)
        mCtx.search->readingLimitsChanged();

    StoreFont(mCtx.panel.previewFont(), Settings.Font);
    Settings.Font.Color = Settings.PreviewFontColor;

    mCtx.saveSettings();
    accept();
}

} // namespace cuefold

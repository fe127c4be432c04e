#pragma once

#include "config/language_table.h"
#include "config/settings_rows.h"
#include "editor/FirstUse.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TFormOptions;
}

namespace cuefold {

struct EditorContext;
struct FontChoice;
class TFormBrowseFolder;

// The settings window. Every change shows at once in the program (tool
// bars, tooltips, player, step captions, dialog folders, preview font,
// language); Save stores the controls in the settings and writes the file,
// and any way of closing puts the program back to the stored settings.
class TFormOptions : public QDialog {
    Q_OBJECT

public:
    TFormOptions(EditorContext &ctx, QWidget *parent);
    ~TFormOptions() override;

    // The languages the settings file lists, in its order.
    void setLanguageList(const QList<QByteArray> &names);
    // Fills the controls from the settings and applies them to the program.
    void ApplySettings();
    void retranslate();
    // The language the list has selected (a section name of the texts).
    QByteArray selectedLanguage() const;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct FolderRow {
        QLabel *label;
        QLineEdit *edit;
        QPushButton *verify, *browse;
        QByteArray LanguageTexts::*caption;
    };
    // A number edit and the value it stands for until Save.
    struct NumberEdit {
        QLineEdit *edit;
        const SettingRow *row;
        double value = 0;
    };
    enum Number {
        DelayFrames, AutosaveSeconds, RewindAfterSave, PlayerStep, MaxCPS, MaxRowLength, SnapFrames, ShotThreshold,
        NumberCount
    };

    // The live previews: each applies what its controls show.
    void ConfigureToolbars();
    void ConfigureHints();
    void ConfigureWMP();
    void ConfigureSeconds();
    void ConfigureIOPaths();
    void applyFont(const FontChoice &choice);
    void showFolderVerdicts();
    // The dictionary list: by language, those found in `folder`, none; the
    // chosen one stays chosen.
    void fillDictionaries(const QString &folder);

    void ComboBoxLanguageChange();
    void ButtonFontClick();
    void ButtonSaveClick();
    void browseFolder(FolderRow &row);
    void numberEditExit(NumberEdit &number);
    void setNumber(NumberEdit &number, const QByteArray &text);
    NumberEdit *numberShownBy(QWidget *control);
    // A settings row's control: filled from a value, and the value it shows.
    void showValue(const SettingRow &row, const SettingValue &value);
    SettingValue shownValue(const SettingRow &row);

    EditorContext &mCtx;
    Ui::TFormOptions *mUi;
    FirstUse<TFormBrowseFolder> FormBrowseFolder;
    std::array<QCheckBox *, ToolBarCount> mToolBarBoxes;
    std::array<FolderRow, 3> mFolders;
    std::array<NumberEdit, NumberCount> mNumbers;
    bool mOpen = false;
    bool mCentred = false;
};

} // namespace cuefold

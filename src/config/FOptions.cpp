// The settings window: its controls, captions and the behaviour of its
// rows; what the controls apply and store is in OptionsSettings.cpp.
#include "config/FOptions.h"

#include "config/FBrowse.h"
#include "config/FontDialog.h"
#include "config/options_numbers.h"
#include "document/code_page.h"
#include "editor/CurrentSubtitlePanel.h"
#include "config/settings_io.h"
#include "editor/EditorContext.h"
#include "editor/spell_dictionary.h"
#include "player/PlayerController.h"
#include "ui_FOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>

namespace cuefold {

TFormOptions::TFormOptions(EditorContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
    , mCtx(ctx)
    , mUi(new Ui::TFormOptions)
{
    mUi->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    FormBrowseFolder = FirstUse<TFormBrowseFolder>([this] {
        auto *browser = new TFormBrowseFolder(this);
        browser->retranslate();
        return browser;
    });
    // A debugging switch of the player; nobody is meant to reach it.
    mUi->CheckBoxPlayerSendAllEvents->setVisible(false);
    mToolBarBoxes = {mUi->CheckBoxShowToolbarFile,   mUi->CheckBoxShowToolbarEdit,
                     mUi->CheckBoxShowToolbarSearch, mUi->CheckBoxShowToolbarTitle,
                     mUi->CheckBoxShowToolbarCommon, mUi->CheckBoxShowToolbarPlayer};
    mFolders = {{
        {mUi->LabelOpenPath, mUi->EditOpenPath, mUi->ButtonOpenPathVerify, mUi->ButtonOpenPathBrowse,
         &LanguageTexts::OptionsLabelOpenPathCaption},
        {mUi->LabelSavePath, mUi->EditSavePath, mUi->ButtonSavePathVerify, mUi->ButtonSavePathBrowse,
         &LanguageTexts::OptionsLabelSavePathCaption},
        {mUi->LabelExportPath, mUi->EditExportPath, mUi->ButtonExportPathVerify, mUi->ButtonExportPathBrowse,
         &LanguageTexts::OptionsLabelExportPathCaption},
    }};
    const auto number = [](QLineEdit *edit) {
        return NumberEdit{edit, RowShownBy(edit->objectName().toLatin1())};
    };
    mNumbers = {{number(mUi->EditDelayFrames), number(mUi->EditAutosaveSeconds), number(mUi->EditRewindAfterSave),
                 number(mUi->EditPlayerStep), number(mUi->EditMaxCPS), number(mUi->EditMaxRowLength),
                 number(mUi->EditSnapFrames), number(mUi->EditShotThreshold)}};

    connect(mUi->ComboBoxLanguage, &QComboBox::currentIndexChanged, this, &TFormOptions::ComboBoxLanguageChange);
    for (QCheckBox *box : mToolBarBoxes)
        connect(box, &QCheckBox::clicked, this, &TFormOptions::ConfigureToolbars);
    connect(mUi->CheckBoxShowAllHints, &QCheckBox::clicked, this, &TFormOptions::ConfigureHints);
    for (QCheckBox *box : {mUi->CheckBoxPlayerAutoPlayAfterSave, mUi->CheckBoxPlayerShowDisplay,
                           mUi->CheckBoxPlayerAutoRewind})
        connect(box, &QCheckBox::clicked, this, &TFormOptions::ConfigureWMP);
    for (FolderRow &row : mFolders) {
        row.edit->installEventFilter(this);
        connect(row.edit, &QLineEdit::textEdited, this, [&row] { row.label->setText(Unicode(Texts.*row.caption)); });
        connect(row.verify, &QPushButton::clicked, this, &TFormOptions::ConfigureIOPaths);
        connect(row.browse, &QPushButton::clicked, this, [this, &row] { browseFolder(row); });
    }
    for (NumberEdit &number : mNumbers)
        number.edit->installEventFilter(this);
    connect(mUi->EditDictionaryFolder, &QLineEdit::editingFinished, this,
            [this] { fillDictionaries(mUi->EditDictionaryFolder->text()); });
    connect(mUi->ButtonFont, &QPushButton::clicked, this, &TFormOptions::ButtonFontClick);
    connect(mUi->ButtonSave, &QPushButton::clicked, this, &TFormOptions::ButtonSaveClick);
    connect(mUi->ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormOptions::~TFormOptions()
{
    delete mUi;
}

void TFormOptions::setLanguageList(const QList<QByteArray> &names)
{
    const QSignalBlocker quiet(mUi->ComboBoxLanguage);
    mUi->ComboBoxLanguage->clear();
    for (const QByteArray &name : names)
        mUi->ComboBoxLanguage->addItem(Unicode(name), name);
}

QByteArray TFormOptions::selectedLanguage() const
{
    return mUi->ComboBoxLanguage->currentData().toByteArray();
}

void TFormOptions::retranslate()
{
    setWindowTitle(Unicode(Texts.OptionsCaption));
    mUi->ButtonSave->setText(Unicode(Texts.OptionsButtonSaveCaption));
    mUi->ButtonFont->setText(Unicode(Texts.OptionsButtonFontCaption));
    mUi->ButtonCancel->setText(Unicode(Texts.OptionsButtonCancelCaption));
    mUi->GroupBoxProgram->setTitle(Unicode(Texts.OptionsGroupBoxProgramCaption));
    mUi->GroupBoxEditor->setTitle(Unicode(Texts.OptionsGroupBoxEditorCaption));
    mUi->GroupBoxPlayer->setTitle(Unicode(Texts.OptionsGroupBoxPlayerCaption));
    using L = LanguageTexts;
    const struct {
        QCheckBox *box;
        QByteArray L::*caption, L::*hint;
    } boxes[] = {
        {mUi->CheckBoxShowToolbarFile, &L::OptionsCheckBoxShowToolbarFileCaption, nullptr},
        {mUi->CheckBoxShowToolbarEdit, &L::OptionsCheckBoxShowToolbarEditCaption, nullptr},
        {mUi->CheckBoxShowToolbarSearch, &L::OptionsCheckBoxShowToolbarSearchCaption, nullptr},
        {mUi->CheckBoxShowToolbarTitle, &L::OptionsCheckBoxShowToolbarTitleCaption, nullptr},
        {mUi->CheckBoxShowToolbarCommon, &L::OptionsCheckBoxShowToolbarCommonCaption, nullptr},
        {mUi->CheckBoxShowToolbarPlayer, &L::OptionsCheckBoxShowToolbarPlayerCaption, nullptr},
        {mUi->CheckBoxShowAllHints, &L::OptionsCheckBoxShowAllHintsCaption, &L::OptionsCheckBoxShowAllHintsHint},
        {mUi->CheckBoxForm1SaveWindowPosition, &L::OptionsCheckBoxForm1SaveWindowPositionCaption,
         &L::OptionsCheckBoxForm1SaveWindowPositionHint},
        {mUi->CheckBoxTableSaveWindowPosition, &L::OptionsCheckBoxTableSaveWindowPositionCaption,
         &L::OptionsCheckBoxTableSaveWindowPositionHint},
        {mUi->CheckBoxTableAutoShow, &L::OptionsCheckBoxTableAutoShowCaption, &L::OptionsCheckBoxTableAutoShowHint},
        {mUi->CheckBoxCreateBAKfiles, &L::OptionsCheckBoxCreateBAKfilesCaption, &L::OptionsCheckBoxCreateBAKfilesHint},
        {mUi->CheckBoxAutoNoSave, &L::OptionsCheckBoxAutoNoSaveCaption, &L::OptionsCheckBoxAutoNoSaveHint},
        {mUi->CheckBoxSnapToShots, &L::OptionsCheckBoxSnapToShotsCaption, &L::OptionsCheckBoxSnapToShotsHint},
        {mUi->CheckBoxPlayerAlwaysOnTop, &L::OptionsCheckBoxPlayerAlwaysOnTopCaption,
         &L::OptionsCheckBoxPlayerAlwaysOnTopHint},
        {mUi->CheckBoxPlayerAutoPlayAfterSave, &L::OptionsCheckBoxPlayerAutoPlayAfterSaveCaption,
         &L::OptionsCheckBoxPlayerAutoPlayAfterSaveHint},
        {mUi->CheckBoxPlayerShowDisplay, &L::OptionsCheckBoxPlayerShowDisplayCaption, nullptr},
        {mUi->CheckBoxPlayerAutoRewind, &L::OptionsCheckBoxPlayerAutoRewindCaption, nullptr},
        {mUi->CheckBoxPlayerSaveWindowPosition, &L::OptionsCheckBoxPlayerSaveWindowPositionCaption,
         &L::OptionsCheckBoxPlayerSaveWindowPositionHint},
        {mUi->CheckBoxPlayerSendAllEvents, &L::OptionsCheckBoxPlayerSendAllEventsCaption,
         &L::OptionsCheckBoxPlayerSendAllEventsHint},
    };
    for (const auto &b : boxes) {
        b.box->setText(Unicode(Texts.*b.caption));
        b.box->setToolTip(b.hint ? Unicode(Texts.*b.hint) : QString());
    }
    // A number's hint shows over its label and its edit alike.
    const struct {
        QLabel *label;
        QLineEdit *edit;
        QByteArray L::*caption, L::*hint;
    } numbers[] = {
        {mUi->LabelDelayFrames, mUi->EditDelayFrames, &L::OptionsLabelDelayFramesCaption,
         &L::OptionsLabelDelayFramesHint},
        {mUi->LabelAutosaveSeconds, mUi->EditAutosaveSeconds, &L::OptionsLabelAutosaveSecondsCaption,
         &L::OptionsLabelAutosaveSecondsHint},
        {mUi->LabelRewindAfterSave, mUi->EditRewindAfterSave, &L::OptionsLabelRewindAfterSaveCaption,
         &L::OptionsLabelRewindAfterSaveHint},
        {mUi->LabelWindStep, mUi->EditPlayerStep, &L::OptionsLabelWindStepCaption, &L::OptionsLabelWindStepHint},
        {mUi->LabelMaxCPS, mUi->EditMaxCPS, &L::OptionsLabelMaxCPSCaption, &L::OptionsLabelMaxCPSHint},
        {mUi->LabelMaxRowLength, mUi->EditMaxRowLength, &L::OptionsLabelMaxRowLengthCaption,
         &L::OptionsLabelMaxRowLengthHint},
        {mUi->LabelSnapFrames, mUi->EditSnapFrames, &L::OptionsLabelSnapFramesCaption, &L::OptionsLabelSnapFramesHint},
        {mUi->LabelShotThreshold, mUi->EditShotThreshold, &L::OptionsLabelShotThresholdCaption,
         &L::OptionsLabelShotThresholdHint},
    };
    for (const auto &n : numbers) {
        n.label->setText(Unicode(Texts.*n.caption));
        n.label->setToolTip(Unicode(Texts.*n.hint));
        n.edit->setToolTip(Unicode(Texts.*n.hint));
    }
    mUi->LabelDictionary->setText(Unicode(Texts.OptionsLabelDictionaryCaption));
    for (QWidget *w : {static_cast<QWidget *>(mUi->LabelDictionary), static_cast<QWidget *>(mUi->ComboBoxDictionary)})
        w->setToolTip(Unicode(Texts.OptionsLabelDictionaryHint));
    mUi->LabelDictionaryFolder->setText(Unicode(Texts.OptionsLabelDictionaryFolderCaption));
    fillDictionaries(mUi->EditDictionaryFolder->text());
    for (FolderRow &row : mFolders) {
        row.verify->setToolTip(Unicode(Texts.OptionsButtonPathVerifyHint));
        row.browse->setToolTip(Unicode(Texts.OptionsButtonPathBrowseHint));
    }
    showFolderVerdicts();
    if (TFormBrowseFolder *browser = FormBrowseFolder.ifBuilt())
        browser->retranslate();
    // The window grows to show the new texts whole, within its limits.
    const QSize least = layout()->minimumSize().expandedTo(QSize(588, 504)).boundedTo(maximumSize());
    setMinimumSize(least);
    resize(size().expandedTo(least));
}

void TFormOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (mOpen)
        return;
    mOpen = true;
    if (!mCentred) {
        mCentred = true;
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    // The remote-control keys are off while the window is open.
    mCtx.player->setOptionsOpen(true);
    ApplySettings();
    mUi->CheckBoxShowToolbarFile->setFocus();
}

void TFormOptions::done(int result)
{
    QDialog::done(result);
    if (!mOpen)
        return;
    mOpen = false;
    mCtx.player->setOptionsOpen(false);
    // Whatever was not saved goes back to the stored settings.
    ApplySettings();
}

bool TFormOptions::eventFilter(QObject *watched, QEvent *event)
{
    for (FolderRow &row : mFolders) {
        if (watched != row.edit)
            continue;
        // Enter in a folder edit verifies, and so does leaving it.
        if (event->type() == QEvent::FocusIn) {
            row.verify->setDefault(true);
        } else if (event->type() == QEvent::FocusOut) {
            row.verify->setDefault(false);
            ConfigureIOPaths();
        }
    }
    for (NumberEdit &number : mNumbers) {
        if (watched != number.edit)
            continue;
        if (event->type() == QEvent::FocusOut) {
            numberEditExit(number);
        } else if (event->type() == QEvent::KeyPress && &number != &mNumbers[RewindAfterSave]) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && !(key->modifiers() & ~Qt::KeypadModifier))
                numberEditExit(number);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormOptions::numberEditExit(NumberEdit &number)
{
    const QByteArray text = CodePage::fromUnicode(number.edit->text());
    const TypedNumber typed = ParseRowNumber(*number.row, text);
    if (typed.text != text)
        number.edit->setText(Unicode(typed.text));
    number.value = typed.value;
    if (&number == &mNumbers[PlayerStep])
        ConfigureSeconds();
}

void TFormOptions::setNumber(NumberEdit &number, const QByteArray &text)
{
    number.edit->setText(Unicode(text));
    numberEditExit(number);
}

TFormOptions::NumberEdit *TFormOptions::numberShownBy(QWidget *control)
{
    for (NumberEdit &number : mNumbers)
        if (number.edit == control)
            return &number;
    return nullptr;
}

void TFormOptions::showFolderVerdicts()
{
    for (FolderRow &row : mFolders) {
        const QString folder = row.edit->text();
        QString text = Unicode(Texts.*row.caption);
        // An empty folder is no mistake: the dialog then starts where it likes.
        if (!folder.isEmpty())
            text += QStringLiteral(" - ")
                    + Unicode(QFileInfo(folder).isDir() ? Texts.OptionsLabelPathOK : Texts.OptionsLabelPathFail);
        row.label->setText(text);
    }
}

void TFormOptions::fillDictionaries(const QString &folder)
{
    QComboBox *list = mUi->ComboBoxDictionary;
    const QSignalBlocker quiet(list);
    const QByteArray chosen = list->currentData().toByteArray();
    list->clear();
    list->addItem(Unicode(Texts.OptionsDictionaryByLanguage), QByteArray());
    for (const QString &name : DictionariesIn(folder.isEmpty() ? SystemDictionaryFolder() : folder))
        list->addItem(name, name.toUtf8());
    // A stored name stays listed, found or not, so that Save keeps it.
    if (const QByteArray &stored = Settings.Spelling.Dictionary;
        !stored.isEmpty() && stored != NoDictionary && list->findData(stored) < 0)
        list->addItem(QString::fromUtf8(stored), stored);
    list->addItem(Unicode(Texts.OptionsDictionaryNone), QByteArray(NoDictionary));
    list->setCurrentIndex(qMax(0, list->findData(chosen)));
}

void TFormOptions::browseFolder(FolderRow &row)
{
    const QString chosen = FormBrowseFolder->browse(row.edit->text());
    row.edit->setText(QDir::toNativeSeparators(chosen));
    ConfigureIOPaths();
}

void TFormOptions::ButtonFontClick()
{
    const FontChoice initial{mCtx.panel.previewFont(), Settings.PreviewFontColor};
    if (const std::optional<FontChoice> chosen =
            AskFont(this, initial, [this](const FontChoice &choice) { applyFont(choice); }))
        applyFont(*chosen);
}

void TFormOptions::ComboBoxLanguageChange()
{
    mCtx.applyLanguage(selectedLanguage());
}

} // namespace cuefold

#include "editor/FMain.h"

#include "config/ConfigCommands.h"
#include "config/FHelp.h"
#include "config/FOptions.h"
#include "config/document_texts.h"
#include "config/language_table.h"
#include "config/settings.h"
#include "config/settings_io.h"
#include "document/code_page.h"
#include "document/text_codec.h"
#include "document/file_name.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditCommands.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/RecoveryKeeper.h"
#include "editor/MessageBox.h"
#include "editor/QtTranslations.h"
#include "editor/StatusPanels.h"
#include "editor/TitleCommands.h"
#include "editor/VirtualDesktop.h"
#include "operations/BulkCommands.h"
#include "operations/FAnalysis.h"
#include "operations/FOperations.h"
#include "operations/FRange.h"
#include "operations/FTest.h"
#include "operations/TimingCommands.h"
#include "player/FPlayer.h"
#include "player/PlayerController.h"
#include "player/WaveformStrip.h"
#include "search/FTable.h"
#include "search/SearchCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

namespace cuefold {

TForm1::TForm1(const QString &settingsPath, const QString &commandLineFile, Showing showing)
    : mSettingsPath(settingsPath)
    , mCommandLineFile(commandLineFile)
    , Timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("Form1"));
    setMinimumSize(535, 200);
    resize(1000, 360);
    // Mapped before it is filled, as any bare window is: the frame and its
    // caption appear at once, and the first paint, which comes only once the
    // constructor has returned, finds everything in place.
    if (showing == Showing::AtOnce)
        show();
    mStatus = std::make_unique<StatusPanels>(statusBar());
    mPanel = new CurrentSubtitlePanel(mModel, this);
    mCtx = std::make_unique<EditorContext>(EditorContext{mModel, *mPanel, *mStatus, mCommands, this, mWindows});
    // The panel with the sound strip under it, which the player adds.
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(mPanel, 1);
    setCentralWidget(central);
    mWindows.declare({.window = this, .cyclePlace = MainPlace,
                      .clipboardFields = {"EditCurrentLineIndex", "EditFrameFrom", "EditFrameLast", "EditSubtitle"}});
    mCtx->applyLanguage = [this](const QByteArray &language) { applyLanguage(language); };
    mCtx->saveSettings = [this] { SaveSettings(); };
    mCtx->operations = FirstUse<TFormOperations>([this] { return new TFormOperations(this); });
    // The tool windows are built when first asked for and live until exit.
    mFile = std::make_unique<FileCommands>(*mCtx);
    mEdit = std::make_unique<EditCommands>(*mCtx);
    mTitle = std::make_unique<TitleCommands>(*mCtx);
    mSearch = std::make_unique<SearchCommands>(*mCtx);
    mBulk = std::make_unique<BulkCommands>(*mCtx);
    mPlayer = std::make_unique<PlayerController>(*mCtx);
    mConfig = std::make_unique<ConfigCommands>(*mCtx);
    mRecovery = std::make_unique<RecoveryKeeper>(*mCtx);
    mCtx->file = mFile.get();
    mCtx->edit = mEdit.get();
    mCtx->title = mTitle.get();
    mCtx->search = mSearch.get();
    mCtx->bulk = mBulk.get();
    mCtx->player = mPlayer.get();
    mCtx->config = mConfig.get();
    mCtx->recovery = mRecovery.get();
    wireControllers();

    // Settings, language and the first document are handled on the first
    // tick, once the event loop runs: right after the window's first paint,
    // or after a while for a window that is never painted.
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(50);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer2->start();
    setWindowTitle(mModel.caption());
}

TForm1::~TForm1()
{
    // The windows go first, while the document and the controllers they
    // report to are still there.
    qDeleteAll(findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
}

// The controllers' menus in menu-bar order, and the listeners of the
// document model and the panel.
void TForm1::wireControllers()
{
    mCommands.add(this, mFile->menuTable());
    mCommands.add(this, mEdit->menuTable());
    mCommands.add(this, mSearch->menuTable());
    mCommands.add(this, mTitle->menuTable());
    mCommands.add(this, mBulk->menuTable());
    for (MenuTable &table : mPlayer->menuTables())
        mCommands.add(this, std::move(table));
    mCommands.add(this, mConfig->menuTable());
    mPlayer->attach();
    centralWidget()->layout()->addWidget(mPlayer->waveform().strip());
    mBulk->attach();
    mPanel->setShortcutOwner([this](const QKeySequence &keys) { return mCommands.ownsShortcut(keys); });

    auto caption = [this] { setWindowTitle(mModel.caption()); };
    connect(&mModel, &DocumentModel::modifiedChanged, this, caption);
    connect(&mModel, &DocumentModel::captionChanged, this, caption);
    connect(&mModel, &DocumentModel::fpsChanged, this, [this](double fps) { mStatus->showFps(fps); });
    connect(&mModel, &DocumentModel::documentReset, this, [this] {
        mStatus->setText(StatusPanels::Encoding, mModel.doc().isLoaded() ? DescribeEncoding(DocumentEncoding()) : QString());
    });
    connect(mPanel, &CurrentSubtitlePanel::undoAvailableChanged, mEdit.get(), &EditCommands::setUndoAvailable);
    connect(mPanel, &CurrentSubtitlePanel::notice, this,
            [this](const QString &text) { mStatus->setText(StatusPanels::Message, text); });
    connect(mPanel, &CurrentSubtitlePanel::undoWholeLineRequested, mEdit.get(),
            &EditCommands::MenuEditUndoWholeLineClick);
}

bool TForm1::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && mStartingUp && Timer2->interval() != 0)
        Timer2->start(0);
    return handled;
}

void TForm1::Timer2Timer()
{
    if (!mStartingUp)
        return;
    mStartingUp = false;
    const bool firstRun = LoadSettings();
    mConfig->ApplySettings();
    // The first run lets the user pick the language before anything else.
    if (firstRun)
        mConfig->chooseFirstLanguage();
    mFile->NewDocument();
    if (Settings.Table.AutoShow && !mSearch->tableShown())
        mSearch->MenuShowTableClick();
    // Work a crashed program left behind comes before the file named to open.
    if (!mRecovery->OfferRecovery())
        openCommandLineFile();
}

void TForm1::openCommandLineFile()
{
    QString p = mCommandLineFile;
    if (p.isEmpty())
        return;
    if (!FileExists(p)) {
        QString folder = Settings.DefaultPath.Open;
        while (folder.endsWith(QDir::separator()) || folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
        const QString inDefault = folder + QDir::separator() + p;
        if (!folder.isEmpty() && FileExists(inDefault))
            p = inDefault;
    }
    if (IsRegularFile(p)) {
        mFile->OpenDocument(QFileInfo(p).absoluteFilePath());
        return;
    }
    const QString text = QStringLiteral("First command line parameter\r%1\ris not existing subtitle file!");
    ShowMessage(this, text.arg(DisplayFileName(p)), QStringLiteral("Command line syntax error"), MsgIcon::Stop);
}

bool TForm1::LoadSettings()
{
    SettingsReadResult read;
    ReadSettingsFile(mSettingsPath, Settings, &read);
    CodePage::select(Settings.Main.CodePage);

    const QRect desktop = VirtualDesktop();
    const std::optional<WindowBounds> bounds =
        Settings.Main.SaveWindowPosition ? ClampMainWindow(Settings.Main.Window, desktop.size()) : std::nullopt;
    if (bounds)
        setGeometry(bounds->Left, bounds->Top, bounds->Width, bounds->Height);
    else
        move(desktop.center() - rect().center());
    if (Settings.Main.SaveWindowPosition)
        mCommands.placeToolBars(this, Settings.Main.ToolBar);
    mSearch->loadTableSettings(desktop);
    mWindows.place(desktop);
    mPlayer->loadSettings();
    mConfig->loadSettings();
    return read.firstRun;
}

void TForm1::SaveSettings()
{
    const QRect g = geometry(); // restored with setGeometry, so no frame creep
    Settings.Main.Window = {g.top(), g.left(), g.width(), g.height()};
    mCommands.storeToolBarPositions(this, Settings.Main.ToolBar);
    mSearch->saveTableSettings();
    mWindows.store();
    mPlayer->saveSettings();
    // The old file stays whole when the new one cannot be written.
    if (const int code = WriteSettingsFile(mSettingsPath, Settings); code != 0)
        ShowMessage(this, CodePage::toUnicode(IOErrorText(code, Texts.IOError)) + QLatin1Char('\r') + mSettingsPath,
                    CodePage::toUnicode(Texts.Error), MsgIcon::Stop);
}

void TForm1::applyLanguage(const QByteArray &language)
{
    // The language files lie beside the settings file, under its base name,
    // as they lie beside the executable.
    LoadLanguage(language, mSettingsPath, mSettingsPath);
    UseQtTranslations(CodePage::toUnicode(language));
    retranslate();
}

void TForm1::retranslate()
{
    mCommands.retranslate();
    mFile->retranslate();
    mPanel->retranslate();
    mSearch->retranslate();
    mBulk->retranslate();
    mPlayer->retranslate();
    mConfig->retranslate();
    mStatus->setText(StatusPanels::Label, CodePage::toUnicode(Texts.StatusBarPanel0));
    mStatus->showFps(mModel.doc().FPS);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // FormCloseQuery: only a confirmed discard lets the window close. Typing
    // not yet stored counts as a change the guard must know about.
    mPanel->CommitEdits();
    if (!mFile->ConfirmDiscard()) {
        event->ignore();
        return;
    }
    // FormClose: the timing windows delete their test files first.
    mBulk->timing()->closeForExit();
    mPlayer->setClosing();
    mPlayer->movie().UnloadMovie();
    SaveSettings();
    if (auto *grid = mWindows.ifBuilt<QWidget>(TablePlace))
        grid->hide();
    mPlayer->window()->hide();
    event->accept();
    qApp->quit();
}

} // namespace cuefold

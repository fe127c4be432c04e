#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "config/settings_io.h"
#include "document/code_page.h"
#include "editor/HintPolicy.h"
#include "editor/MessageBox.h"
#include "editor/WindowCycle.h"
#include "operations/FOperations.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "search/FProperties.h"
#include "search/FTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <optional>

namespace cuefold {

TForm1::TForm1(const QString &settingsPath, const QString &commandLineFile, QWidget *parent)
    : QMainWindow(parent)
    , mDoc(std::make_unique<Document>())
    , mSettingsPath(settingsPath)
    , mCommandLineFile(commandLineFile)
{
    setObjectName(QStringLiteral("Form1"));
    setMinimumSize(535, 200);
    resize(1000, 360);
    mCommands.build(this, {&FileMenuTable(), &EditMenuTable(), &SearchMenuTable(), &TitleMenuTable(), &PlayerMenuTable(),
                           &GirderMenuTable()});
    buildPanel();
    buildStatusBar();

    // The tool windows live from start-up to exit, hidden until asked for.
    FormTable = new TFormTable(this);
    FormFileProperties = new TFormFileProperties(this);
    FormOperations = new TFormOperations(this);
    connect(FormTable, &TFormTable::closedByUser, this, &TForm1::MenuShowTableClick);
    buildPlayer();
    InstallWindowCycleKeys(this, this, 1);

    // Settings, language and the first document are handled on the first
    // tick, once the event loop runs and every window exists.
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(50);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer2->start();
    setCaption();
}

TForm1::~TForm1() = default;

void TForm1::Timer2Timer()
{
    Timer2->stop();
    if (!mStartingUp) {
        updateShowPlayerCommand(); // re-armed by ShowPlayer
        return;
    }
    mStartingUp = false;
    LoadSettings();
    ApplySettings();
    NewDocument();
    if (Settings.Table.AutoShow && !mTableShown)
        MenuShowTableClick();
    openCommandLineFile();
}

void TForm1::openCommandLineFile()
{
    QString p = mCommandLineFile;
    if (p.isEmpty())
        return;
    if (!QFileInfo::exists(p)) {
        QString folder = Settings.DefaultPath.Open;
        while (folder.endsWith(QDir::separator()) || folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
        const QString inDefault = folder + QDir::separator() + p;
        if (!folder.isEmpty() && QFileInfo::exists(inDefault))
            p = inDefault;
    }
    if (QFileInfo(p).isFile()) {
        OpenDocument(QFileInfo(p).absoluteFilePath());
        return;
    }
    ShowMessage(this,
                QStringLiteral("First command line parameter\r%1\ris not existing subtitle file!").arg(p),
                QStringLiteral("Command line syntax error"), MsgIcon::Stop);
}

void TForm1::LoadSettings()
{
    ReadSettingsFile(mSettingsPath, Settings);
    CodePage::select(Settings.Main.CodePage);
    mFilter = DetectFilter(Settings.SubtitleFilter);

    const QRect desktop = VirtualDesktop();
    const std::optional<WindowBounds> bounds =
        Settings.Main.SaveWindowPosition ? ClampMainWindow(Settings.Main.Window, desktop.size()) : std::nullopt;
    if (bounds)
        setGeometry(bounds->Left, bounds->Top, bounds->Width, bounds->Height);
    else
        move(desktop.center() - rect().center());
    if (Settings.Main.SaveWindowPosition)
        mCommands.placeToolBars(this, Settings.Main.ToolBar);
    FormTable->loadSettings(desktop);
    mOpenFolder = Settings.DefaultPath.Open;
    mSaveFolder = Settings.DefaultPath.Save;
    mExportFolder = Settings.DefaultPath.Export;
    loadPlayerSettings();
}

void TForm1::SaveSettings()
{
    const QRect g = geometry(); // restored with setGeometry, so no frame creep
    Settings.Main.Window = {g.top(), g.left(), g.width(), g.height()};
    mCommands.storeToolBarPositions(Settings.Main.ToolBar);
    FormTable->saveSettings();
    savePlayerSettings();
    WriteSettingsFile(mSettingsPath, Settings);
}

void TForm1::ApplySettings()
{
    LoadLanguage(Settings.Language.Preferred, QCoreApplication::applicationFilePath(), mSettingsPath);
    retranslate();
    for (int id = 0; id < ToolBarCount; ++id)
        if (QToolBar *bar = mCommands.toolBar(id))
            bar->setVisible(Settings.Main.ShowToolbar[id]);
    HintPolicy::setEnabled(Settings.Main.ShowAllHints);
    ConfigureWMP();
    ConfigureSeconds();
    applyPreviewFont();
}

QRect TForm1::VirtualDesktop()
{
    QRect r;
    for (QScreen *s : QGuiApplication::screens())
        r = r.united(s->geometry());
    return r.isEmpty() ? QRect(0, 0, 1024, 768) : r;
}

void TForm1::retranslate()
{
    mCommands.retranslate();
    retranslatePanel();
    updateShowTableCommand();
    updateShowPlayerCommand();
    ConfigureSeconds();
    FormWMP->retranslate();
    FormTable->retranslate();
    FormFileProperties->retranslate();
    SetStatusText(0, CodePage::toUnicode(Texts.StatusBarPanel0));
    ShowFPS();
}

void TForm1::buildStatusBar()
{
    for (int i = 0; i < 5; ++i) {
        StatusPanels[i] = new QLabel(this);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
        statusBar()->addWidget(StatusPanels[i], i == 4 ? 1 : 0);
    }
    StatusPanels[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TForm1::SetStatusText(int panel, const QString &text)
{
    QLabel *l = StatusPanels[panel];
    l->setText(text);
    // Panels 2 and 3 fit their text (pixel width plus 8).
    if (panel == 2 || panel == 3)
        l->setFixedWidth(l->fontMetrics().horizontalAdvance(text) + 8);
}

QString TForm1::statusText(int panel) const
{
    return StatusPanels[panel]->text();
}

void TForm1::setCaption()
{
    setWindowTitle(mDoc->DocSaved ? mMainCaption : mMainCaption + QStringLiteral(" *"));
}

bool TForm1::ConfirmDiscard()
{
    CheckModified();
    const int m = mDoc->MarkedCount;
    const QByteArray &marked = m == 1 ? Texts.LineIsMarked : m <= 4 ? Texts.LinesIsMarked : Texts.LinesAreMarked;
    QString question;
    if (!mDoc->DocSaved)
        question = CodePage::toUnicode(Texts.DiscardChanges);
    else if (m >= 1)
        question = QString::number(m) + QLatin1Char(' ') + CodePage::toUnicode(marked);
    else
        return true;
    return ShowMessage(this, question, CodePage::toUnicode(Texts.Warning), MsgIcon::Exclamation,
                       MsgButtons::YesNo, MsgResult::No) == MsgResult::Yes;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // FormCloseQuery: only a confirmed discard lets the window close. Typing
    // not yet stored counts as a change the guard must know about.
    CommitEdits();
    if (!ConfirmDiscard()) {
        event->ignore();
        return;
    }
    // FormClose.
    mClosing = true;
    UnloadMovie();
    SaveSettings();
    FormTable->hide();
    FormWMP->hide();
    event->accept();
    qApp->quit();
}

void TForm1::FocusNextWindow(int from, bool forward)
{
    // Windows by their number in the cycle; those not built stay unavailable.
    auto window = [this](int n) -> QWidget * {
        switch (n) {
        case 1: return this;
        case 2: return mTableShown ? FormTable : nullptr;
        case 3: return mPlayer.PlayerShown ? FormWMP : nullptr;
        default: return nullptr;
        }
    };
    constexpr int Last = 8;
    QWidget *target = nullptr;
    if (forward) {
        for (int n = from + 1; n <= Last && !target; ++n)
            target = window(n) && window(n)->isVisible() ? window(n) : nullptr;
    } else {
        for (int n = from == 1 ? Last : from - 1; n >= 2 && !target; --n)
            target = window(n) && window(n)->isVisible() ? window(n) : nullptr;
    }
    if (!target)
        target = this;
    target->activateWindow();
    target->raise();
    target->setFocus();
}

void TForm1::MenuFileExitClick()
{
    CommitEdits();
    close();
}

} // namespace cuefold

// The player controller's window side: building the preview window with the
// Player tool bar's zoom list, showing and hiding, zoom, its close and the
// player settings.
#include "player/PlayerController.h"
#include "player/WaveformStrip.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "config/settings_io.h"
#include "document/code_page.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/ToolWindows.h"
#include "editor/VirtualDesktop.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "search/FProperties.h"
#include "search/SearchCommands.h"

#include <QAction>
#include <QComboBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace cuefold {

namespace {

// Zoom list index -> the player's display size, and back.
constexpr int ZoomDisplaySize[3] = {MediaPlayer::HalfSize, MediaPlayer::NormalSize, MediaPlayer::DoubleSize};
constexpr CommandId ZoomItems[3] = {CommandId::MenuZoom050procent, CommandId::MenuZoom100procent,
                                    CommandId::MenuZoom200procent};

} // namespace

PlayerController::PlayerController(EditorContext &ctx)
    : mParts(ctx, new TFormWMP(ctx.window))
    , mMovie(mParts, [this] { ShowPlayer(2); })
    , mTransport(mParts)
    , mFollow(mParts)
    , mAutomation(mParts, mTransport)
    , mGirder(mParts)
    , mSaveHooks(mParts, mMovie)
    , mWaveform(mParts, mRunner)
    , mRunner(ctx.status)
    , mCtx(ctx)
    , mPlayer(mParts.state)
    , mFilter(mParts.filter)
    , FormWMP(mParts.window)
    , mShowCommandTimer(new QTimer(this))
    , ComboBoxPlayerZoom(new QComboBox(ctx.window))
{
    connect(FormWMP, &TFormWMP::closing, this, &PlayerController::FormWMPClose);
    connect(FormWMP, &TFormWMP::resized, this, &PlayerController::FormWMPResize);
    ctx.windows.declare({.window = FormWMP, .cyclePlace = 3, .offered = [this] { return mPlayer.PlayerShown; }});
    connect(&mMovie, &MovieLoader::seekingChanged, this, &PlayerController::seekingChanged);
    connect(player(), &MediaPlayer::fileLoaded, &mWaveform, &WaveformController::movieLoaded);
    connect(&mMovie, &MovieLoader::movieUnloaded, &mWaveform, &WaveformController::movieUnloaded);
    mParts.shots.setRunner(&mRunner);
    connect(&mParts.shots, &ShotChanges::shotsChanged, this, [this] {
        mWaveform.strip()->setShotChanges(mParts.shots.shots());
    });
    connect(&mRunner, &AnalysisRunner::busyChanged, this,
            [this] { mCtx.commands.refresh(CommandId::MenuPlayerCancelAnalysis); });

    ComboBoxPlayerZoom->setObjectName(QStringLiteral("ComboBoxPlayerZoom"));
    ComboBoxPlayerZoom->addItems({QStringLiteral("50%"), QStringLiteral("100%"), QStringLiteral("200%")});
    ComboBoxPlayerZoom->setCurrentIndex(1);
    ComboBoxPlayerZoom->setFocusPolicy(Qt::NoFocus);
    connect(ComboBoxPlayerZoom, &QComboBox::activated, this,
            [this](int index) { mCtx.commands.action(ZoomItems[index])->trigger(); });

    mShowCommandTimer->setInterval(50);
    mShowCommandTimer->setSingleShot(true);
    connect(mShowCommandTimer, &QTimer::timeout, this, &PlayerController::updateShowPlayerCommand);
}

PlayerController::~PlayerController() = default;

void PlayerController::attach()
{
    mCtx.commands.toolBar(ToolBarPlayerId)->addWidget(ComboBoxPlayerZoom);
    mFollow.start();
    mAutomation.install();
}

void PlayerController::loadSettings()
{
    mFilter = DetectFilter(Settings.SubtitleFilter);
    const PlayerSettings &p = Settings.Player;
    mCtx.commands.action(CommandId::MenuPlayerSync)->setChecked(p.PlayerFollowsCurrentTitle);
    mCtx.commands.action(CommandId::MenuPlayerWaveform)->setChecked(p.ShowWaveform);
    mWaveform.setShown(p.ShowWaveform);
    mFollow.SyncToggled();
    QPoint at(0, 0);
    if (p.SaveWindowPosition) {
        if (p.Zoom >= 0 && p.Zoom <= 2)
            zoomTo(p.Zoom);
        at = ClampPlayerPosition(p.WindowTop, p.WindowLeft, VirtualDesktop().size());
    }
    mPlayer.PlayerLeft = at.x();
    mPlayer.PlayerTop = at.y();
    FormWMP->move(at);
    mPlayer.PlayerShown = false;
    mCtx.commands.action(CommandId::MenuPlayerShow)->setChecked(false);
    mParts.movieFolder = Settings.DefaultPath.Open;
    mCtx.commands.action(CommandId::MenuGirderInUse)->setChecked(Settings.Main.GirderInUse);
    mGirder.MenuGirderInUseClick();
}

void PlayerController::saveSettings()
{
    PlayerSettings &p = Settings.Player;
    p.PlayerFollowsCurrentTitle = mParts.syncChecked();
    p.ShowWaveform = mWaveform.shown();
    p.Zoom = ComboBoxPlayerZoom->currentIndex();
    p.WindowTop = FormWMP->y();
    p.WindowLeft = FormWMP->x();
}

void PlayerController::ConfigureWMP(const PlayerSettings &options)
{
    if (!mPlayer.PlayerShownOnce)
        FormWMP->setStayOnTop(options.AlwaysOnTop);
    player()->SetAutoRewind(options.AutoRewind);
}

void PlayerController::ShowPlayer(int mode)
{
    if (mode == 3)
        mode = mPlayer.PlayerShown ? 1 : 2;
    if (mode == 2 || (mode == 0 && mPlayer.PlayerShown)) {
        if (mode == 2) {
            if (!mPlayer.PlayerShownOnce)
                FormWMP->placeInside(QPoint(mPlayer.PlayerLeft, mPlayer.PlayerTop), mCtx.window);
            FormWMP->show();
        }
        mPlayer.PlayerShownOnce = mPlayer.PlayerShown = true;
    } else {
        if (mode == 1)
            FormWMP->hide();
        mPlayer.PlayerShown = false;
    }
    mCtx.commands.refreshEnabled(); // the close command follows PlayerShown
    mShowCommandTimer->start();
}

void PlayerController::showPlayTexts(TFormFileProperties &props) const
{
    props.setPlayTexts(mCtx.commands.action(CommandId::MenuPlayerPlay)->text(), Unicode(Texts.HintPlay));
}

void PlayerController::updateShowPlayerCommand()
{
    if (TFormFileProperties *props = mCtx.search->builtProperties())
        showPlayTexts(*props);
    const bool shown = mPlayer.PlayerShown;
    const QByteArray caption = shown ? Texts.MenuHidePlayer : Texts.MenuShowPlayer;
    QAction *action = mCtx.commands.action(CommandId::MenuPlayerShow);
    action->setChecked(shown);
    action->setText(Unicode(caption));
    QToolButton *button = mCtx.commands.toolButton(CommandId::MenuPlayerShow);
    button->setChecked(shown);
    button->setToolTip(Unicode(StripHotKeys(caption)));
}

void PlayerController::zoomTo(int index)
{
    player()->SetDisplaySize(ZoomDisplaySize[index]);
    mCtx.commands.action(ZoomItems[index])->setChecked(true);
    ComboBoxPlayerZoom->setCurrentIndex(index);
}

// The player may change its size by itself; the zoom list follows.
void PlayerController::FormWMPResize()
{
    for (int index = 0; index < 3; ++index)
        if (player()->DisplaySize() == ZoomDisplaySize[index]) {
            mCtx.commands.action(ZoomItems[index])->setChecked(true);
            ComboBoxPlayerZoom->setCurrentIndex(index);
        }
}

void PlayerController::FormWMPClose()
{
    mMovie.UnloadMovie();
    if (!mPlayer.PlayerShown)
        ShowMessage(mCtx.window, CodePage::toUnicode("Sem se program nikdy nesm\xED dostat!"), Unicode(Texts.Error),
                    MsgIcon::Exclamation);
    ShowPlayer(1);
}

void PlayerController::retranslate()
{
    updateShowPlayerCommand();
    mTransport.retranslate();
    mWaveform.retranslate();
    FormWMP->retranslate();
}

} // namespace cuefold

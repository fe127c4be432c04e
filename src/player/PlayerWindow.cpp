// The preview window as the main window drives it: building it with the
// Player tool bar's zoom list, showing and hiding, zoom, its close and the
// player settings.
#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "config/settings_io.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/MessageBox.h"
#include "editor/WindowCycle.h"
#include "player/FMovieProperties.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "search/FProperties.h"

#include <QAction>
#include <QComboBox>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace cuefold {

namespace {

QString u(const QByteArray &b) { return CodePage::toUnicode(b); }

// Zoom list index -> the player's display size, and back.
constexpr int ZoomDisplaySize[3] = {MediaPlayer::HalfSize, MediaPlayer::NormalSize, MediaPlayer::DoubleSize};
const char *const ZoomItems[3] = {"MenuZoom050procent", "MenuZoom100procent", "MenuZoom200procent"};

} // namespace

void TForm1::buildPlayer()
{
    FormWMP = new TFormWMP(this);
    FormMovieProperties = new TFormMovieProperties(player(), this);
    connect(FormWMP, &TFormWMP::closing, this, &TForm1::FormWMPClose);
    connect(FormWMP, &TFormWMP::resized, this, &TForm1::FormWMPResize);
    InstallWindowCycleKeys(FormWMP, this, 3);
    connect(player(), &MediaPlayer::PositionChange, this, &TForm1::playerPositionChange);
    connect(player(), &MediaPlayer::fileLoaded, this, &TForm1::movieLoaded);
    connect(FormFileProperties, &TFormFileProperties::playRequested, this, &TForm1::MenuPlayerPlayClick);
    connect(FormFileProperties, &TFormFileProperties::moviePropertiesRequested, this,
            [this] { FormMovieProperties->showFor(mDoc->MovieFileName); });

    ComboBoxPlayerZoom = new QComboBox(this);
    ComboBoxPlayerZoom->setObjectName(QStringLiteral("ComboBoxPlayerZoom"));
    ComboBoxPlayerZoom->addItems({QStringLiteral("50%"), QStringLiteral("100%"), QStringLiteral("200%")});
    ComboBoxPlayerZoom->setCurrentIndex(1);
    ComboBoxPlayerZoom->setFocusPolicy(Qt::NoFocus);
    connect(ComboBoxPlayerZoom, &QComboBox::activated, this,
            [this](int index) { mCommands.action(ZoomItems[index])->trigger(); });
    mCommands.toolBar(ToolBarPlayerId)->addWidget(ComboBoxPlayerZoom);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
}

MediaPlayer *TForm1::player() const
{
    return FormWMP->WMediaPlayer1();
}

void TForm1::loadPlayerSettings()
{
    const PlayerSettings &p = Settings.Player;
    mCommands.action("MenuPlayerSync")->setChecked(p.PlayerFollowsCurrentTitle);
    SyncToggled();
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
    mCommands.action("MenuPlayerShow")->setChecked(false);
    mCommands.action("MenuPlayerClose")->setEnabled(false);
    mMovieFolder = Settings.DefaultPath.Open;
    mCommands.action("MenuGirderInUse")->setChecked(Settings.Main.GirderInUse);
    MenuGirderInUseClick();
}

void TForm1::savePlayerSettings()
{
    PlayerSettings &p = Settings.Player;
    p.PlayerFollowsCurrentTitle = syncChecked();
    p.Zoom = ComboBoxPlayerZoom->currentIndex();
    p.WindowTop = FormWMP->y();
    p.WindowLeft = FormWMP->x();
}

void TForm1::ConfigureWMP()
{
    if (!mPlayer.PlayerShownOnce)
        FormWMP->setStayOnTop(Settings.Player.AlwaysOnTop);
    player()->SetAutoRewind(Settings.Player.AutoRewind);
}

void TForm1::ConfigureSeconds()
{
    const QByteArray step = TrimZeros(QByteArray::number(Settings.Player.PlayerStep, 'f', 3));
    mCommands.action("MenuPlayerStepBack")->setText(u(Texts.MenuStepBackB + ' ' + step + ' ' + Texts.MenuStepBackE));
    mCommands.action("MenuPlayerStepForward")
        ->setText(u(Texts.MenuStepForwardB + ' ' + step + ' ' + Texts.MenuStepForwardE));
    for (const char *item : {"MenuPlayerStepBack", "MenuPlayerStepForward"}) {
        const QString caption = mCommands.action(item)->text();
        const QByteArray button = QByteArray("ToolBut") + QByteArray(item).mid(4);
        mCommands.toolButton(button.constData())->setToolTip(u(StripHotKeys(CodePage::fromUnicode(caption))));
    }
}

void TForm1::ShowPlayer(int mode)
{
    if (mode == 3)
        mode = mPlayer.PlayerShown ? 1 : 2;
    if (mode == 2 || (mode == 0 && mPlayer.PlayerShown)) {
        if (mode == 2) {
            if (!mPlayer.PlayerShownOnce)
                FormWMP->move(mPlayer.PlayerLeft, mPlayer.PlayerTop);
            FormWMP->show();
        }
        mPlayer.PlayerShownOnce = mPlayer.PlayerShown = true;
        mCommands.action("MenuPlayerClose")->setEnabled(true);
    } else {
        if (mode == 1)
            FormWMP->hide();
        mPlayer.PlayerShown = false;
        mCommands.action("MenuPlayerClose")->setEnabled(false);
    }
    Timer2->start();
}

void TForm1::updateShowPlayerCommand()
{
    FormFileProperties->setPlayTexts(mCommands.action("MenuPlayerPlay")->text(), u(Texts.HintPlay));
    const bool shown = mPlayer.PlayerShown;
    const QByteArray caption = shown ? Texts.MenuHidePlayer : Texts.MenuShowPlayer;
    QAction *action = mCommands.action("MenuPlayerShow");
    action->setChecked(shown);
    action->setText(u(caption));
    QToolButton *button = mCommands.toolButton("ToolButPlayerShow");
    button->setChecked(shown);
    button->setToolTip(u(StripHotKeys(caption)));
}

void TForm1::zoomTo(int index)
{
    player()->SetDisplaySize(ZoomDisplaySize[index]);
    mCommands.action(ZoomItems[index])->setChecked(true);
    ComboBoxPlayerZoom->setCurrentIndex(index);
}

// The player may change its size by itself; the zoom list follows.
void TForm1::FormWMPResize()
{
    for (int index = 0; index < 3; ++index)
        if (player()->DisplaySize() == ZoomDisplaySize[index]) {
            mCommands.action(ZoomItems[index])->setChecked(true);
            ComboBoxPlayerZoom->setCurrentIndex(index);
        }
}

void TForm1::FormWMPClose()
{
    UnloadMovie();
    if (!mPlayer.PlayerShown)
        ShowMessage(this, CodePage::toUnicode("Sem se program nikdy nesm\xED dostat!"), u(Texts.Error),
                    MsgIcon::Exclamation);
    ShowPlayer(1);
}

void TForm1::setPreviewColour(quint32 colour)
{
    // Stored as 0x00BBGGRR.
    const QColor c(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    RTFpreview->setStyleSheet(QStringLiteral("QTextEdit { background: black; color: %1; }").arg(c.name()));
}

void TForm1::resetPreviewColour()
{
    setPreviewColour(Settings.PreviewFontColor);
    mPlayer.follow.insideShown = mPlayer.follow.outsideShown = false;
}

void TForm1::setOptionsOpen(bool open)
{
    mOptionsOpenCount += open ? 1 : -1;
    MenuGirderInUseClick();
}

} // namespace cuefold

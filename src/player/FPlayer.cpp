#include "player/FPlayer.h"

#include "config/language_table.h"
#include "config/window_placement.h"
#include "document/code_page.h"
#include "player/MediaPlayer.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace cuefold {

TFormWMP::TFormWMP(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormWMP"));
    mPlayer = new MediaPlayer(MediaPlayer::Output::Window, this);
    mPlayer->setObjectName(QStringLiteral("WMediaPlayer1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the window follows the picture
    layout->addWidget(mPlayer->videoWidget());
    setMovieCaption(QString());
}

void TFormWMP::setMovieCaption(const QString &movieFileName)
{
    mMovieFileName = movieFileName;
    retranslate();
}

void TFormWMP::retranslate()
{
    if (mMovieFileName.isEmpty())
        setWindowTitle(CodePage::toUnicode(Texts.WindowsMediaPlayerCaptionInactive));
    else
        setWindowTitle(QFileInfo(mMovieFileName).fileName() + QLatin1Char(' ')
                       + CodePage::toUnicode(Texts.WindowsMediaPlayerCaptionActive));
}

void TFormWMP::placeInside(QPoint wanted, const QWidget *shownWindow)
{
    const QRect client = shownWindow->geometry(), frame = shownWindow->frameGeometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    adjustSize(); // the size the picture gives it
    const QScreen *screen = QGuiApplication::screenAt(wanted);
    if (!screen)
        screen = shownWindow->screen();
    const QPoint corner = PlaceFrameInside(wanted, size().grownBy(margins), screen->availableGeometry());
    // The client area is placed: the frame then lands where it was reckoned,
    // whichever corner the window manager keeps.
    setGeometry(QRect(corner + QPoint(margins.left(), margins.top()), size()));
}

void TFormWMP::setStayOnTop(bool onTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

QString TFormWMP::previewCopyPath(const QString &moviePath) const
{
    return mPreviewDir.filePath(QFileInfo(moviePath).completeBaseName() + QStringLiteral(".ass"));
}

void TFormWMP::closeEvent(QCloseEvent *event)
{
    // The main window unloads the movie and hides the window itself.
    event->ignore();
    emit closing();
}

void TFormWMP::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace cuefold

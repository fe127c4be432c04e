#include "player/FPlayer.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "player/MediaPlayer.h"

#include <QCloseEvent>
#include <QFileInfo>
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

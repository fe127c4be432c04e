#include "player/FMovieProperties.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "player/MediaPlayer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QTime>
#include <QVBoxLayout>

namespace cuefold {

TFormMovieProperties::TFormMovieProperties(MediaPlayer *player, QWidget *parent)
    : QDialog(parent)
    , mPlayer(player)
{
    setObjectName(QStringLiteral("FormMovieProperties"));
    auto *layout = new QVBoxLayout(this);
    auto add = [&](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(l);
        return l;
    };
    LabelMoviePath = add("LabelMoviePath");
    LabelMovieFileSize = add("LabelMovieFileSize");
    LabelMoviePicture = add("LabelMoviePicture");
    LabelMovieFPS = add("LabelMovieFPS");
    LabelMovieDuration = add("LabelMovieDuration");
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(mPlayer, &MediaPlayer::fileLoaded, this, &TFormMovieProperties::refresh);
    connect(mPlayer, &MediaPlayer::videoSizeChanged, this, &TFormMovieProperties::refresh);
}

QLabel *TFormMovieProperties::label(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name));
}

void TFormMovieProperties::showFor(const QString &moviePath)
{
    mMoviePath = moviePath;
    refresh();
    // Asked from a modal window it must be modal too, or it could not be used.
    const Qt::WindowModality modality = QApplication::activeModalWidget() && QApplication::activeModalWidget() != this
                                            ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide();
        setWindowModality(modality);
    }
    show();
    raise();
}

void TFormMovieProperties::refresh()
{
    if (mMoviePath.isEmpty())
        return;
    const QFileInfo file(mMoviePath);
    setWindowTitle(file.fileName());
    LabelMoviePath->setText(file.absoluteFilePath());
    LabelMovieFileSize->setText(Unicode(Texts.FileFileSize) + QLatin1Char(' ') + QString::number(file.size())
                                + QLatin1Char(' ') + Unicode(Texts.FileBytes));
    // Until the player has opened this movie its values are not known yet.
    const bool known = mPlayer->FileName() == mMoviePath && mPlayer->isLoaded();
    const QSize picture = known ? mPlayer->pictureSize() : QSize();
    LabelMoviePicture->setText(picture.isValid() ? QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())
                                                 : QStringLiteral("? x ?"));
    const double fps = known ? mPlayer->frameRate() : 0;
    LabelMovieFPS->setText(Unicode(Texts.FileFPS) + QLatin1Char(' ')
                           + (fps > 0 ? QString::fromLatin1(FpsText(fps)) : QStringLiteral("?")));
    const double frames = known ? mPlayer->Duration() : 0;
    const QString length = fps > 0 ? QTime(0, 0).addMSecs(qRound64(frames / fps * 1000)).toString(QStringLiteral("H:mm:ss.zzz"))
                                   : QStringLiteral("?");
    LabelMovieDuration->setText(QStringLiteral("%1 / %2").arg(known ? QString::fromLatin1(FrameText(frames)) : QStringLiteral("?"), length));
}

} // namespace cuefold

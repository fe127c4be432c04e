#pragma once

#include <QDialog>

class QLabel;

namespace cuefold {

class MediaPlayer;

// A small properties box of the movie file: where it is, its size on disk,
// and the picture size, frame rate and length once the player knows them.
// It stays open beside the editor, so the frame rate can be read off it
// while the frame-rate question is answered.
class TFormMovieProperties : public QDialog {
    Q_OBJECT

public:
    TFormMovieProperties(MediaPlayer *player, QWidget *parent);

    void showFor(const QString &moviePath);
    QLabel *label(const char *name) const;

private:
    void refresh();

    MediaPlayer *mPlayer;
    QString mMoviePath;
    QLabel *LabelMoviePath, *LabelMovieFileSize, *LabelMoviePicture, *LabelMovieFPS, *LabelMovieDuration;
};

} // namespace cuefold

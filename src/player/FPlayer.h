#pragma once

#include "player/subtitle_filter.h"

#include <QTemporaryDir>
#include <QWidget>

namespace cuefold {

class MediaPlayer;

// The preview window: nothing but the movie picture, sized to it. Every
// player command lives in the main window; this window reports its close,
// its size changes and the window-cycling keys.
class TFormWMP : public QWidget {
    Q_OBJECT

public:
    explicit TFormWMP(QWidget *parent);

    MediaPlayer *WMediaPlayer1() const { return mPlayer; }
    // The caption names the loaded movie, or says that none is loaded.
    void setMovieCaption(const QString &movieFileName);
    void retranslate();
    // Before the first showing: the frame's corner at `wanted`, moved inside
    // the available area of the screen there. The window manager tells a
    // frame only once a window is shown, so `shownWindow`'s stands in.
    void placeInside(QPoint wanted, const QWidget *shownWindow);
    // Stay on top or not; only before the window is first shown.
    void setStayOnTop(bool onTop);
    // Where the player's copy of the subtitles for `moviePath` goes; the
    // folder goes away with the window.
    QString previewCopyPath(const QString &moviePath) const;

signals:
    void closing();
    void resized();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    MediaPlayer *mPlayer;
    QString mMovieFileName;
    QTemporaryDir mPreviewDir{PreviewFolderTemplate()};
};

} // namespace cuefold

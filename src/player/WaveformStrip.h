#pragma once

#include "player/sound_wave.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace cuefold {

class DocumentModel;

// The strip under the panel with the movie's sound around the current
// subtitle: the wave, every subtitle as a band with its number, the shot
// changes and the player's position. Clicks and drags become requests the
// owner carries out through the panel; the wheel zooms.
class WaveformStrip : public QWidget {
    Q_OBJECT

public:
    explicit WaveformStrip(const DocumentModel &model, QWidget *parent = nullptr);

    void setWave(SoundWave wave);
    const SoundWave &wave() const { return mWave; }
    // A one-line reason shown instead of a wave (no sound, being read...).
    void setReason(const QString &text);
    QString reason() const { return mReason; }
    // Each cut as a vertical line.
    void setShotChanges(const std::vector<int> &frames);
    // The player's position as a cursor; below 0: none.
    void setPosition(double frame);

    // The frame under x, and the x where a frame starts.
    int frameAt(int x) const;
    int xOf(double frame) const;
    double pixelsPerFrame() const { return mPixelsPerFrame; }

signals:
    void startPicked(int frame);
    void lastPicked(int frame);
    // A band's edge dragged: subtitle `row`'s From (first) or Last to `frame`.
    void edgeMoved(int row, bool first, int frame);
    void playFrom(int frame);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Edge {
        int row = -1;
        bool first = true;
    };
    // Brings the current subtitle into view when it is not wholly there.
    void followCurrent();
    void centreOn(double frame);
    Edge edgeAt(int x) const;
    void invalidate();

    const DocumentModel &mModel;
    SoundWave mWave;
    QString mReason;
    std::vector<int> mShots;
    double mPosition = -1;
    double mFirst = 0;            // the frame at the left edge
    double mPixelsPerFrame = 0;   // 0 until the first layout picks a few seconds
    QPixmap mBackground;          // everything but the cursor, drawn once per change
    Edge mDrag;
    int mDragFrame = -1;
    int mPendingStart = -1;       // a click waiting to tell itself from a double click
    QTimer mClickTimer;
};

} // namespace cuefold

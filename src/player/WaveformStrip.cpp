#include "player/WaveformStrip.h"

#include "document/document_model.h"
#include "player/WaveformPainter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace cuefold {

namespace {

constexpr double ShownSeconds = 8;   // the span a first view covers
constexpr double MinPixelsPerFrame = 0.05, MaxPixelsPerFrame = 40;
constexpr int EdgePixels = 4;        // how near a band's edge a press grabs it

} // namespace

WaveformStrip::WaveformStrip(const DocumentModel &model, QWidget *parent)
    : QWidget(parent)
    , mModel(model)
{
    setObjectName(QStringLiteral("WaveformStrip"));
    setMinimumHeight(70);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    mClickTimer.setSingleShot(true);
    mClickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&mClickTimer, &QTimer::timeout, this, [this] { emit startPicked(mPendingStart); });
    for (auto signal : {&DocumentModel::rowsInserted, &DocumentModel::rowsRemoved, &DocumentModel::rowsChanged})
        connect(&model, signal, this, &WaveformStrip::invalidate);
    connect(&model, &DocumentModel::documentReset, this, &WaveformStrip::followCurrent);
    connect(&model, &DocumentModel::currentChanged, this, &WaveformStrip::followCurrent);
}

void WaveformStrip::setWave(SoundWave wave)
{
    mWave = std::move(wave);
    mPixelsPerFrame = 0; // a new movie's rate picks the span anew
    followCurrent();
}

void WaveformStrip::setReason(const QString &text)
{
    mReason = text;
    invalidate();
}

void WaveformStrip::setShotChanges(const std::vector<int> &frames)
{
    mShots = frames;
    invalidate();
}

void WaveformStrip::setPosition(double frame)
{
    if (frame == mPosition)
        return;
    mPosition = frame;
    const double x = xOf(frame);
    // A cursor leaving the view turns the page.
    if (frame >= 0 && mPixelsPerFrame > 0 && (x < 0 || x >= width())) {
        mFirst = frame - width() / 4.0 / mPixelsPerFrame;
        invalidate();
    }
    update();
}

int WaveformStrip::frameAt(int x) const
{
    return int(std::floor(mFirst + x / mPixelsPerFrame));
}

int WaveformStrip::xOf(double frame) const
{
    return int(std::lround((frame - mFirst) * mPixelsPerFrame));
}

void WaveformStrip::followCurrent()
{
    if (mPixelsPerFrame <= 0 && width() > 0) {
        const double fps = mWave.rate.num > 0 ? mWave.rate.value() : 25;
        mPixelsPerFrame = std::clamp(width() / (ShownSeconds * fps), MinPixelsPerFrame, MaxPixelsPerFrame);
    }
    const Document &d = mModel.doc();
    if (d.validIndex(d.CurrentLine) && mPixelsPerFrame > 0) {
        const TSubLine &l = d.line(d.CurrentLine);
        if (l.From >= 0 && (xOf(l.From) < 0 || xOf(std::max(l.From, l.Last) + 1) > width()))
            centreOn((l.From + std::max(l.From, l.Last) + 1) / 2);
    }
    invalidate();
}

void WaveformStrip::centreOn(double frame)
{
    mFirst = frame - width() / 2.0 / mPixelsPerFrame;
}

void WaveformStrip::invalidate()
{
    mBackground = QPixmap();
    update();
}

void WaveformStrip::paintEvent(QPaintEvent *)
{
    if (mPixelsPerFrame <= 0)
        followCurrent();
    if (mBackground.isNull() && mPixelsPerFrame > 0) {
        mBackground = QPixmap(size() * devicePixelRatioF());
        mBackground.setDevicePixelRatio(devicePixelRatioF());
        QPainter p(&mBackground);
        PaintWaveBackground(p, {mFirst, mPixelsPerFrame, size()}, mWave, mModel.doc(), mShots, mReason);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, mBackground);
    p.setPen(QColor(255, 80, 80));
    if (mPosition >= 0)
        p.drawLine(xOf(mPosition), 0, xOf(mPosition), height());
    if (mDrag.row > 0 && mDragFrame >= 0) {
        p.setPen(QPen(Qt::white, 1, Qt::DashLine));
        p.drawLine(xOf(mDragFrame), 0, xOf(mDragFrame), height());
    }
}

void WaveformStrip::resizeEvent(QResizeEvent *)
{
    invalidate();
}

void WaveformStrip::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0 || mPixelsPerFrame <= 0)
        return;
    // The frame under the mouse stays where it is.
    const double x = event->position().x();
    const double anchor = mFirst + x / mPixelsPerFrame;
    mPixelsPerFrame = std::clamp(mPixelsPerFrame * std::pow(1.25, steps), MinPixelsPerFrame, MaxPixelsPerFrame);
    mFirst = anchor - x / mPixelsPerFrame;
    invalidate();
}

WaveformStrip::Edge WaveformStrip::edgeAt(int x) const
{
    const Document &d = mModel.doc();
    for (int i = 1; i <= d.LineCount; ++i) {
        const TSubLine &l = d.line(i);
        if (l.From < 0 || l.Last < l.From)
            continue;
        if (std::abs(xOf(l.From) - x) <= EdgePixels)
            return {i, true};
        if (std::abs(xOf(l.Last + 1) - x) <= EdgePixels)
            return {i, false};
    }
    return {};
}

void WaveformStrip::mousePressEvent(QMouseEvent *event)
{
    const int x = int(event->position().x());
    if (event->button() == Qt::RightButton) {
        emit lastPicked(frameAt(x));
    } else if (event->button() == Qt::LeftButton) {
        mDrag = edgeAt(x);
        mDragFrame = -1;
        if (mDrag.row < 0) {
            // A double click plays instead: the start waits for it to be ruled out.
            mPendingStart = frameAt(x);
            mClickTimer.start();
        }
    }
}

void WaveformStrip::mouseMoveEvent(QMouseEvent *event)
{
    const int x = int(event->position().x());
    if (mDrag.row > 0) {
        mDragFrame = int(std::lround(mFirst + x / mPixelsPerFrame));
        update();
    } else {
        setCursor(edgeAt(x).row > 0 ? Qt::SizeHorCursor : Qt::ArrowCursor);
    }
}

void WaveformStrip::mouseReleaseEvent(QMouseEvent *)
{
    const Edge drag = mDrag;
    mDrag = {};
    if (drag.row > 0 && mDragFrame >= 0)
        emit edgeMoved(drag.row, drag.first, drag.first ? mDragFrame : mDragFrame - 1);
    mDragFrame = -1;
    update();
}

void WaveformStrip::mouseDoubleClickEvent(QMouseEvent *event)
{
    mClickTimer.stop();
    if (event->button() == Qt::LeftButton)
        emit playFrom(frameAt(int(event->position().x())));
}

} // namespace cuefold

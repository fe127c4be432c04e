#pragma once

#include <QOpenGLWidget>

struct mpv_render_context;

namespace cuefold {

class MpvController;

// Draws the picture of one mpv core through mpv's OpenGL render API and does
// nothing else: no input, no state. The core must have been created with
// vo=libmpv. Video can only start once the render context exists, which is
// when Qt first initialises the widget's GL context; renderReady() says so.
// The widget must be destroyed before its controller.
class MpvWidget : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit MpvWidget(MpvController *controller, QWidget *parent = nullptr);
    ~MpvWidget() override;

    bool isRenderReady() const { return mRender != nullptr; }

signals:
    void renderReady();
    // A picture has just been drawn.
    void frameDrawn();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void scheduleFrame();
    // Qt drops the GL context when the widget moves to another top-level
    // window; mpv must let go of it first (video stops until the next movie).
    void releaseRender();

    MpvController *mController;
    mpv_render_context *mRender = nullptr;
};

} // namespace cuefold

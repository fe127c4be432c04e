#pragma once

#include "player/VideoWidget.h"

#include <QOpenGLWidget>

struct mpv_render_context;

namespace cuefold {

// Draws the picture of one mpv core through mpv's OpenGL render API and does
// nothing else: no input, no state. The core must have been created with
// vo=libmpv. Video can only start once the render context exists, which is
// when Qt first initialises the widget's GL context; the renderReady hook
// says so. The widget must be destroyed before its core.
class MpvWidget : public QOpenGLWidget {
public:
    MpvWidget(const MpvLibrary &library, mpv_handle *core, VideoHooks hooks);
    ~MpvWidget() override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void scheduleFrame();
    // Qt drops the GL context when the widget moves to another top-level
    // window; mpv must let go of it first (video stops until the next movie).
    void releaseRender();

    const MpvLibrary &mMpv;
    mpv_handle *mCore;
    VideoHooks mHooks;
    mpv_render_context *mRender = nullptr;
};

} // namespace cuefold

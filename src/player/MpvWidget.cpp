#include "player/MpvWidget.h"

#include "player/MpvLibrary.h"

#include <QMetaObject>
#include <QOpenGLContext>

namespace cuefold {

namespace {

void *glProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

} // namespace

MpvWidget::MpvWidget(const MpvLibrary &library, mpv_handle *core, VideoHooks hooks)
    : mMpv(library)
    , mCore(core)
    , mHooks(std::move(hooks))
{
}

MpvWidget::~MpvWidget()
{
    releaseRender();
}

void MpvWidget::releaseRender()
{
    if (!mRender)
        return;
    // mpv may still draw into our context while it lets go of it.
    makeCurrent();
    mMpv.render_context_free(mRender);
    mRender = nullptr;
    mHooks.renderReady(false);
    doneCurrent();
}

void MpvWidget::initializeGL()
{
    mpv_opengl_init_params glInit{&glProcAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mMpv.render_context_create(&mRender, mCore, params) < 0) {
        mRender = nullptr;
        return;
    }
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &MpvWidget::releaseRender, Qt::DirectConnection);
    mMpv.render_context_set_update_callback(
        mRender, [](void *self) { static_cast<MpvWidget *>(self)->scheduleFrame(); }, this);
    mHooks.renderReady(true);
}

// Runs on mpv's thread: hand the repaint to the GUI thread.
void MpvWidget::scheduleFrame()
{
    QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

void MpvWidget::paintGL()
{
    if (!mRender)
        return;
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mMpv.render_context_render(mRender, params);
    mHooks.frameDrawn();
}

} // namespace cuefold

// The library's one entry point, looked up by name when it is opened.
extern "C" Q_DECL_EXPORT QWidget *cuefold_create_video_widget(const cuefold::MpvLibrary &library, mpv_handle *core,
                                                             cuefold::VideoHooks hooks)
{
    return new cuefold::MpvWidget(library, core, std::move(hooks));
}

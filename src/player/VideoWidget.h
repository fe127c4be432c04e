#pragma once

#include <functional>

class QWidget;
struct mpv_handle;

namespace cuefold {

struct MpvLibrary;

// What the picture widget tells its player.
struct VideoHooks {
    std::function<void(bool)> renderReady; // true: video can start, the render context exists; false: it is gone
    std::function<void()> frameDrawn;  // a picture has just been drawn
};

// The picture widget lives in a library of its own beside the executable,
// opened with the first movie: the OpenGL widget libraries it needs would
// otherwise be loaded with every start of the editor. The widget draws the
// picture of `core` and must be destroyed before the core.
// Nothing when the library cannot be opened (told once on stderr).
QWidget *CreateVideoWidget(const MpvLibrary &library, mpv_handle *core, VideoHooks hooks);

// The name the library exports its factory under, with the factory's type.
inline constexpr char VideoWidgetFactoryName[] = "cuefold_create_video_widget";
using VideoWidgetFactory = QWidget *(const MpvLibrary &, mpv_handle *, VideoHooks);

} // namespace cuefold

#include "player/VideoWidget.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

namespace cuefold {

QWidget *CreateVideoWidget(const MpvLibrary &library, mpv_handle *core, VideoHooks hooks)
{
    static VideoWidgetFactory *const factory = [] {
        QLibrary plugin(QCoreApplication::applicationDirPath() + QStringLiteral("/cuefold-video"));
        auto *found = reinterpret_cast<VideoWidgetFactory *>(plugin.resolve(VideoWidgetFactoryName));
        if (!found)
            std::fprintf(stderr, "cuefold: no video picture: %s\n", qPrintable(plugin.errorString()));
        return found;
    }();
    return factory ? factory(library, core, std::move(hooks)) : nullptr;
}

} // namespace cuefold

#include "player/MediaLibrary.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

namespace cuefold {

const MediaFunctions *Media()
{
    static const MediaFunctions *const functions = []() -> const MediaFunctions * {
        QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/cuefold-media"));
        auto *getter = reinterpret_cast<MediaFunctionsGetter *>(library.resolve(MediaFunctionsName));
        if (!getter) {
            std::fprintf(stderr, "cuefold: no movie analysis: %s\n", qPrintable(library.errorString()));
            return nullptr;
        }
        return getter();
    }();
    return functions;
}

} // namespace cuefold

#include "player/MpvLibrary.h"

#include <QLibrary>
#include <QtGlobal>

namespace cuefold {

namespace {

// Stays loaded for the life of the program: mpv's threads outlive any object.
bool load(MpvLibrary &mpv)
{
    QLibrary library(QStringLiteral("mpv"), 2);
    if (!library.load()) {
        qWarning("Cuefold plays no movies: %s", qPrintable(library.errorString()));
        return false;
    }
    bool complete = true;
#define CUEFOLD_MPV_RESOLVE(name)                                                                      \
    mpv.name = reinterpret_cast<decltype(mpv.name)>(library.resolve("mpv_" #name));                    \
    complete = complete && mpv.name;
    CUEFOLD_MPV_FUNCTIONS(CUEFOLD_MPV_RESOLVE)
#undef CUEFOLD_MPV_RESOLVE
    if (!complete)
        qWarning("Cuefold plays no movies: %s lacks functions it needs", qPrintable(library.fileName()));
    return complete;
}

} // namespace

const MpvLibrary *MpvLibrary::get()
{
    static MpvLibrary mpv;
    static const bool loaded = load(mpv);
    return loaded ? &mpv : nullptr;
}

} // namespace cuefold

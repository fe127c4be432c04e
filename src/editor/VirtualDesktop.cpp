#include "editor/VirtualDesktop.h"

#include <QGuiApplication>
#include <QScreen>

namespace cuefold {

QRect VirtualDesktop()
{
    QRect r;
    for (QScreen *s : QGuiApplication::screens())
        r = r.united(s->geometry());
    return r.isEmpty() ? QRect(0, 0, 1024, 768) : r;
}

} // namespace cuefold

#include "editor/DeferredIconStyle.h"

#include "editor/DeferredIcon.h"

#include <QPointer>
#include <QStyleOption>

namespace cuefold {

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // The widget may be gone by the time the picture is drawn: standard
    // pictures depend only on the option's direction and state, kept here.
    Q_UNUSED(widget);
    const QStyleOption kept = option ? *option : QStyleOption();
    return DeferredIcon([self = QPointer<DeferredIconStyle>(const_cast<DeferredIconStyle *>(this)), icon, kept] {
        QIcon found = self ? self->baseStyle()->standardIcon(icon, &kept) : QIcon();
        if (found.isNull()) {
            // A deferred picture must never turn out null: an empty one stands in.
            QPixmap empty(16, 16);
            empty.fill(Qt::transparent);
            found = QIcon(empty);
        }
        return found;
    });
}

} // namespace cuefold

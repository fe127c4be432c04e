#include "editor/FieldFrameStyle.h"

#include <QAbstractSpinBox>
#include <QStyleOption>

namespace cuefold {

void FieldFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    // A field inside a spin box has no panel of its own.
    const bool cached = element == PE_PanelLineEdit && frame && !frame->rect.isEmpty() && keepsPictures() &&
                        !(widget && qobject_cast<const QAbstractSpinBox *>(widget->parentWidget())) &&
                        TakesStylePictures(*painter);
    if (!cached) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QString key = StylePictureKey("field", *frame, *painter,
                                        {quint32(frame->lineWidth) | quint32(frame->midLineWidth) << 16,
                                         quint32(frame->features) | quint32(frame->frameShape) << 8});
    DrawStylePicture(*painter, frame->rect, key, [&](QPainter &onPicture) {
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPicture, widget);
    });
}

} // namespace cuefold

#include "editor/ScrollBarStyle.h"

#include <QStyleOption>

namespace cuefold {

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                        const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    // A bar that fades in and out over the view is drawn as the style does.
    const bool cached = control == CC_ScrollBar && bar && !bar->rect.isEmpty() && keepsPictures() &&
                        TakesStylePictures(*painter) && !styleHint(SH_ScrollBar_Transient, option, widget);
    if (!cached) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The groove does not depend on where the handle is, only on whether
    // there is one; the handle and the buttons are drawn over it as before.
    const QString key = StylePictureKey("scroll-groove", *bar, *painter,
                                        {quint32(bar->activeSubControls), quint32(bar->orientation),
                                         quint32(bar->maximum > bar->minimum)});
    if (bar->subControls & SC_ScrollBarGroove) {
        DrawStylePicture(*painter, bar->rect, key, [&](QPainter &onPicture) {
            QStyleOptionSlider atOrigin = *bar;
            atOrigin.rect.moveTo(0, 0);
            atOrigin.subControls = SC_ScrollBarGroove;
            QProxyStyle::drawComplexControl(control, &atOrigin, &onPicture, widget);
        });
    }
    QStyleOptionSlider rest = *bar;
    rest.subControls &= ~SC_ScrollBarGroove;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

} // namespace cuefold

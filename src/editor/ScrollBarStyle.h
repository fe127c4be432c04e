#pragma once

#include "editor/style_pictures.h"

namespace cuefold {

// Draws a scroll bar's groove from a picture kept after the first time, and
// its handle and arrow buttons anew. The overview grid's bar repaints on
// every step that scrolls the grid, and Fusion's gradient groove down its
// whole height cost as much as a screen of the grid's cells. A picture is
// kept for each size, state and palette, so what is drawn stays the same.
class ScrollBarStyle : public PictureKeepingStyle {
public:
    using PictureKeepingStyle::PictureKeepingStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};

} // namespace cuefold

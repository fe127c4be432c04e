#pragma once

#include "editor/style_pictures.h"

namespace cuefold {

// Draws the panel of a line edit from a picture of it kept after the first
// time. The Fusion style strokes a rounded, shaded outline for every field on
// every repaint, which costs more than the rest of a field; the panel shows
// four fields that repaint on each step to another subtitle. A picture is
// kept for each size, state and palette, so what is drawn stays the same.
// Other styles are left to draw for themselves: they may animate a field.
class FieldFrameStyle : public PictureKeepingStyle {
public:
    using PictureKeepingStyle::PictureKeepingStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

} // namespace cuefold

#pragma once

#include <QProxyStyle>
#include <optional>

namespace cuefold {

// Draws a scroll bar's groove from a picture kept after the first time, and
// its handle and arrow buttons anew. The overview grid's bar repaints on
// every step that scrolls the grid, and Fusion's gradient groove down its
// whole height cost as much as a screen of the grid's cells. A picture is
// kept for each size, state and palette, so what is drawn stays the same.
class ScrollBarStyle : public QProxyStyle {
public:
    explicit ScrollBarStyle(QStyle *base);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    bool cachesBars() const;

    mutable std::optional<bool> mCachesBars; // known once the base style exists
};

} // namespace cuefold

#pragma once

#include "editor/GlyphLine.h"

#include <QStyledItemDelegate>

class QTableView;

namespace cuefold {

// Draws the overview grid's cells as plain single-line text clipped at the
// cell's edge, as a string grid does. The styled delegate lays every cell
// out through the style's text engine and asks the model for a dozen roles;
// with a screen of 2500-row grid repainted after each bulk command that cost
// more than the command itself. The grid lines are drawn here too, as two
// filled one-pixel strips at the cell's right and bottom edge: the view's own
// grid strokes every line through the raster engine's line drawing.
class TableCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The gap between a cell's edge and its text, also used by auto width.
    static constexpr int TextMargin = 3;
    // The width of the grid line the delegate draws at each cell's edge.
    static constexpr int GridLine = 1;
    // Hands the grid lines of `view` to the delegate.
    static void drawGridOf(QTableView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // The grid's texts are drawn from their characters' glyphs.
    mutable GlyphLine mLine;
    mutable QColor mGridColour;
    mutable qint64 mGridPalette = -1; // the palette mGridColour was taken from
};

} // namespace cuefold

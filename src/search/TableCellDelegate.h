#pragma once

#include "editor/GlyphLine.h"

#include <QStyledItemDelegate>

namespace cuefold {

// Draws the overview grid's cells as plain single-line text clipped at the
// cell's edge, as a string grid does. The styled delegate lays every cell
// out through the style's text engine and asks the model for a dozen roles;
// with a screen of 2500-row grid repainted after each bulk command that cost
// more than the command itself. Each cell's last column and row of pixels
// are left to the grid line its view draws.
class TableCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The gap between a cell's edge and its text, also used by auto width.
    static constexpr int TextMargin = 3;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // The grid's texts are drawn from their characters' glyphs.
    mutable GlyphLine mLine;
};

} // namespace cuefold

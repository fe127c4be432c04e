#pragma once

#include <QFont>
#include <QHash>
#include <QRawFont>
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
    struct Glyph {
        quint32 index = 0; // 0: the font has no glyph for the character
        qreal advance = 0;
    };
    // The grid's texts come from a single-byte code page, so a few hundred
    // characters at most: each is looked up in the font once, and a cell is
    // drawn from its characters' glyphs without shaping the text. Glyphs
    // starting `room` or more from the text's start are left out: they lie
    // beyond the cell. False when the font lacks a character (drawn through
    // the text engine instead).
    bool glyphsOf(const QString &text, const QFont &font, qreal room, QList<quint32> &indexes,
                  QList<QPointF> &positions, qreal &width) const;

    mutable QFont mFont;
    mutable QRawFont mRawFont;
    mutable QHash<char16_t, Glyph> mGlyphs;
};

} // namespace cuefold

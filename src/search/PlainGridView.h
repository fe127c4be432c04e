#pragma once

#include <QTableView>

namespace cuefold {

// A table view that hands each visible cell straight to its delegate and
// draws the grid lines itself. The table view first has the style paint a
// row panel for every cell and builds the cell's option anew, and strokes
// its grid lines through the raster engine's line drawing; here a screen of
// cells costs its delegate's drawing and one filled strip per row and
// column. Meant for views without spans or cell editing, as the overview
// grid is; the delegate leaves each cell's last column and row of pixels to
// the lines. Each column is painted under one clip at its cells' edge.
class PlainGridView : public QTableView {
public:
    // The width of the line at each cell's right and bottom edge.
    static constexpr int GridLine = 1;

    explicit PlainGridView(QWidget *parent = nullptr);

    // A view laid over the viewport's left edge (a frozen column). Qt moves
    // the pixels of a scrolled viewport only when nothing lies over it, and
    // repaints it whole otherwise; with the overlay named, a vertical scroll
    // moves the part beside it and paints only the rows scrolled into sight.
    void setScrollOverlay(const QWidget *overlay) { mOverlay = overlay; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The colour the view's own grid would take, asked again only when the
    // palette changes: the style works it out anew on every question.
    const QColor &lineColour(const QStyleOptionViewItem &option);

    const QWidget *mOverlay = nullptr;
    QColor mLineColour;
    qint64 mLinePalette = -1; // the palette mLineColour was taken from
};

} // namespace cuefold

#pragma once

#include <QTableView>

namespace cuefold {

// A table view that hands each visible cell straight to its delegate. The
// table view first has the style paint a row panel for every cell and
// builds the cell's option anew; the grid's delegate fills its cells and
// draws their lines itself, so on each repaint of a screen of cells that
// work went for nothing. Meant for views without spans, grid lines of
// their own or cell editing, as the overview grid is.
class PlainGridView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace cuefold

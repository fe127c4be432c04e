#pragma once

#include "search/PlainGridView.h"

namespace cuefold {

// A view laid over the left edge of a grid that shows only its column 0,
// so the subtitle number stays in sight while the grid scrolls sideways.
// It shares the grid's model, selection and delegate, follows its vertical
// scrolling and column 0's width, and never takes the focus.
class FrozenNumberColumn : public PlainGridView {
public:
    explicit FrozenNumberColumn(PlainGridView *grid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followSizes();
    void placeOverGrid();

    PlainGridView *mGrid;
};

} // namespace cuefold

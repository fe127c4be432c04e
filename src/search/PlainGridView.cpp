#include "search/PlainGridView.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace cuefold {

namespace {

// The visual sections covering `from`..`to` of a header's viewport, or
// none (first > last) when `from` lies past the last section.
std::pair<int, int> SectionsAt(const QHeaderView *header, int from, int to)
{
    const int first = header->visualIndexAt(from);
    if (first < 0)
        return {0, -1};
    const int last = header->visualIndexAt(to);
    return {first, last < 0 ? header->count() - 1 : last};
}

} // namespace

PlainGridView::PlainGridView(QWidget *parent)
    : QTableView(parent)
{
    setShowGrid(false);
}

const QColor &PlainGridView::lineColour(const QStyleOptionViewItem &option)
{
    if (option.palette.cacheKey() != mLinePalette) {
        mLineColour = QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
        mLinePalette = option.palette.cacheKey();
    }
    return mLineColour;
}

void PlainGridView::paintEvent(QPaintEvent *event)
{
    if (!model())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const QColor &line = lineColour(option);
    const QHeaderView *rows = verticalHeader();
    const QHeaderView *columns = horizontalHeader();
    const QItemSelectionModel *selection = selectionModel();
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus() || viewport()->hasFocus();
    QPainter painter(viewport());
    for (const QRect &dirty : event->region()) {
        const auto [top, bottom] = SectionsAt(rows, dirty.top(), dirty.bottom());
        const auto [left, right] = SectionsAt(columns, dirty.left(), dirty.right());
        QRect painted;
        // Column by column, each under one clip at its edge: a text wider
        // than its cell is cut there. A clip per cell would cost the raster
        // engine a new clip and its scan lines for every long text.
        for (int c = left; c <= right; ++c) {
            const int column = columns->logicalIndex(c);
            if (columns->isSectionHidden(column))
                continue;
            const int x = columns->sectionViewportPosition(column);
            const int width = columns->sectionSize(column);
            painter.setClipRect(QRect(x, dirty.top(), width - GridLine, dirty.height()));
            for (int v = top; v <= bottom; ++v) {
                const int row = rows->logicalIndex(v);
                if (rows->isSectionHidden(row))
                    continue;
                const QModelIndex index = model()->index(row, column, rootIndex());
                option.rect = QRect(x, rows->sectionViewportPosition(row), width, rows->sectionSize(row));
                option.state = state;
                if (selection && selection->isSelected(index))
                    option.state |= QStyle::State_Selected;
                if (focused && index == current)
                    option.state |= QStyle::State_HasFocus;
                itemDelegateForIndex(index)->paint(&painter, option, index);
                painted |= option.rect;
            }
        }
        painter.setClipping(false);
        if (painted.isEmpty())
            continue;
        for (int v = top; v <= bottom; ++v) {
            const int row = rows->logicalIndex(v);
            if (!rows->isSectionHidden(row))
                painter.fillRect(QRect(painted.left(), rows->sectionViewportPosition(row) + rows->sectionSize(row) - GridLine,
                                       painted.width(), GridLine),
                                 line);
        }
        for (int c = left; c <= right; ++c) {
            const int column = columns->logicalIndex(c);
            if (!columns->isSectionHidden(column))
                painter.fillRect(QRect(columns->sectionViewportPosition(column) + columns->sectionSize(column) - GridLine,
                                       painted.top(), GridLine, painted.height()),
                                 line);
        }
    }
}

// The row header takes its offset as the table's own scrolling gives it;
// the viewport then scrolls only beside the overlay, which hides the rest.
void PlainGridView::scrollContentsBy(int dx, int dy)
{
    if (dx != 0 || !mOverlay || !mOverlay->isVisible() || isRightToLeft()) {
        QTableView::scrollContentsBy(dx, dy);
        return;
    }
    // The table's own step first, with nothing to move: a scroll by the user
    // cancels the table's pending scroll to a clicked cell.
    QTableView::scrollContentsBy(0, 0);
    QHeaderView *rows = verticalHeader();
    const QScrollBar *bar = verticalScrollBar();
    const int before = rows->offset();
    if (verticalScrollMode() == ScrollPerPixel)
        rows->setOffset(bar->value());
    else if (bar->maximum() > 0 && bar->value() == bar->maximum())
        rows->setOffsetToLastSection();
    else
        rows->setOffsetToSectionPosition(bar->value());
    const int covered = mOverlay->geometry().right() + 1 - viewport()->x();
    viewport()->scroll(0, before - rows->offset(),
                       QRect(covered, 0, viewport()->width() - covered, viewport()->height()));
}

} // namespace cuefold

#include "search/TableCellDelegate.h"

#include "search/PlainGridView.h"
#include "search/table_model.h"

#include <QPainter>

namespace cuefold {

namespace {

const QColor Red(Qt::red);

bool ClippedWithin(const QPainter &painter, const QRect &cell)
{
    return painter.hasClipping() && painter.clipBoundingRect().right() <= cell.x() + cell.width();
}

} // namespace

void TableCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The view draws the line at the cell's right and bottom edge.
    const QRect cell = option.rect.adjusted(0, 0, -PlainGridView::GridLine, -PlainGridView::GridLine);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected)
        painter->fillRect(cell, option.palette.brush(group, QPalette::Highlight));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QPoint at(cell.left() + TextMargin, cell.top() + (cell.height() - option.fontMetrics.height()) / 2);
    const int room = cell.width() - TextMargin;
    const std::optional<GlyphLine::Laid> laid = mLine.layOut(text, option.font, room);
    // A text wider than its cell is cut at the cell's edge, by the painter's
    // clip where that already ends there (a PlainGridView clips each column
    // once): a clip of its own for each cell costs more than the drawing.
    const bool cut = (!laid || laid->width > room) && !ClippedWithin(*painter, cell);
    if (cut) {
        painter->save();
        painter->setClipRect(cell);
    }
    // A subtitle over the reading limits is written in red, unless selected.
    const bool overLimits = !selected && index.data(TableModel::OverReadingLimitsRole).toBool();
    const QColor &colour = overLimits ? Red
                                      : option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    // A new pen for every cell costs more than comparing the one in use.
    const QPen &pen = painter->pen();
    if (pen.style() != Qt::SolidLine || pen.color() != colour)
        painter->setPen(colour);
    if (laid) {
        GlyphLine::draw(*painter, at, *laid);
    } else {
        painter->setFont(option.font);
        painter->drawText(QPointF(at.x(), at.y() + option.fontMetrics.ascent()), text);
    }
    if (cut)
        painter->restore();
}

} // namespace cuefold

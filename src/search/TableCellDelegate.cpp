#include "search/TableCellDelegate.h"

#include <QPainter>

namespace cuefold {

void TableCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    painter->save();
    painter->setClipRect(option.rect);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    // A single run of text at the baseline: no line layout, no alignment
    // passes; the clip cuts what does not fit.
    const QFontMetrics &metrics = option.fontMetrics;
    const int baseline = option.rect.top() + (option.rect.height() + metrics.ascent() - metrics.descent()) / 2;
    painter->drawText(QPoint(option.rect.left() + TextMargin, baseline), index.data(Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace cuefold

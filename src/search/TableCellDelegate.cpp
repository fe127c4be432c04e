#include "search/TableCellDelegate.h"

#include "search/table_model.h"

#include <QApplication>
#include <QPainter>
#include <QTableView>

namespace cuefold {

void TableCellDelegate::drawGridOf(QTableView *view)
{
    view->setShowGrid(false);
}

void TableCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &whole, const QModelIndex &index) const
{
    // The line colour the view's own grid would take, asked again only when
    // the palette changes: the style works it out anew on every question.
    if (whole.palette.cacheKey() != mGridPalette) {
        const QWidget *view = whole.widget;
        const QStyle *style = view ? view->style() : QApplication::style();
        mGridColour = QColor::fromRgba(QRgb(style->styleHint(QStyle::SH_Table_GridLineColor, &whole, view)));
        mGridPalette = whole.palette.cacheKey();
    }
    const QColor &gridColour = mGridColour;
    const QRect &r = whole.rect;
    painter->fillRect(QRect(r.right() + 1 - GridLine, r.top(), GridLine, r.height()), gridColour);
    painter->fillRect(QRect(r.left(), r.bottom() + 1 - GridLine, r.width() - GridLine, GridLine), gridColour);
    QStyleOptionViewItem option = whole;
    option.rect.adjust(0, 0, -GridLine, -GridLine);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QPoint at(option.rect.left() + TextMargin,
                    option.rect.top() + (option.rect.height() - option.fontMetrics.height()) / 2);
    const int room = option.rect.width() - TextMargin;
    const std::optional<GlyphLine::Laid> laid = mLine.layOut(text, option.font, room);
    // A text wider than its cell is cut at the cell's edge.
    const bool fits = laid && laid->width <= room;
    if (!fits) {
        painter->save();
        painter->setClipRect(option.rect);
    }
    // A subtitle over the reading limits is written in red, unless selected.
    const bool overLimits = !selected && index.data(TableModel::OverReadingLimitsRole).toBool();
    painter->setPen(overLimits ? QColor(Qt::red)
                               : option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    if (laid) {
        painter->drawGlyphRun(at, laid->run);
    } else {
        painter->setFont(option.font);
        painter->drawText(QPointF(at.x(), at.y() + option.fontMetrics.ascent()), text);
    }
    if (!fits)
        painter->restore();
}

} // namespace cuefold

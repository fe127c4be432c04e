#include "search/TableCellDelegate.h"

#include "search/table_model.h"

#include <QPainter>

namespace cuefold {

const QStaticText &TableCellDelegate::prepared(const QString &text, const QFont &font) const
{
    // The cache holds what a few screens of the grid show; it starts afresh
    // when it grows past that or the grid's font changes.
    constexpr qsizetype Kept = 4096;
    if (font != mFont || mPrepared.size() > Kept) {
        mPrepared.clear();
        mFont = font;
    }
    auto it = mPrepared.find(text);
    if (it == mPrepared.end()) {
        QStaticText prepared(text);
        prepared.setTextFormat(Qt::PlainText);
        prepared.prepare(QTransform(), font);
        it = mPrepared.insert(text, prepared);
    }
    return *it;
}

void TableCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    const QStaticText &text = prepared(index.data(Qt::DisplayRole).toString(), option.font);
    const QPoint at(option.rect.left() + TextMargin,
                    option.rect.top() + (option.rect.height() - option.fontMetrics.height()) / 2);
    // Prepared text is laid out once and only drawn here; a text wider
    // than its cell is cut at the cell's edge.
    const bool fits = text.size().width() <= option.rect.width() - TextMargin;
    if (!fits) {
        painter->save();
        painter->setClipRect(option.rect);
    }
    // A subtitle over the reading limits is written in red, unless selected.
    const bool overLimits = !selected && index.data(TableModel::OverReadingLimitsRole).toBool();
    painter->setPen(overLimits ? QColor(Qt::red)
                               : option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawStaticText(at, text);
    if (!fits)
        painter->restore();
}

} // namespace cuefold

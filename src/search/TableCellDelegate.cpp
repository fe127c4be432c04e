#include "search/TableCellDelegate.h"

#include "search/table_model.h"

#include <QApplication>
#include <QGlyphRun>
#include <QPainter>
#include <QTableView>

namespace cuefold {

bool TableCellDelegate::glyphsOf(const QString &text, const QFont &font, qreal room, QList<quint32> &indexes,
                                 QList<QPointF> &positions, qreal &width) const
{
    if (font != mFont || !mRawFont.isValid()) {
        mFont = font;
        mRawFont = QRawFont::fromFont(font);
        mGlyphs.clear();
    }
    const qreal baseline = mRawFont.ascent();
    width = 0;
    for (const QChar c : text) {
        // A glyph starting beyond the cell's edge would be clipped away whole.
        if (width >= room)
            break;
        auto it = mGlyphs.find(c.unicode());
        if (it == mGlyphs.end()) {
            Glyph g;
            int count = 1;
            if (!c.isSurrogate() && mRawFont.glyphIndexesForChars(&c, 1, &g.index, &count) && count == 1 && g.index) {
                QPointF advance;
                mRawFont.advancesForGlyphIndexes(&g.index, &advance, 1);
                g.advance = advance.x();
            } else {
                g.index = 0;
            }
            it = mGlyphs.insert(c.unicode(), g);
        }
        if (!it->index)
            return false;
        indexes.append(it->index);
        positions.append(QPointF(width, baseline));
        width += it->advance;
    }
    return true;
}

void TableCellDelegate::drawGridOf(QTableView *view)
{
    view->setShowGrid(false);
}

void TableCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &whole, const QModelIndex &index) const
{
    // The line colour the view's own grid would take.
    const QWidget *view = whole.widget;
    const QStyle *style = view ? view->style() : QApplication::style();
    const QColor gridColour = QColor::fromRgba(QRgb(style->styleHint(QStyle::SH_Table_GridLineColor, &whole, view)));
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
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    qreal width = 0;
    const int room = option.rect.width() - TextMargin;
    const bool plain = glyphsOf(text, option.font, room, indexes, positions, width);
    // A text wider than its cell is cut at the cell's edge.
    const bool fits = plain && width <= room;
    if (!fits) {
        painter->save();
        painter->setClipRect(option.rect);
    }
    // A subtitle over the reading limits is written in red, unless selected.
    const bool overLimits = !selected && index.data(TableModel::OverReadingLimitsRole).toBool();
    painter->setPen(overLimits ? QColor(Qt::red)
                               : option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    if (plain) {
        QGlyphRun run;
        run.setRawFont(mRawFont);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter->drawGlyphRun(at, run);
    } else {
        painter->setFont(option.font);
        painter->drawText(QPointF(at.x(), at.y() + option.fontMetrics.ascent()), text);
    }
    if (!fits)
        painter->restore();
}

} // namespace cuefold

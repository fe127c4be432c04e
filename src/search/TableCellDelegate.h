#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace cuefold {

// Draws the overview grid's cells as plain single-line text clipped at the
// cell's edge, as a string grid does. The styled delegate lays every cell
// out through the style's text engine and asks the model for a dozen roles;
// with a screen of 2500-row grid repainted after each bulk command that cost
// more than the command itself.
class TableCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The gap between a cell's edge and its text, also used by auto width.
    static constexpr int TextMargin = 3;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // Cell texts laid out once in the grid's font and drawn from then on.
    const QStaticText &prepared(const QString &text, const QFont &font) const;

    mutable QHash<QString, QStaticText> mPrepared;
    mutable QFont mFont;
};

} // namespace cuefold

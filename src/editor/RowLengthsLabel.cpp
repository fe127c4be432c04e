#include "editor/RowLengthsLabel.h"

#include <QPainter>
#include <QVarLengthArray>

namespace cuefold {

void RowLengthsLabel::setRows(const QString &format, const QList<Part> &rows)
{
    QString markup;
    for (const Part &row : rows)
        markup += row.red ? QStringLiteral("<span style=\"color:red\">%1</span>").arg(row.text) : row.text;
    const qsizetype at = format.indexOf(QLatin1String("%1"));
    mParts = {{format.left(at)}};
    if (at >= 0)
        mParts << rows << Part{format.mid(at + 2)};
    QLabel::setText(format.toHtmlEscaped().arg(markup));
}

void RowLengthsLabel::clear()
{
    mParts.clear();
    QLabel::clear();
}

void RowLengthsLabel::paintEvent(QPaintEvent *event)
{
    const QRect box = contentsRect();
    QVarLengthArray<GlyphLine::Laid, 16> laid;
    qreal room = box.width();
    for (const Part &part : std::as_const(mParts)) {
        std::optional<GlyphLine::Laid> line = mLine.layOut(part.text, font(), room);
        // A character the font lacks goes through the text engine.
        if (!line) {
            QLabel::paintEvent(event);
            return;
        }
        room -= line->width;
        laid.append(*line);
    }
    const QColor text = palette().color(foregroundRole());
    QPainter painter(this);
    painter.setClipRect(box);
    const int top = box.top() + (box.height() - fontMetrics().height()) / 2;
    qreal x = box.left();
    for (qsizetype i = 0; i < laid.size(); ++i) {
        painter.setPen(mParts[i].red ? QColor(Qt::red) : text);
        GlyphLine::draw(painter, QPoint(qRound(x), top), laid[i]);
        x += laid[i].width;
    }
}

} // namespace cuefold

// The overview grid's cells: text drawn from the font's glyphs, cut at the
// cell's edge, and characters the font lacks still drawn.
#include "gui_support.h"

#include "search/TableCellDelegate.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

using namespace cuefold;

namespace {

// The columns of `image` that hold ink darker than the white ground.
std::pair<int, int> inkColumns(const QImage &image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

QImage drawCell(const QString &text, QRect cell)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), text);
    TableCellDelegate delegate;
    QImage image(200, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = cell;
    option.font = QApplication::font();
    option.fontMetrics = QFontMetrics(option.font);
    option.palette.setColor(QPalette::Text, Qt::black);
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    return image;
}

TEST(TableCells, TextIsDrawnInsideItsCellAndCutAtTheEdge)
{
    const QRect wide(10, 0, 180, 30), narrow(10, 0, 30, 30);
    const auto [first, last] = inkColumns(drawCell(QStringLiteral("Žluťoučký kůň"), wide));
    EXPECT_GE(first, 10 + TableCellDelegate::TextMargin - 1);
    EXPECT_GT(last, 60);
    EXPECT_LT(last, 190);
    const auto [cutFirst, cutLast] = inkColumns(drawCell(QStringLiteral("Žluťoučký kůň"), narrow));
    EXPECT_EQ(cutFirst, first);
    EXPECT_LE(cutLast, 39);
    // A character outside the font still leaves ink, through the text engine.
    EXPECT_GE(inkColumns(drawCell(QStringLiteral("\U0001F600 x"), wide)).second, 0);
}

} // namespace

// The overview grid's cells: text drawn from the font's glyphs, cut at the
// cell's edge, and characters the font lacks still drawn.
#include "gui_support.h"

#include "editor/GlyphLine.h"
#include "search/TableCellDelegate.h"

#include <QApplication>
#include <QGlyphRun>
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

namespace {

// The largest difference of a colour channel between two pictures.
int largestDifference(const QImage &a, const QImage &b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

} // namespace

// Glyphs drawn from their pictures look as the font engine draws them, in
// any colour on any ground.
TEST(TableCells, GlyphPicturesLookAsTheFontEngineDraws)
{
    GlyphLine line;
    const QString text = QStringLiteral("Žluťoučký kůň úpěl ďábelské ódy, ŘÍŠE!");
    const std::optional<GlyphLine::Laid> laid = line.layOut(text, QApplication::font(), 1000);
    ASSERT_TRUE(laid);
    for (const QColor ground : {QColor(Qt::white), QColor(255, 255, 200), QColor(40, 60, 120)})
        for (const QColor ink : {QColor(Qt::black), QColor(Qt::red), QColor(128, 128, 128, 160)}) {
            QImage pictures(400, 30, QImage::Format_RGB32), engine = pictures;
            pictures.fill(ground);
            engine.fill(ground);
            {
                QPainter painter(&pictures);
                painter.setPen(ink);
                GlyphLine::draw(painter, QPoint(3, 4), *laid);
            }
            {
                QPainter painter(&engine);
                painter.setPen(ink);
                QGlyphRun run;
                run.setRawFont(laid->font);
                run.setGlyphIndexes(laid->glyphs);
                run.setPositions(laid->positions);
                painter.drawGlyphRun(QPoint(3, 4), run);
            }
            QImage blank = engine;
            blank.fill(ground);
            ASSERT_NE(engine, blank);
            EXPECT_LE(largestDifference(pictures, engine), 1) << qPrintable(ground.name()) << qPrintable(ink.name());
        }
}

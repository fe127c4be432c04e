// The overview grid: filling, clicking a row and moving columns.
#include "gui_support.h"

#include "config/settings.h"
#include "document/code_page.h"
#include "operations/BulkCommands.h"
#include "operations/FAnalysis.h"
#include "operations/FRange.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class TableTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        startWith("{1}{1}25\r\n{100}{150}Ahoj\r\n{abc}{200}}Chyba\r\n{210}{250}Konec\r\n");
        form->context().search->MenuShowTableClick();
        table = form->context().search->table();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    }
    QString cell(int line, int column) const { return CodePage::toUnicode(table->model()->cellText(line, column)); }

    TFormTable *table = nullptr;
};

TEST_F(TableTest, RowsShowFramesFlagsAndRawFaults)
{
    EXPECT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(cell(0, 1), QStringLiteral("Od"));
    EXPECT_EQ(cell(3, 0), QStringLiteral("3"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("?"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("200"));
    EXPECT_EQ(cell(3, 3), QStringLiteral("Chyba"));
    EXPECT_EQ(cell(3, 4), QStringLiteral("Ano")); // locked
    EXPECT_EQ(cell(3, 5), QStringLiteral("Ne"));
    EXPECT_EQ(cell(3, 6), QStringLiteral("Ano")); // faulty
    EXPECT_EQ(cell(3, 7), QStringLiteral("abc"));
}

TEST_F(TableTest, ClickingARowMakesItCurrent)
{
    QTableView *grid = table->grid();
    const QRect rect = grid->visualRect(table->model()->index(3, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(doc().CurrentLine, 4);
    EXPECT_EQ(ctl<QLineEdit>("EditSubtitle")->text(), QStringLiteral("Konec"));
    // The panel's own moves select the row in the grid.
    panel().ShowLine(2, ShowFull);
    EXPECT_EQ(grid->selectionModel()->currentIndex().row(), 1);
}

TEST_F(TableTest, MovingAColumnMovesItsPositionAndContents)
{
    QHeaderView *header = table->grid()->horizontalHeader();
    const int width = table->grid()->columnWidth(2);
    header->moveSection(2, 1); // "Do" to the first data position
    EXPECT_EQ(header->logicalIndex(1), 1); // the view itself stays in order
    EXPECT_EQ(table->model()->positions()[ColLast], 1);
    EXPECT_EQ(table->model()->positions()[ColFrom], 2);
    EXPECT_EQ(cell(0, 1), QStringLiteral("Do"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("150"));
    EXPECT_EQ(table->grid()->columnWidth(1), width);

    // Rows written later follow the new positions, and they are saved.
    changeDoc([](Document &d) { d.line(2).Last = 155; });
    table->ShowTableRow(2);
    EXPECT_EQ(cell(2, 1), QStringLiteral("155"));
    table->saveSettings();
    EXPECT_EQ(Settings.Table.ColumnPosition[ColLast], 1);

    header->moveSection(1, 0); // the number column stays first
    EXPECT_EQ(cell(0, 0), QStringLiteral("#"));
    EXPECT_EQ(table->model()->positions()[ColLast], 1);
    Settings.Table.ColumnPosition = {1, 2, 3, 4, 5, 6, 7, 8};
}

TEST_F(TableTest, AutoWidthFitsTheWidestCell)
{
    table->autoWidthBox()->click();
    const int narrow = table->grid()->columnWidth(3);
    changeDoc([](Document &d) { d.line(2).Text = QByteArray(80, 'W'); });
    table->FillTable();
    table->AutoSizeColumns();
    EXPECT_GT(table->grid()->columnWidth(3), narrow);
    // Every cell and header fits whole, with the cell margins.
    const QFontMetrics metrics(table->grid()->font());
    for (int c = 0; c < TableModel::ColumnCount; ++c) {
        EXPECT_GE(table->grid()->columnWidth(c), table->grid()->horizontalHeader()->sectionSizeHint(c)) << c;
        for (int line = 1; line <= 4; ++line)
            EXPECT_GE(table->grid()->columnWidth(c), metrics.horizontalAdvance(cell(line, c)) + 6) << c;
    }
}

TEST_F(TableTest, NumberColumnStaysWhenTheGridScrollsSideways)
{
    QTableView *grid = table->grid();
    grid->setColumnWidth(3, 2000);
    QApplication::processEvents();
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    auto *numbers = table->findChild<QTableView *>(QStringLiteral("StringGridTableNumbers"));
    ASSERT_NE(numbers, nullptr);
    EXPECT_TRUE(numbers->isVisible());
    EXPECT_EQ(numbers->width(), grid->columnWidth(0));
    EXPECT_LE(numbers->mapTo(table, QPoint()).x(), grid->mapTo(table, QPoint()).x() + grid->frameWidth());
    // A click on a number picks that subtitle, as a click on its row does.
    const QRect rect = numbers->visualRect(table->model()->index(3, 0));
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(doc().CurrentLine, 4);
}

// The window shown for the first time with the current subtitle far down:
// the number column shows the same rows as the grid.
class TableFirstShownTest : public MainWindowFixture {};

TEST_F(TableFirstShownTest, NumberColumnFollowsTheGridScrolledOnShowing)
{
    QByteArray file = "{1}{1}25\r\n";
    for (int i = 1; i <= 90; ++i)
        file += "{" + QByteArray::number(i * 100) + "}{" + QByteArray::number(i * 100 + 50) + "}Radek\r\n";
    startWith(file);
    panel().ShowLine(80, ShowFull);
    form->context().search->MenuShowTableClick();
    TFormTable *table = form->context().search->table();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    QApplication::processEvents();
    const QTableView *grid = table->grid();
    const auto *numbers = table->findChild<QTableView *>(QStringLiteral("StringGridTableNumbers"));
    EXPECT_GT(grid->rowAt(0), 0);
    EXPECT_EQ(numbers->rowAt(0), grid->rowAt(0));
}

// The grid moves its pixels when it scrolls; what the window then shows
// must be what a full repaint draws.
TEST_F(TableFirstShownTest, ScrolledGridShowsWhatAFullRepaintDraws)
{
    QByteArray file = "{1}{1}25\r\n";
    for (int i = 1; i <= 90; ++i)
        file += "{" + QByteArray::number(i * 100) + "}{" + QByteArray::number(i * 100 + 50) + "}Radek " +
                QByteArray::number(i) + "\r\n";
    startWith(file);
    form->context().search->MenuShowTableClick();
    TFormTable *table = form->context().search->table();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    QTableView *grid = table->grid();
    const auto shown = [&] {
        QApplication::processEvents();
        const QRect area(grid->mapTo(table, QPoint()), grid->size());
        return table->screen()->grabWindow(table->winId()).toImage().copy(area).convertToFormat(QImage::Format_RGB32);
    };
    shown();
    for (const int line : {9, 16, 40, 37, 2, 70, 90, 60}) {
        panel().ShowLine(line, ShowFull);
        const QImage onScreen = shown();
        EXPECT_EQ(onScreen, grid->grab().toImage().convertToFormat(QImage::Format_RGB32)) << "line " << line;
    }
}

TEST_F(TableTest, ColumnModelMoveRule)
{
    TableModel model;
    model.moveColumn(5, 2); // left: positions 2..4 shift right
    EXPECT_EQ(model.positions(), (TableModel::Positions{1, 3, 4, 5, 2, 6, 7, 8}));
    model.moveColumn(2, 7); // right: positions 3..7 shift left
    EXPECT_EQ(model.positions(), (TableModel::Positions{1, 2, 3, 4, 7, 5, 6, 8}));
}

} // namespace

namespace {

TEST_F(TableTest, CtrlTabCyclesThroughTheShownWindows)
{
    // Main window 1, grid 2, width analysis 7, range dialog 9.
    QWidget *analysis = form->context().bulk->analysis();
    QWidget *range = form->context().bulk->range();
    analysis->show();
    range->show();
    const auto activates = [](QWidget *from, Qt::KeyboardModifiers modifiers, QWidget *to) {
        QTest::keyClick(from->focusWidget() ? from->focusWidget() : from, Qt::Key_Tab, modifiers);
        return QTest::qWaitFor([to] { return QApplication::activeWindow() == to; }, 2000);
    };
    QApplication::setActiveWindow(form.get());
    ctl<QLineEdit>("EditSubtitle")->setFocus();
    EXPECT_TRUE(activates(form.get(), Qt::ControlModifier, table));
    EXPECT_TRUE(activates(table, Qt::ControlModifier, analysis));
    EXPECT_TRUE(activates(analysis, Qt::ControlModifier, range));
    EXPECT_TRUE(activates(range, Qt::ControlModifier, form.get()));
    EXPECT_TRUE(activates(form.get(), Qt::ControlModifier | Qt::ShiftModifier, range));
}

} // namespace

namespace {

TEST_F(TableTest, KeyboardMovesInTheGridPickTheRow)
{
    QApplication::setActiveWindow(table);
    table->grid()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return table->grid()->hasFocus(); }, 2000));
    panel().ShowLine(1, ShowFull);
    QTest::keyClick(table->grid(), Qt::Key_Down);
    EXPECT_EQ(doc().CurrentLine, 2);
    QTest::keyClick(table->grid(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(doc().CurrentLine, 4);
}

} // namespace

// Reading speed and row lengths while typing, in the panel, the grid and Find.
#include "gui_support.h"

#include "document/code_page.h"
#include "search/FFind.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QLabel>
#include <QRadioButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class ReadingSpeedTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // At 25 fps: two seconds, then one second.
        startWith("{1}{1}25\r\n{100}{149}Jedna\r\n{150}{174}Dva\r\n{200}{249}Konec.\r\n");
    }
    QLabel *speed() const { return ctl<QLabel>("LabelReadingSpeed"); }
    QLabel *rows() const { return ctl<QLabel>("LabelRowLengths"); }
    bool speedRed() const { return speed()->palette().color(QPalette::WindowText) == QColor(Qt::red); }
    // Whether `label` draws anything in red.
    static bool showsRed(QLabel *label)
    {
        const QImage shot = label->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
                    return true;
            }
        return false;
    }
    static QString cps(const char *value) { return Unicode(Texts.ReadingSpeedCps).arg(QLatin1String(value)); }
};

TEST_F(ReadingSpeedTest, PanelFollowsEveryKeystrokeAndTurnsRedPastTheLimits)
{
    panel().ShowLine(2, ShowFull);
    EXPECT_EQ(speed()->text(), cps("2.5"));
    EXPECT_FALSE(speedRed());

    // 47 visible characters in two seconds, before the field is left.
    QLineEdit *text = ctl<QLineEdit>("EditSubtitle");
    typeInto(text, QString::fromUtf8("{y:i}Tohle je dlouhý text, který se nestihne přečíst"), false);
    EXPECT_EQ(speed()->text(), cps("23.5"));
    EXPECT_TRUE(speedRed());
    EXPECT_TRUE(rows()->text().contains(QStringLiteral("<span style=\"color:red\">47</span>")));
    EXPECT_TRUE(showsRed(rows()));

    QTest::keyClick(text, Qt::Key_Home);
    for (int n = 0; n < 11; ++n)
        QTest::keyClick(text, Qt::Key_Right);
    QTest::keyClick(text, '|'); // after "{y:i}Tohle " the rows are 6 and 41 long
    EXPECT_FALSE(rows()->text().contains(QStringLiteral("color:red")));
    EXPECT_FALSE(showsRed(rows()));
    EXPECT_TRUE(speedRed());

    // A later end typed in its field counts at once: three seconds.
    typeInto(ctl<QLineEdit>("EditFrameLast"), QStringLiteral("174"), false);
    EXPECT_EQ(speed()->text(), cps("15.7"));
    EXPECT_FALSE(speedRed());
    QTest::keyClick(ctl<QLineEdit>("EditFrameLast"), Qt::Key_Return);

    // The frame-rate line is nothing to read.
    panel().ShowLine(1, ShowFull);
    EXPECT_TRUE(speed()->text().isEmpty());
}

TEST_F(ReadingSpeedTest, GridColoursAndFindStepsThroughTooFastSubtitles)
{
    form->context().search->MenuShowTableClick();
    TableModel *grid = form->context().search->table()->model();
    const auto red = [grid](int line) {
        return grid->index(line - 1, 3).data(TableModel::OverReadingLimitsRole).toBool();
    };
    EXPECT_FALSE(red(1));
    EXPECT_FALSE(red(2));
    EXPECT_FALSE(red(3));

    panel().ShowLine(3, ShowFull);
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("Dva tri ctyri pet sest sedm")); // 27 in one second
    EXPECT_TRUE(red(3));
    EXPECT_TRUE(grid->index(2, 0).data(TableModel::OverReadingLimitsRole).toBool()); // the whole row
    EXPECT_EQ(grid->columnCount(), TableModel::ColumnCount);

    panel().ShowLine(1, ShowFull);
    answerModal<TFormFindWhat>([](TFormFindWhat *find) {
        find->findChild<QRadioButton *>(QStringLiteral("RadioGroupFindWhat10"))->click();
        QTest::keyClick(find, Qt::Key_Return);
    });
    key(Qt::Key_F7);
    EXPECT_EQ(doc().CurrentLine, 3);
    key(Qt::Key_F3);
    EXPECT_EQ(doc().CurrentLine, 3);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, Unicode(Texts.FindTooFastDone));
}

} // namespace

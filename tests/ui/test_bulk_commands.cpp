// The bulk-operations menu and find, driven by their shortcuts and by the
// controls of their windows.
#include "gui_support.h"

#include "document/code_page.h"
#include "operations/FOperations.h"
#include "search/FFind.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

QString T(const QByteArray &text) { return CodePage::toUnicode(text); }

class BulkCommandsTest : public MainWindowFixture {
protected:
    QString cell(int line, int column) const
    {
        return T(form->context().search->table()->model()->cellText(line, column));
    }
    bool acceptEnabled() const
    {
        return form->commands().action(CommandId::MenuCommonAccept)->isEnabled()
               && form->commands().toolButton(CommandId::MenuCommonAccept)->isEnabled();
    }
    QString lastMessage() const { return messages.empty() ? QString() : messages.back().text; }
};

TEST_F(BulkCommandsTest, MenuFollowsTheTableWithItsSeparatorsAndButtons)
{
    start();
    const QList<QAction *> items = ctl<QMenu>("MenuCommon")->actions();
    QStringList names;
    for (const QAction *a : items)
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("MenuCommonShiftTitle MenuCommonShiftTitleTo MenuCommonEnlargeTitle - "
                             "MenuCommonDepressDelay MenuCommonInsertDelay MenuCommonRecalculateSubtitle "
                             "MenuCommonRemoveLineWrappings - "
                             "MenuCommonRepairOverlaps MenuCommonAccept - MenuCommonLockAll MenuCommonUnlockAll "
                             "MenuCommonUnmarkAll - MenuCommonAnalyzeWidths - MenuCommonTestSpeed MenuCommonRecalcPerSpeed - "
                             "MenuCommonSetFPS MenuCommonConvertFPS"));
    EXPECT_EQ(ctl<QMenu>("MenuCommon")->title(), QString::fromUtf8("&Hromadné operace"));
    int buttons = 0;
    for (const QToolButton *b : ctl<QToolBar>("ToolBarCommon")->findChildren<QToolButton *>())
        buttons += b->objectName().startsWith(QStringLiteral("ToolButCommon"));
    EXPECT_EQ(buttons, 15);
    EXPECT_EQ(form->findChild<QToolButton *>(QStringLiteral("ToolButCommonRemoveLineWrappings")), nullptr);
    EXPECT_FALSE(acceptEnabled());
}

TEST_F(BulkCommandsTest, ShiftMovesFromTheCurrentSubtitleSparingLockedOnes)
{
    startWith("{1}{1}25\r\n{100}{150}A\r\n{200}{250}B\r\n{300}{350}C\r\n{400}{450}D\r\n");
    changeDoc([](Document &d) { d.line(4).Lock = 1; });
    panel().ShowLine(3, ShowFull);
    typeIntoOperations(QStringLiteral("5"));
    answers = {MsgResult::Yes};
    key(Qt::Key_F9, Qt::AltModifier);
    ASSERT_EQ(messages.size(), 1u); // the scope question, no report without out-of-range subtitles
    EXPECT_EQ(messages[0].text, T(Texts.RemainingScope));
    EXPECT_EQ(doc().line(2).From, 100);
    EXPECT_EQ(doc().line(3).From, 205);
    EXPECT_EQ(doc().line(3).Last, 255);
    EXPECT_EQ(doc().line(4).From, 300);
    EXPECT_EQ(doc().line(5).Last, 455);
    EXPECT_EQ(cell(5, 1), QStringLiteral("405"));
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("205"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(BulkCommandsTest, InsertGapsReportsTheChangedCount)
{
    startWith("{1}{1}25\r\n{100}{150}A\r\n{152}{200}B\r\n{201}{300}C\r\n{400}{500}D\r\n");
    form->context().status.setText(StatusPanels::Message, QStringLiteral("old"));
    answers = {MsgResult::Yes};
    key(Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, T(Texts.NearEntireScope));
    EXPECT_EQ(messages[1].text, QString::fromUtf8("2 titulky byly změněny!"));
    EXPECT_EQ(messages[1].caption, QString::fromUtf8("Výsledek"));
    EXPECT_EQ(doc().line(2).Last, 149);
    EXPECT_EQ(doc().line(3).Last, 198);
    EXPECT_EQ(form->context().status.text(StatusPanels::Message), QString());
}

TEST_F(BulkCommandsTest, RepairThenAcceptWalksTheNotesUntilAcceptGoesOff)
{
    startWith("{1}{1}25\r\n{100}{200}A\r\n{300}{400}B\r\n{500}{600}C\r\n{700}{800}D\r\n");
    changeDoc([](Document &d) { d.line(3).From = 150; }); // starts inside A
    changeDoc([](Document &d) { d.line(5).From = 550; }); // starts inside C
    answers = {MsgResult::Yes, MsgResult::Yes};
    key(Qt::Key_F3, Qt::AltModifier);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, T(Texts.OverlapsReport1) + QStringLiteral(" 2\r") + T(Texts.OverlapsReport2));
    EXPECT_EQ(doc().CurrentLine, 3);
    EXPECT_EQ(doc().line(3).From, 200);
    EXPECT_EQ(doc().line(3).FErr, QByteArray("!? 150"));
    EXPECT_TRUE(acceptEnabled());

    key(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(doc().CurrentLine, 5);
    EXPECT_TRUE(doc().line(3).FErr.isEmpty());
    EXPECT_TRUE(acceptEnabled());
    key(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_FALSE(acceptEnabled());
    EXPECT_EQ(lastMessage(), QString::fromUtf8("Žádné další chyby"));
    EXPECT_EQ(messages.back().caption, T(Texts.FindDialogCaption));
    EXPECT_EQ(doc().line(5).From, 600);
}

TEST_F(BulkCommandsTest, FindMarkedThenFindNextUntilNoFurther)
{
    startWith("{1}{1}25\r\n{100}{150}A\r\n{200}{250}B\r\n{300}{350}C\r\n{400}{450}D\r\n");
    changeDoc([](Document &d) { d.line(3).Mark = 1; });
    changeDoc([](Document &d) { d.line(5).Mark = 1; });
    answerModal<TFormFindWhat>([](TFormFindWhat *find) {
        find->findChild<QRadioButton *>(QStringLiteral("RadioGroupFindWhat4"))->click();
        QTest::keyClick(find, Qt::Key_Return); // Find is the default button
    });
    key(Qt::Key_F7);
    EXPECT_EQ(doc().CurrentLine, 3);
    key(Qt::Key_F3);
    EXPECT_EQ(doc().CurrentLine, 5);
    EXPECT_TRUE(messages.empty());
    key(Qt::Key_F3);
    EXPECT_EQ(lastMessage(), QString::fromUtf8("Žádný další označený titulek nebyl nalezen"));
    EXPECT_EQ(messages.back().caption, QString::fromUtf8("Vyhledávání"));
    EXPECT_EQ(doc().CurrentLine, 5);
}

TEST_F(BulkCommandsTest, WidthAnalysisShowsEveryCaptionWhole)
{
    startWith("{1}{1}25\r\n{100}{150}ii\r\n{200}{250}WWWWWW|i\r\n");
    key(Qt::Key_M, Qt::ControlModifier);
    auto *window = ctl<QPushButton>("ButtonPXcrea")->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 12);
    for (const QPushButton *b : buttons) {
        EXPECT_GE(b->height(), b->sizeHint().height()) << b->objectName().toStdString();
        EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << b->objectName().toStdString();
    }
}

TEST_F(BulkCommandsTest, PixelListStandsOnTheWidestAndPreviousStepsTheEditor)
{
    startWith("{1}{1}25\r\n{100}{150}ii\r\n{200}{250}WWWWWW|i\r\n{300}{350}WWW\r\n");
    key(Qt::Key_M, Qt::ControlModifier);
    auto *create = ctl<QPushButton>("ButtonPXcrea");
    ASSERT_TRUE(create->isVisible());
    EXPECT_FALSE(ctl<QPushButton>("ButtonPXprev")->isEnabled());
    QTest::mouseClick(create, Qt::LeftButton);
    EXPECT_EQ(ctl<QLabel>("Label7")->text(), QStringLiteral("3")); // the locked frame-rate line is left out
    EXPECT_EQ(ctl<QLabel>("Label8")->text(), QStringLiteral("3"));
    EXPECT_EQ(doc().CurrentLine, 3);
    QTest::mouseClick(ctl<QPushButton>("ButtonPXprev"), Qt::LeftButton);
    EXPECT_EQ(ctl<QLabel>("Label8")->text(), QStringLiteral("2"));
    EXPECT_EQ(doc().CurrentLine, 4);

    // Deleting a subtitle builds the list again, one place further on.
    answers = {MsgResult::Yes};
    key(Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().LineCount, 3);
    EXPECT_EQ(ctl<QLabel>("Label7")->text(), QStringLiteral("2"));
    QTest::mouseClick(ctl<QPushButton>("ButtonClear"), Qt::LeftButton);
    EXPECT_EQ(ctl<QLabel>("Label7")->text(), QStringLiteral("?"));
    EXPECT_FALSE(ctl<QPushButton>("ButtonPXcurr")->isEnabled());
}

TEST_F(BulkCommandsTest, RangeLocksDialoguesOnlyAndKeepsItsChoices)
{
    startWith("{1}{1}25\r\n{100}{150}-A|-B\r\n{200}{250}C\r\n{300}{350}-D|-E\r\n");
    key(Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    auto *except = ctl<QCheckBox>("CheckBoxRangeExcept");
    EXPECT_EQ(except->text(), T(Texts.LockLinesCheckBoxRangeExcept));
    EXPECT_FALSE(ctl<QGroupBox>("RadioGroupRangeStint")->isEnabled());
    except->click();
    QTest::mouseClick(ctl<QPushButton>("ButtonDoThis"), Qt::LeftButton);
    EXPECT_EQ(doc().line(2).Lock, 1);
    EXPECT_EQ(doc().line(3).Lock, 0);
    EXPECT_EQ(doc().line(4).Lock, 1);
    EXPECT_EQ(form->context().status.text(StatusPanels::Message), QStringLiteral("2"));

    key(Qt::Key_F8, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(except->isChecked()); // the choice outlived the other mode
    EXPECT_EQ(except->text(), T(Texts.RemoveBreaksCheckBoxRangeExcept));
    EXPECT_TRUE(ctl<QGroupBox>("RadioGroupRangeStint")->isEnabled());
    QTest::mouseClick(ctl<QPushButton>("ButtonDoThis"), Qt::LeftButton);
    EXPECT_EQ(form->context().status.text(StatusPanels::Message), QStringLiteral("0"));
}

TEST_F(BulkCommandsTest, FrameRateRewritesTheRateLine)
{
    startWith("{1}{1}25\r\n{100}{150}A\r\n");
    typeIntoOperations(QStringLiteral("23,976"));
    key(Qt::Key_F2, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(doc().FPS, 23.976);
    EXPECT_EQ(doc().line(1).Text, QByteArray("23.976"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("23.976"));
    typeIntoOperations(QStringLiteral("61"));
    key(Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(lastMessage(), T(Texts.InvalidRange));
    EXPECT_DOUBLE_EQ(doc().FPS, 23.976);
}

} // namespace

// Subtitle and Edit menu commands driven by their shortcuts.
#include "gui_support.h"

#include "document/code_page.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QAction>
#include <QClipboard>
#include <QTableView>
#include <QToolButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class TitleCommandsTest : public MainWindowFixture {
protected:
    void open(const QByteArray &contents)
    {
        startWith(contents);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QString cell(int line, int column) const
    {
        return CodePage::toUnicode(form->context().search->table()->model()->cellText(line, column));
    }
};

TEST_F(TitleCommandsTest, BreakKeysReflowAndTheGridFollows)
{
    open("{1}{1}25\r\n{100}{150}Hello, world|how are you\r\n");
    panel().ShowLine(2, ShowFull);
    ctl<QLineEdit>("EditSubtitle")->setFocus();
    key(Qt::Key_F5);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Hello,|world how are you"));
    EXPECT_EQ(ctl<QLineEdit>("EditSubtitle")->text(), QStringLiteral("Hello,|world how are you"));
    EXPECT_EQ(cell(2, 3), QStringLiteral("Hello,|world how are you"));
    key(Qt::Key_F6);
    key(Qt::Key_F6);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Hello, world how|are you"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    key(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Hello, world how are you"));
}

TEST_F(TitleCommandsTest, TypedTextIsCommittedBeforeABreakMove)
{
    open("{1}{1}25\r\n{100}{150}x\r\n");
    panel().ShowLine(2, ShowFull);
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("one two three four"), false);
    key(Qt::Key_F5);
    EXPECT_EQ(doc().line(2).Text, QByteArray("one two|three four"));
}

TEST_F(TitleCommandsTest, SplitSharesTheFramesByCharacters)
{
    open("{1}{1}25\r\n{100}{199}Hello|World!\r\n");
    panel().ShowLine(2, ShowFull);
    key(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(doc().LineCount, 3);
    EXPECT_EQ(doc().line(2).From, 100);
    EXPECT_EQ(doc().line(2).Last, 143);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Hello"));
    EXPECT_EQ(doc().line(3).From, 146);
    EXPECT_EQ(doc().line(3).Last, 199);
    EXPECT_EQ(doc().line(3).Text, QByteArray("World!"));
    EXPECT_EQ(form->context().search->table()->model()->rowCount(), 3);
    EXPECT_EQ(form->context().status.text(2), QStringLiteral("3"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(TitleCommandsTest, InsertAndAddTakeTheirFramesFromTheNeighbours)
{
    open("{1}{1}25\r\n{50}{100}A\r\n{200}{300}B\r\n{400}{500}C\r\n");
    panel().ShowLine(3, ShowFull);
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(doc().CurrentLine, 3);
    EXPECT_EQ(doc().line(3).From, 102);
    EXPECT_EQ(doc().line(3).Last, 198);
    EXPECT_EQ(doc().line(4).Text, QByteArray("B"));

    panel().ShowLine(doc().LineCount, ShowFull);
    key(Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    const int last = doc().LineCount;
    EXPECT_EQ(doc().CurrentLine, last);
    EXPECT_EQ(doc().line(last).From, 503);
    EXPECT_EQ(doc().line(last).Last, 528);
}

TEST_F(TitleCommandsTest, JoinKeepsTheLastFrameWhenTheNextEndWasMissing)
{
    open("{1}{1}25\r\n{100}{150}Prvn\xED\r\n{160}{}Druh\xFD\r\n{300}{350}T\xF8" "et\xED\r\n");
    panel().ShowLine(2, ShowFull);
    answers = {MsgResult::Yes};
    key(Qt::Key_J, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].defaultButton, MsgResult::Yes);
    EXPECT_EQ(doc().LineCount, 3);
    EXPECT_EQ(doc().line(2).Last, 150);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Prvn\xED|Druh\xFD"));
    EXPECT_EQ(form->context().status.text(4), QStringLiteral("LAST not accepted due frame number mischmatch: {}"));
}

TEST_F(TitleCommandsTest, DeleteAsksWithNoAsTheDefault)
{
    open("{1}{1}25\r\n{100}{150}A\r\n{160}{200}B\r\n");
    panel().ShowLine(2, ShowFull);
    answers = {MsgResult::No};
    key(Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].defaultButton, MsgResult::No);
    EXPECT_EQ(messages[0].text, QStringLiteral("Opravdu smazat titulek? (Nelze \"Zp\u011Bt\")"));
    EXPECT_EQ(doc().LineCount, 3);
    EXPECT_EQ(form->context().status.text(4), QStringLiteral("\u017D\u00E1dn\u00FD titulek nebyl smaz\u00E1n"));
    answers = {MsgResult::Yes};
    form->context().title->MenuTitleDeleteLineClick();
    EXPECT_EQ(doc().LineCount, 2);
    EXPECT_EQ(doc().line(2).Text, QByteArray("B"));
    EXPECT_EQ(form->context().status.text(4), QStringLiteral("Titulek byl smaz\u00E1n"));
}

TEST_F(TitleCommandsTest, AFullDocumentRefusesNewSubtitles)
{
    QByteArray big = "{1}{1}25\r\n";
    for (int i = 1; i < Document::Capacity; ++i)
        big += "{" + QByteArray::number(i * 10) + "}{" + QByteArray::number(i * 10 + 5) + "}x\r\n";
    open(big);
    ASSERT_EQ(doc().LineCount, Document::Capacity);
    panel().ShowLine(10, ShowFull);
    for (CommandId command : {CommandId::MenuTitleInsertEmptyLine, CommandId::MenuTitleAddEmptyLine,
                              CommandId::MenuTitleSplit2Line}) {
        messages.clear();
        trigger(command);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("Dal\u0161\u00ED titulky ji\u017E nelze p\u0159idat"));
        EXPECT_EQ(doc().LineCount, Document::Capacity);
    }
}

TEST_F(TitleCommandsTest, UndoWholeLineRestoresTheSavedRecord)
{
    open("{1}{1}25\r\n{100}{150}P\xF9vodn\xED\r\n");
    panel().ShowLine(2, ShowFull);
    QAction *undo = form->commands().action(CommandId::MenuEditUndoWholeLine);
    EXPECT_FALSE(undo->isEnabled());
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("Nov\u00FD text"));
    typeInto(ctl<QLineEdit>("EditFrameLast"), QStringLiteral("170"));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().line(2).Text, QByteArray("P\xF9vodn\xED"));
    EXPECT_EQ(doc().line(2).Last, 150);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
}

TEST_F(TitleCommandsTest, DialogueDashesNeedARowBreak)
{
    open("{1}{1}25\r\n{100}{150}Kde jsi byl\r\n");
    panel().ShowLine(2, ShowFull);
    key(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(form->context().status.text(4), QStringLiteral("Text titulku mus\u00ED b\u00FDt alespo\u0148 1x zalomen!"));
    EXPECT_EQ(doc().line(2).Text, QByteArray("Kde jsi byl"));
}

TEST_F(TitleCommandsTest, FocusAndFlagCommands)
{
    open("{1}{1}25\r\n{100}{150}A\r\n");
    panel().ShowLine(2, ShowFull);
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(ctl<QLineEdit>("EditFrameFrom")->hasFocus());
    key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(ctl<QLineEdit>("EditFrameLast")->hasFocus());
    key(Qt::Key_F4);
    EXPECT_TRUE(ctl<QLineEdit>("EditSubtitle")->hasFocus());
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(ctl<QLineEdit>("EditCurrentLineIndex")->hasFocus());
    key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(doc().line(2).Lock, 1);
    key(Qt::Key_F11);
    EXPECT_EQ(doc().line(2).Mark, 1);
    EXPECT_EQ(cell(2, 4), QStringLiteral("Ano"));
}

TEST_F(TitleCommandsTest, PasteReachesOnlyTheListedFields)
{
    open("{1}{1}25\r\n{100}{150}A\r\n");
    panel().ShowLine(2, ShowFull);
    QApplication::clipboard()->setText(QStringLiteral("vlo\u017Eeno"));
    form->context().search->MenuShowTableClick();
    QApplication::setActiveWindow(form->context().search->table());
    form->context().search->table()->grid()->setFocus();
    QTest::keyClick(form->context().search->table()->grid(), Qt::Key_V, Qt::ControlModifier);
    trigger(CommandId::MenuEditPaste);
    EXPECT_EQ(ctl<QLineEdit>("EditSubtitle")->text(), QStringLiteral("A"));
    EXPECT_EQ(doc().line(2).Text, QByteArray("A"));

    QApplication::setActiveWindow(form.get());
    ctl<QLineEdit>("EditSubtitle")->setFocus();
    QTest::keyClick(ctl<QLineEdit>("EditSubtitle"), Qt::Key_End);
    QTest::keyClick(ctl<QLineEdit>("EditSubtitle"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ctl<QLineEdit>("EditSubtitle")->text(), QStringLiteral("Avlo\u017Eeno"));
    QTest::keyClick(ctl<QLineEdit>("EditSubtitle"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ctl<QLineEdit>("EditSubtitle")->text(), QStringLiteral("A"));
}

} // namespace

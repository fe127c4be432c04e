// The current-subtitle panel driven by real key events.
#include "gui_support.h"

#include "document/code_page.h"

#include <QAction>
#include <QCheckBox>
#include <QToolButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

const QByteArray FiveLines = "{1}{1}25\r\n{100}{150}Jedna\r\n{160}{200}Dv\xEC\r\n{210}{250}T\xF8i\r\n"
                             "{260}{300}}\xC8ty\xF8i\r\n";

class PanelTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        startWith(FiveLines);
    }
};

TEST_F(PanelTest, TypedFramesAreRepairedOrKeptAsTyped)
{
    form->ShowLine(3, ShowFull);
    typeInto(form->EditFrameFrom, QStringLiteral("1a2"));
    EXPECT_EQ(doc().line(3).From, 12);
    EXPECT_EQ(form->EditFrameFrom->text(), QStringLiteral("12"));

    typeInto(form->EditFrameFrom, QStringLiteral("0012"));
    EXPECT_EQ(doc().line(3).From, 12);
    EXPECT_EQ(form->EditFrameFrom->text(), QStringLiteral("0012"));

    typeInto(form->EditFrameFrom, QStringLiteral("-30"));
    EXPECT_EQ(doc().line(3).From, 30);

    typeInto(form->EditFrameFrom, QStringLiteral("0"));
    EXPECT_EQ(doc().line(3).From, 0);
    EXPECT_EQ(form->EditFrameFrom->text(), QStringLiteral("?"));
}

TEST_F(PanelTest, EmptiedFieldsTakeTheirNeighbours)
{
    form->ShowLine(4, ShowFull);
    typeInto(form->EditFrameFrom, QString());
    EXPECT_EQ(doc().line(4).From, 200); // the previous subtitle's end

    form->ShowLine(5, ShowFull);
    typeInto(form->EditFrameLast, QString());
    EXPECT_EQ(doc().line(5).Last, 300); // the last subtitle keeps its own
    form->ShowLine(3, ShowFull);
    typeInto(form->EditFrameLast, QString());
    EXPECT_EQ(doc().line(3).Last, 200); // the next subtitle's start, as just changed
}

TEST_F(PanelTest, StepButtonsClampAtOne)
{
    form->ShowLine(2, ShowFull);
    form->ButtonFrameFromInc->click();
    EXPECT_EQ(doc().line(2).From, 101);
    form->SetFrom(ShowFull, 1);
    form->ButtonFrameFromDec->click();
    EXPECT_EQ(doc().line(2).From, 1);
    form->SetFrom(ShowFull, -1);
    form->ButtonFrameFromInc->click();
    EXPECT_EQ(doc().line(2).From, 1);
    form->SetLast(ShowFull, 0);
    form->ButtonFrameLastDec->click();
    EXPECT_EQ(doc().line(2).Last, 1);
}

TEST_F(PanelTest, EscapeSwapsWithTheEntryTextAndStores)
{
    form->ShowLine(2, ShowFull);
    form->EditSubtitle->setFocus();
    form->EditSubtitle->selectAll();
    typeText(form->EditSubtitle, QStringLiteral("Nov\u00FD"));
    QTest::keyClick(form->EditSubtitle, Qt::Key_Escape);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Jedna"));
    QTest::keyClick(form->EditSubtitle, Qt::Key_Escape);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Nov\xFD"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(PanelTest, NavigationKeysMoveBetweenSubtitles)
{
    form->ShowLine(3, ShowFull);
    form->EditFrameFrom->setFocus();
    QTest::keyClick(form->EditFrameFrom, Qt::Key_Down);
    EXPECT_EQ(doc().CurrentLine, 4);
    QTest::keyClick(form->EditFrameFrom, Qt::Key_Up);
    QTest::keyClick(form->EditFrameFrom, Qt::Key_Up);
    EXPECT_EQ(doc().CurrentLine, 2);
    QTest::keyClick(form->EditFrameFrom, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().CurrentLine, 2);
    EXPECT_EQ(doc().line(2).From, 100);
    QTest::keyClick(form->EditFrameFrom, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(doc().line(2).From, 101);
    QTest::keyClick(form->EditFrameFrom, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(form->EditFrameFrom->text(), QStringLiteral("150")); // own end, not stored yet
    EXPECT_EQ(doc().line(2).From, 101);
}

TEST_F(PanelTest, UpInTheNumberFieldGoesBackToTheText)
{
    form->ShowLine(2, ShowFull);
    form->EditCurrentLineIndex->setFocus();
    QTest::keyClick(form->EditCurrentLineIndex, Qt::Key_Up);
    EXPECT_EQ(doc().CurrentLine, 1);
    EXPECT_TRUE(form->EditSubtitle->hasFocus());
}

TEST_F(PanelTest, NumberFieldClampsToTheDocument)
{
    typeInto(form->EditCurrentLineIndex, QStringLiteral("0"));
    EXPECT_EQ(doc().CurrentLine, 1);
    typeInto(form->EditCurrentLineIndex, QStringLiteral("9999"));
    EXPECT_EQ(doc().CurrentLine, 5);
    typeInto(form->EditCurrentLineIndex, QStringLiteral("4"));
    EXPECT_EQ(doc().CurrentLine, 4);
    EXPECT_EQ(form->LabelTXTP->text(), QStringLiteral("Dv\u011B"));
    EXPECT_EQ(form->LabelTXTN->text(), QStringLiteral("\u010Cty\u0159i"));
    EXPECT_TRUE(form->CheckBoxLOLN->isChecked());
}

TEST_F(PanelTest, ChangedFieldsTurnRedAndUndoRestoresTheLine)
{
    form->ShowLine(2, ShowFull);
    EXPECT_FALSE(form->BitBtnSubtitleUndo->isVisible());
    typeInto(form->EditFrameLast, QStringLiteral("155"));
    EXPECT_TRUE(form->PanelFrameLast->property("changed").toBool());
    EXPECT_TRUE(form->BitBtnSubtitleUndo->isVisible());
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));

    form->BitBtnSubtitleUndo->click();
    EXPECT_EQ(doc().line(2).Last, 150);
    EXPECT_FALSE(form->BitBtnSubtitleUndo->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
}

TEST_F(PanelTest, TypingASavedValueBackClearsTheModifiedMark)
{
    form->ShowLine(2, ShowFull);
    typeInto(form->EditFrameFrom, QStringLiteral("120"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    typeInto(form->EditFrameFrom, QStringLiteral("100"));
    form->CheckModified();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
    // A fraction shows as the same whole number but is still a change.
    form->SetFrom(ShowFull, 100.4);
    EXPECT_FALSE(form->PanelFrameFrom->property("changed").toBool());
    form->CheckModified();
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(PanelTest, LockIsAChangeButMarkIsNot)
{
    form->ShowLine(2, ShowFull);
    form->CheckBoxMark->click();
    EXPECT_EQ(doc().line(2).Mark, 1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
    form->CheckBoxLock->click();
    EXPECT_EQ(doc().line(2).Lock, 1);
    EXPECT_TRUE(form->CheckBoxLock->property("changed").toBool());
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(PanelTest, PreviewAppliesFormattingCodes)
{
    form->ShowLine(2, ShowFull);
    typeInto(form->EditSubtitle, QStringLiteral("{y:i}Ahoj|sv\u011Bte"));
    const QString plain = form->RTFpreview->toPlainText();
    EXPECT_EQ(plain, QStringLiteral("Ahoj\nsv\u011Bte"));
    QTextCursor c(form->RTFpreview->document());
    c.movePosition(QTextCursor::NextCharacter);
    EXPECT_TRUE(c.charFormat().fontItalic());
}

} // namespace

namespace {

TEST_F(PanelTest, ButtonsStoreWhatWasTypedBeforeMoving)
{
    form->ShowLine(2, ShowFull);
    typeInto(form->EditSubtitle, QStringLiteral("P\u0159eps\u00E1no"), false);
    form->BitBtnCurrentLineIndexInc->click();
    EXPECT_EQ(doc().line(2).Text, QByteArray("P\xF8" "eps\xE1no"));
    EXPECT_EQ(doc().CurrentLine, 3);

    typeInto(form->EditFrameFrom, QStringLiteral("170"), false);
    form->ButtonFrameFromInc->click();
    EXPECT_EQ(doc().line(3).From, 171); // the step starts from the typed value
}

TEST_F(PanelTest, SavingClearsTheChangeMarks)
{
    form->ShowLine(2, ShowFull);
    form->CheckBoxLock->click();
    typeInto(form->EditFrameLast, QStringLiteral("155"));
    ASSERT_TRUE(form->commands().action("MenuEditUndoWholeLine")->isEnabled());
    form->MenuFileSaveClick();
    EXPECT_FALSE(form->commands().action("MenuEditUndoWholeLine")->isEnabled());
    EXPECT_FALSE(form->CheckBoxLock->property("changed").toBool());
    EXPECT_FALSE(form->PanelFrameLast->property("changed").toBool());
}

TEST_F(PanelTest, ClosingWithUnstoredTypingAsksFirst)
{
    form->ShowLine(2, ShowFull);
    typeInto(form->EditSubtitle, QStringLiteral("neulo\u017Eeno"), false);
    answers = {MsgResult::No};
    form->close();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Zahodit zm\u011Bny?"));
    EXPECT_TRUE(form->isVisible());
}

} // namespace

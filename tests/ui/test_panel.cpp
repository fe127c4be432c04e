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
    panel().ShowLine(3, ShowFull);
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("1a2"));
    EXPECT_EQ(doc().line(3).From, 12);
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("12"));

    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("0012"));
    EXPECT_EQ(doc().line(3).From, 12);
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("0012"));

    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("-30"));
    EXPECT_EQ(doc().line(3).From, 30);

    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("0"));
    EXPECT_EQ(doc().line(3).From, 0);
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("?"));
}

TEST_F(PanelTest, EmptiedFieldsTakeTheirNeighbours)
{
    panel().ShowLine(4, ShowFull);
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QString());
    EXPECT_EQ(doc().line(4).From, 200); // the previous subtitle's end

    panel().ShowLine(5, ShowFull);
    typeInto(ctl<QLineEdit>("EditFrameLast"), QString());
    EXPECT_EQ(doc().line(5).Last, 300); // the last subtitle keeps its own
    panel().ShowLine(3, ShowFull);
    typeInto(ctl<QLineEdit>("EditFrameLast"), QString());
    EXPECT_EQ(doc().line(3).Last, 200); // the next subtitle's start, as just changed
}

TEST_F(PanelTest, StepButtonsClampAtOne)
{
    panel().ShowLine(2, ShowFull);
    ctl<QToolButton>("ButtonFrameFromInc")->click();
    EXPECT_EQ(doc().line(2).From, 101);
    panel().SetFrom(ShowFull, 1);
    ctl<QToolButton>("ButtonFrameFromDec")->click();
    EXPECT_EQ(doc().line(2).From, 1);
    panel().SetFrom(ShowFull, -1);
    ctl<QToolButton>("ButtonFrameFromInc")->click();
    EXPECT_EQ(doc().line(2).From, 1);
    panel().SetLast(ShowFull, 0);
    ctl<QToolButton>("ButtonFrameLastDec")->click();
    EXPECT_EQ(doc().line(2).Last, 1);
}

TEST_F(PanelTest, EscapeSwapsWithTheEntryTextAndStores)
{
    panel().ShowLine(2, ShowFull);
    ctl<QLineEdit>("EditSubtitle")->setFocus();
    ctl<QLineEdit>("EditSubtitle")->selectAll();
    typeText(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("Nov\u00FD"));
    QTest::keyClick(ctl<QLineEdit>("EditSubtitle"), Qt::Key_Escape);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Jedna"));
    QTest::keyClick(ctl<QLineEdit>("EditSubtitle"), Qt::Key_Escape);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Nov\xFD"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(PanelTest, NavigationKeysMoveBetweenSubtitles)
{
    panel().ShowLine(3, ShowFull);
    ctl<QLineEdit>("EditFrameFrom")->setFocus();
    QTest::keyClick(ctl<QLineEdit>("EditFrameFrom"), Qt::Key_Down);
    EXPECT_EQ(doc().CurrentLine, 4);
    QTest::keyClick(ctl<QLineEdit>("EditFrameFrom"), Qt::Key_Up);
    QTest::keyClick(ctl<QLineEdit>("EditFrameFrom"), Qt::Key_Up);
    EXPECT_EQ(doc().CurrentLine, 2);
    QTest::keyClick(ctl<QLineEdit>("EditFrameFrom"), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().CurrentLine, 2);
    EXPECT_EQ(doc().line(2).From, 100);
    QTest::keyClick(ctl<QLineEdit>("EditFrameFrom"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(doc().line(2).From, 101);
    QTest::keyClick(ctl<QLineEdit>("EditFrameFrom"), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("150")); // own end, not stored yet
    EXPECT_EQ(doc().line(2).From, 101);
}

TEST_F(PanelTest, UpInTheNumberFieldGoesBackToTheText)
{
    panel().ShowLine(2, ShowFull);
    ctl<QLineEdit>("EditCurrentLineIndex")->setFocus();
    QTest::keyClick(ctl<QLineEdit>("EditCurrentLineIndex"), Qt::Key_Up);
    EXPECT_EQ(doc().CurrentLine, 1);
    EXPECT_TRUE(ctl<QLineEdit>("EditSubtitle")->hasFocus());
}

TEST_F(PanelTest, NumberFieldClampsToTheDocument)
{
    typeInto(ctl<QLineEdit>("EditCurrentLineIndex"), QStringLiteral("0"));
    EXPECT_EQ(doc().CurrentLine, 1);
    typeInto(ctl<QLineEdit>("EditCurrentLineIndex"), QStringLiteral("9999"));
    EXPECT_EQ(doc().CurrentLine, 5);
    typeInto(ctl<QLineEdit>("EditCurrentLineIndex"), QStringLiteral("4"));
    EXPECT_EQ(doc().CurrentLine, 4);
    EXPECT_EQ(ctl<QLabel>("LabelTXTP")->text(), QStringLiteral("Dv\u011B"));
    EXPECT_EQ(ctl<QLabel>("LabelTXTN")->text(), QStringLiteral("\u010Cty\u0159i"));
    EXPECT_TRUE(ctl<QCheckBox>("CheckBoxLOLN")->isChecked());
}

TEST_F(PanelTest, ChangedFieldsTurnRedAndUndoRestoresTheLine)
{
    panel().ShowLine(2, ShowFull);
    EXPECT_FALSE(ctl<QToolButton>("BitBtnSubtitleUndo")->isVisible());
    const QRect field = ctl<QLineEdit>("EditSubtitle")->geometry();
    typeInto(ctl<QLineEdit>("EditFrameLast"), QStringLiteral("155"));
    EXPECT_TRUE(ctl<QFrame>("PanelFrameLast")->property("changed").toBool());
    EXPECT_TRUE(ctl<QToolButton>("BitBtnSubtitleUndo")->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(ctl<QLineEdit>("EditSubtitle")->geometry(), field); // the button had its room already
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));

    ctl<QToolButton>("BitBtnSubtitleUndo")->click();
    EXPECT_EQ(doc().line(2).Last, 150);
    EXPECT_FALSE(ctl<QToolButton>("BitBtnSubtitleUndo")->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
}

TEST_F(PanelTest, TypingASavedValueBackClearsTheModifiedMark)
{
    panel().ShowLine(2, ShowFull);
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("120"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("100"));
    form->context().model.checkModified();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
    // A fraction shows as the same whole number but is still a change.
    panel().SetFrom(ShowFull, 100.4);
    EXPECT_FALSE(ctl<QFrame>("PanelFrameFrom")->property("changed").toBool());
    form->context().model.checkModified();
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(PanelTest, LockIsAChangeButMarkIsNot)
{
    panel().ShowLine(2, ShowFull);
    ctl<QCheckBox>("CheckBoxMark")->click();
    EXPECT_EQ(doc().line(2).Mark, 1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
    ctl<QCheckBox>("CheckBoxLock")->click();
    EXPECT_EQ(doc().line(2).Lock, 1);
    EXPECT_TRUE(ctl<QCheckBox>("CheckBoxLock")->property("changed").toBool());
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(PanelTest, PreviewAppliesFormattingCodes)
{
    panel().ShowLine(2, ShowFull);
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("{y:i}Ahoj|sv\u011Bte"));
    const QString plain = ctl<QTextEdit>("RTFpreview")->toPlainText();
    EXPECT_EQ(plain, QStringLiteral("Ahoj\nsv\u011Bte"));
    QTextCursor c(ctl<QTextEdit>("RTFpreview")->document());
    c.movePosition(QTextCursor::NextCharacter);
    EXPECT_TRUE(c.charFormat().fontItalic());
}

// The window paints nothing under the preview, so the preview has to paint
// all of itself, its ground black.
TEST_F(PanelTest, PreviewPaintsItsWholeBox)
{
    panel().ShowLine(2, ShowFull);
    QTextEdit *preview = ctl<QTextEdit>("RTFpreview");
    QImage shot(preview->size(), QImage::Format_ARGB32);
    shot.fill(Qt::magenta);
    preview->render(&shot);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_NE(shot.pixel(x, y), QColor(Qt::magenta).rgba()) << x << "," << y;
    EXPECT_EQ(shot.pixel(shot.width() - 8, shot.height() / 2), QColor(Qt::black).rgba());
}

} // namespace

namespace {

TEST_F(PanelTest, ButtonsStoreWhatWasTypedBeforeMoving)
{
    panel().ShowLine(2, ShowFull);
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("P\u0159eps\u00E1no"), false);
    ctl<QToolButton>("BitBtnCurrentLineIndexInc")->click();
    EXPECT_EQ(doc().line(2).Text, QByteArray("P\xF8" "eps\xE1no"));
    EXPECT_EQ(doc().CurrentLine, 3);

    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("170"), false);
    ctl<QToolButton>("ButtonFrameFromInc")->click();
    EXPECT_EQ(doc().line(3).From, 171); // the step starts from the typed value
}

TEST_F(PanelTest, SavingClearsTheChangeMarks)
{
    panel().ShowLine(2, ShowFull);
    ctl<QCheckBox>("CheckBoxLock")->click();
    typeInto(ctl<QLineEdit>("EditFrameLast"), QStringLiteral("155"));
    ASSERT_TRUE(form->commands().action(CommandId::MenuEditUndoWholeLine)->isEnabled());
    form->context().file->MenuFileSaveClick();
    EXPECT_FALSE(form->commands().action(CommandId::MenuEditUndoWholeLine)->isEnabled());
    EXPECT_FALSE(ctl<QCheckBox>("CheckBoxLock")->property("changed").toBool());
    EXPECT_FALSE(ctl<QFrame>("PanelFrameLast")->property("changed").toBool());
}

TEST_F(PanelTest, ClosingWithUnstoredTypingAsksFirst)
{
    panel().ShowLine(2, ShowFull);
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("neulo\u017Eeno"), false);
    answers = {MsgResult::No};
    form->close();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Zahodit zm\u011Bny?"));
    EXPECT_TRUE(form->isVisible());
}

} // namespace

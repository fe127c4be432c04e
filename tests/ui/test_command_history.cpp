// Undo and redo of commands, driven by their keys in the main window.
#include "gui_support.h"

#include "document/code_page.h"

#include <QToolButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class CommandHistoryTest : public MainWindowFixture {
protected:
    QString caption(CommandId id) const { return form->commands().action(id)->text(); }
    bool buttonEnabled(CommandId id) const { return form->commands().toolButton(id)->isEnabled(); }
};

const QByteArray Film = "{1}{1}25\r\n{100}{150}A\r\n{200}{250}B\r\n{300}{350}C\r\n";

TEST_F(CommandHistoryTest, UndoingAShiftGivesBackTheFileByteForByte)
{
    startWith(Film);
    EXPECT_FALSE(buttonEnabled(CommandId::MenuEditUndoCommand));
    EXPECT_EQ(caption(CommandId::MenuEditUndoCommand), QString::fromUtf8("Zpět příkaz"));
    panel().ShowLine(2, ShowFull);
    typeIntoOperations(QStringLiteral("5"));
    answers = {MsgResult::Yes};
    key(Qt::Key_F9, Qt::AltModifier);
    ASSERT_EQ(doc().line(4).From, 305);
    EXPECT_EQ(caption(CommandId::MenuEditUndoCommand), QString::fromUtf8("Zpět: Posunout titulky..."));
    EXPECT_TRUE(buttonEnabled(CommandId::MenuEditUndoCommand));

    panel().ShowLine(4, ShowFull);
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(doc().line(4).From, 300);
    EXPECT_EQ(doc().CurrentLine, 2); // back where the shift was made
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("100"));
    EXPECT_FALSE(form->windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_EQ(caption(CommandId::MenuEditRedoCommand), QString::fromUtf8("Znovu: Posunout titulky..."));
    key(Qt::Key_F2);
    EXPECT_EQ(ReadAll(path("film.sub")), Film);

    key(Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().line(4).From, 305);
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_FALSE(buttonEnabled(CommandId::MenuEditRedoCommand));
}

// Typing stored with Enter is a step of its own; typing not yet stored is
// stored first, so undo takes it back before the command before it.
TEST_F(CommandHistoryTest, StoredTypingIsAStepAndTheFieldFollows)
{
    startWith(Film);
    panel().ShowLine(3, ShowFull);
    auto *text = ctl<QLineEdit>("EditSubtitle");
    typeInto(text, QStringLiteral("Bé"));
    EXPECT_EQ(caption(CommandId::MenuEditUndoCommand), QString::fromUtf8("Zpět: Editace textu"));
    typeInto(text, QStringLiteral("Cé"), false);
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text->text(), QString::fromUtf8("Bé"));
    EXPECT_EQ(CodePage::toUnicode(doc().line(3).Text), QString::fromUtf8("Bé"));
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text->text(), QStringLiteral("B"));
    EXPECT_FALSE(form->windowTitle().endsWith(QStringLiteral(" *")));
    // Opening again starts a new history.
    key(Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_TRUE(form->context().model.history().canUndo());
    form->context().file->OpenDocument(path("film.sub"));
    EXPECT_FALSE(form->context().model.history().canUndo());
}

} // namespace

// Editing that must never lose or damage what the file holds: documents
// larger than the editor, long texts, frames a file cannot hold, the
// frame-rate line, cancelled dialogs and exports.
#include "gui_support.h"

#include "document/code_page.h"
#include "document/file_name.h"
#include "document/frame_text.h"
#include "document/reader.h"
#include "operations/FOperations.h"

#include <QDir>
#include <QLineEdit>
#include <QTextEdit>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

using SafeEditingTest = MainWindowFixture;

QByteArray ManySubtitles(int count)
{
    QByteArray file = "{1}{1}25\r\n";
    for (int i = 1; i < count; ++i)
        file += "{" + QByteArray::number(i * 10) + "}{" + QByteArray::number(i * 10 + 5) + "}t" + QByteArray::number(i)
                + "\r\n";
    return file;
}

TEST_F(SafeEditingTest, AFileLargerThanTheDocumentIsNamedAndNotCutByASave)
{
    const QByteArray original = ManySubtitles(2600);
    startWith(original);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, QStringLiteral("Soubor obsahuje 2600 titulk\u016F, na\u010Dteno bylo jen prvn\u00EDch 2500.\r"
                                               "Po ulo\u017Een\u00ED do tohoto souboru by zbyl\u00E9 titulky chyb\u011Bly."));
    // F2 asks, No is the default and leads to Save As, which is cancelled.
    messages.clear();
    dialogs.clear();
    QTest::keyClick(form.get(), Qt::Key_F2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].defaultButton, MsgResult::No);
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(ReadAll(path("film.sub")), original);
    // Save As to another file writes the loaded part there and the original stays whole.
    fileAnswers = {path("part.sub")};
    trigger(CommandId::MenuFileSaveAs);
    EXPECT_EQ(ReadAll(path("film.sub")), original);
    EXPECT_TRUE(ReadAll(path("part.sub")).startsWith("{1}{1}25\r\n{10}{15}t1\r\n"));
}

TEST_F(SafeEditingTest, ATextCutAtReadingIsNamedAndNotWrittenOverTheFileUnasked)
{
    const QByteArray original = "{1}{1}25\r\n{100}{150}" + QByteArray(MaxLineLength + 10, 'y') + "\r\n";
    startWith(original);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, QStringLiteral("1 titulek byl del\u0161\u00ED ne\u017E 65536 znak\u016F, jeho text byl zkr\u00E1cen."))
        << messages[0].text.toStdString();
    messages.clear();
    QTest::keyClick(form.get(), Qt::Key_F2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].defaultButton, MsgResult::No);
    EXPECT_EQ(ReadAll(path("film.sub")), original);
}

TEST_F(SafeEditingTest, TheCutTextsWarningCountsInCzech)
{
    const QByteArray longText(MaxLineLength + 1, 'y');
    const struct {
        int cut;
        const char16_t *warning;
    } cases[] = {
        {3, u"3 titulky byly del\u0161\u00ED ne\u017E 65536 znak\u016F, jejich text byl zkr\u00E1cen."},
        {5, u"5 titulk\u016F bylo del\u0161\u00EDch ne\u017E 65536 znak\u016F, jejich text byl zkr\u00E1cen."},
    };
    start();
    for (const auto &c : cases) {
        QByteArray file = "{1}{1}25\r\n";
        for (int i = 1; i <= c.cut; ++i)
            file += "{" + QByteArray::number(i * 100) + "}{" + QByteArray::number(i * 100 + 50) + "}" + longText + "\r\n";
        WriteAll(path("film.sub"), file);
        messages.clear();
        form->context().file->OpenDocument(path("film.sub"));
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages[0].text, QString::fromUtf16(c.warning)) << messages[0].text.toStdString();
    }
}

TEST_F(SafeEditingTest, ATextLongerThanAFieldSurvivesAPlainSave)
{
    const QByteArray text(40000, 'a');
    const QByteArray original = "{1}{1}25\r\n{100}{150}" + text + "\r\n";
    startWith(original);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(ReadAll(path("film.sub")), original);
    EXPECT_EQ(doc().line(2).Text, text);
}

TEST_F(SafeEditingTest, AHugeTextIsShownInPartOnly)
{
    startWith("{1}{1}25\r\n{100}{150}" + QByteArray(60000, 'x') + "\r\n{160}{200}b\r\n");
    panel().ShowLine(2, ShowFull);
    EXPECT_LT(ctl<QTextEdit>("RTFpreview")->toPlainText().size(), 3000);
    EXPECT_EQ(ctl<QLineEdit>("EditSubtitle")->text().size(), 60000);
    panel().ShowLine(3, ShowFull);
    EXPECT_LT(ctl<QLabel>("LabelTXTP")->text().size(), 3000);
}

TEST_F(SafeEditingTest, AFrameTheFileCannotHoldIsRefusedWhereItIsTyped)
{
    startWith("{1}{1}25\r\n{100}{150}a\r\n");
    panel().ShowLine(2, ShowFull);
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("1e20"));
    EXPECT_EQ(doc().line(2).From, 100);
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("100"));
    EXPECT_EQ(form->context().status.text(StatusPanels::Message),
              CodePage::toUnicode(Texts.FrameOutOfRange));
}

TEST_F(SafeEditingTest, EscapeInTheFrameRateDialogCancels)
{
    answerModal<TFormOperations>([](TFormOperations *ops) {
        QTest::keyClick(ops->findChild<QLineEdit *>(QStringLiteral("EditFrames")), Qt::Key_Escape);
    });
    startWith("{100}{150}Ahoj\r\n{160}{200}Svete\r\n");
    EXPECT_EQ(doc().LineCount, 2);
    EXPECT_EQ(doc().line(1).Text, QByteArray("Ahoj"));
    EXPECT_FALSE(IsValidFPS(doc().FPS));
}

TEST_F(SafeEditingTest, InsertBeforeTheFrameRateLineGoesAfterIt)
{
    startWith("{1}{1}25\r\n{100}{150}a\r\n");
    panel().ShowLine(1, ShowFull);
    QTest::keyClick(ctl<QLineEdit>("EditSubtitle"), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_F2);
    const QByteArray saved = ReadAll(path("film.sub"));
    EXPECT_TRUE(saved.startsWith("{1}{1}25\r\n")) << saved.constData();
    EXPECT_FALSE(saved.contains('-')) << saved.constData();
    EXPECT_EQ(doc().CurrentLine, 2);
}

TEST_F(SafeEditingTest, AddInsideTheListClearsTheMessagePanel)
{
    startWith("{1}{1}25\r\n{100}{150}a\r\n{200}{250}b\r\n");
    panel().ShowLine(2, ShowFull);
    form->context().status.setText(StatusPanels::Message, QStringLiteral("old"));
    QTest::keyClick(ctl<QLineEdit>("EditSubtitle"), Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc().LineCount, 4);
    EXPECT_TRUE(form->context().status.text(StatusPanels::Message).isEmpty());
}

TEST_F(SafeEditingTest, AMissingCommandLineFileWhoseNameIsNotUtf8IsNamedReadably)
{
    const QByteArray name = QFile::encodeName(mDir.path()) + "/fil\xE9.sub";
    start(FileNameFromBytes(name));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("fil\uFFFD.sub\ris not existing subtitle file!")))
        << messages[0].text.toStdString();
}

} // namespace

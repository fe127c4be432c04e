// Every document is read, edited and saved in its own encoding.
#include "document/text_codec.h"
#include "editor/EncodingChoice.h"
#include "editor/FileChooser.h"
#include "gui_support.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class DocumentEncodingsTest : public MainWindowFixture {
protected:
    QString statusEncoding() const { return ctl<QLabel>("StatusBarPanel5")->text(); }
    QString statusMessage() const { return ctl<QLabel>("StatusBarPanel4")->text(); }
    QLineEdit *textField() const { return ctl<QLineEdit>("EditSubtitle"); }
    void goToLine(int line) { typeInto(ctl<QLineEdit>("EditCurrentLineIndex"), QString::number(line)); }
};

const QString Czech = QStringLiteral(u"Příliš žluťoučký kůň");
const QString Russian = QStringLiteral(u"Съешь же ещё|этих булок");
const QString Polish = QStringLiteral(u"Zażółć gęślą jaźń");

QByteArray Utf8File(const QString &second)
{
    return "{1}{1}25\r\n{10}{20}" + Czech.toUtf8() + "\r\n{30}{40}" + second.toUtf8() + "\r\n{50}{60}" + Polish.toUtf8()
           + "\r\n";
}

// A translator's UTF-8 file, with and without a mark, opens readable; what
// is typed in three alphabets is saved by F2 in UTF-8, the mark kept.
TEST_F(DocumentEncodingsTest, AUtf8FileIsEditedAndSavedInUtf8)
{
    startWith(Utf8File(Russian));
    for (const QByteArray &mark : {QByteArray(), QByteArray(Utf8Bom)}) {
        SCOPED_TRACE(mark.size());
        const QString file = path(mark.isEmpty() ? "film.sub" : "marked.sub");
        if (!mark.isEmpty()) {
            WriteAll(file, mark + Utf8File(Russian));
            fileAnswers = {file};
            trigger(CommandId::MenuFileOpen);
        }
        EXPECT_EQ(statusEncoding(), mark.isEmpty() ? QStringLiteral("UTF-8") : QStringLiteral("UTF-8 BOM"));
        goToLine(3);
        EXPECT_EQ(textField()->text(), Russian);
        const QString typed = QStringLiteral(u"Ещё раз, pánové|żółw");
        typeInto(textField(), typed);
        QTest::keyClick(form.get(), Qt::Key_F2);
        EXPECT_EQ(ReadAll(file), mark + Utf8File(typed));
    }
}

// A single-byte document refuses, as it is typed, a character it cannot
// store, and says which.
TEST_F(DocumentEncodingsTest, ACharacterTheCodePageCannotHoldIsRefusedAtTheField)
{
    startWith("{1}{1}25\r\n{10}{20}\xC8" "au\r\n");
    EXPECT_EQ(statusEncoding(), QStringLiteral("windows-1250"));
    goToLine(2);
    textField()->setFocus();
    QTest::keyClick(textField(), Qt::Key_End);
    typeText(textField(), QStringLiteral(u"ж"));
    EXPECT_EQ(textField()->text(), QStringLiteral(u"Čau"));
    EXPECT_TRUE(statusMessage().contains(QStringLiteral(u"ж"))) << statusMessage().toStdString();
    EXPECT_TRUE(statusMessage().contains(QStringLiteral("windows-1250")));
    typeText(textField(), QStringLiteral(u"ř"));
    QTest::keyClick(textField(), Qt::Key_Return);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(ReadAll(path("film.sub")), "{1}{1}25\r\n{10}{20}\xC8" "au\xF8\r\n");
}

// A file guessed wrong is read again in the encoding chosen, shown first in
// the preview; saved as another encoding, the document takes that one, and
// a text the new one cannot hold stops the save.
TEST_F(DocumentEncodingsTest, ReloadInAnotherEncodingAndSaveAsConverts)
{
    const QByteArray cyrillic = "{1}{1}25\r\n{10}{20}" + TextCodec("windows-1251").fromUnicode(Russian) + "\r\n";
    startWith(cyrillic);
    QString preview;
    answerModal<QDialog>([&preview](QDialog *dialog) {
        if (dialog->objectName() != QStringLiteral("ReloadEncodingDialog"))
            return;
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("ComboEncoding"));
        combo->setCurrentIndex(combo->findText(QStringLiteral("windows-1251")));
        preview = dialog->findChild<EncodingChoice *>()->previewText();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    trigger(CommandId::MenuFileReloadEncoding);
    EXPECT_TRUE(preview.contains(Russian)) << preview.toStdString();
    EXPECT_EQ(statusEncoding(), QStringLiteral("windows-1251"));
    goToLine(2);
    EXPECT_EQ(textField()->text(), Russian);

    // Save as asks for an encoding, starting on the document's own.
    QByteArray offered;
    SetFileDialogHandler([&](const FileDialogRequest &r) {
        offered = *r.encoding;
        *r.encoding = "UTF-8";
        return path("utf.sub");
    });
    trigger(CommandId::MenuFileSaveAs);
    EXPECT_EQ(offered, "windows-1251");
    EXPECT_EQ(ReadAll(path("utf.sub")), "{1}{1}25\r\n{10}{20}" + Russian.toUtf8() + "\r\n");
    EXPECT_EQ(statusEncoding(), QStringLiteral("UTF-8"));
    EXPECT_EQ(textField()->text(), Russian);

    messages.clear();
    SetFileDialogHandler([&](const FileDialogRequest &r) {
        *r.encoding = "windows-1250";
        return path("czech.sub");
    });
    trigger(CommandId::MenuFileSaveAs);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral(u"Съешь"))) << messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(path("czech.sub")));
}

// The open dialog previews the chosen file as the chosen encoding reads it
// and hands the choice on.
TEST(EncodingChoiceTest, TheOpenDialogPreviewsAndHandsOnTheEncoding)
{
    LoadDefaultTexts();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteAll(dir.filePath(QStringLiteral("ru.sub")), "{10}{20}" + TextCodec("windows-1251").fromUnicode(Russian) + "\r\n");
    QByteArray encoding;
    FileChooser chooser(nullptr, {false, QStringLiteral("Open"), "Titulky|*.SUB", dir.path(), &encoding});
    chooser.show();
    EncodingChoice *choice = chooser.encodingChoice();
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->combo()->currentText(), QStringLiteral("automaticky"));
    chooser.list()->setCurrentItem(chooser.list()->findItems(QStringLiteral("ru.sub"), Qt::MatchExactly).value(0));
    EXPECT_FALSE(choice->previewText().contains(Russian));
    choice->combo()->setCurrentIndex(choice->combo()->findText(QStringLiteral("windows-1251")));
    EXPECT_EQ(choice->previewText(), QStringLiteral("{10}{20}") + Russian);
    QTest::keyClick(chooser.nameEdit(), Qt::Key_Return);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(encoding, "windows-1251");
}

} // namespace

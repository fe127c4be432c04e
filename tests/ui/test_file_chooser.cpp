// The file dialog lists and hands on every file, also one whose name is
// not UTF-8, and such a file opens, saves and backs up under its own name.
#include "config/language_table.h"
#include "document/code_page.h"
#include "document/file_name.h"
#include "editor/FileChooser.h"
#include "gui_support.h"
#include "io_test_support.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

const QByteArray TitleFilter = "Titulky MicroDVD (*.TXT;*.SUB)|*.TXT;*.SUB|V\x9A" "echny soubory (*.*)|*.*";

QStringList Shown(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QListWidgetItem *ItemShowing(const QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

TEST(FileChooser, ListsFoldersThenMatchingFilesWhateverTheirBytes)
{
    LoadDefaultTexts();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    for (const QByteArray &name : {QByteArray("f\xE9lm.sub"), QByteArray("B.TXT"), QByteArray("movie.avi"),
                                  QByteArray(".hidden.sub")})
        ASSERT_TRUE(WriteRawNamed(folder + name, "{1}{1}25\r\n"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("zfolder")));

    FileChooser chooser(nullptr, {false, QStringLiteral("Open"), TitleFilter, dir.path()});
    chooser.show();
    const QString odd = QStringLiteral("f\uFFFDlm.sub");
    EXPECT_EQ(Shown(chooser.list()), QStringList({"..", "zfolder", "B.TXT", odd}));
    chooser.findChild<QComboBox *>(QStringLiteral("ComboFilter"))->setCurrentIndex(1);
    EXPECT_EQ(Shown(chooser.list()), QStringList({"..", "zfolder", "B.TXT", odd, "movie.avi"}));

    // Entering a folder and leaving it again.
    chooser.list()->itemActivated(ItemShowing(chooser.list(), QStringLiteral("zfolder")));
    EXPECT_EQ(Shown(chooser.list()), QStringList({".."}));
    chooser.list()->itemActivated(ItemShowing(chooser.list(), QStringLiteral("..")));

    chooser.list()->setCurrentItem(ItemShowing(chooser.list(), odd));
    EXPECT_EQ(chooser.nameEdit()->text(), odd);
    QTest::keyClick(chooser.nameEdit(), Qt::Key_Return);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(FileNameBytes(chooser.chosen()), folder + "f\xE9lm.sub");
}

using FileNameWindowTest = MainWindowFixture;

TEST_F(FileNameWindowTest, ANameThatIsNotUtf8OpensFromTheCommandLineAndSavesWithABackup)
{
    const QByteArray name = QFile::encodeName(mDir.path()) + "/f\xE9lm.sub";
    ASSERT_TRUE(WriteRawNamed(name, "{1}{1}25\r\n{100}{150}Ahoj\r\n"));
    start(FileNameFromBytes(name));
    EXPECT_TRUE(messages.empty()) << messages[0].text.toStdString();
    ASSERT_EQ(doc().LineCount, 2);
    EXPECT_TRUE(form->windowTitle().contains(QStringLiteral("f\uFFFDlm.sub"))) << form->windowTitle().toStdString();

    panel().ShowLine(2, ShowFull);
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("Nazdar"));
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(ReadRawNamed(name), "{1}{1}25\r\n{100}{150}Nazdar\r\n");
    EXPECT_EQ(ReadRawNamed(QFile::encodeName(mDir.path()) + "/f\xE9lm.BAK.0"), "{1}{1}25\r\n{100}{150}Ahoj\r\n");
}

TEST_F(FileNameWindowTest, ANameThatIsNotUtf8OpensFromTheOpenDialog)
{
    const QByteArray name = QFile::encodeName(mDir.path()) + "/f\xE9lm.sub";
    ASSERT_TRUE(WriteRawNamed(name, "{1}{1}25\r\n{100}{150}Ahoj\r\n"));
    start();
    SetFileDialogHandler({}); // the program's own dialog
    answerModal<FileChooser>([this](FileChooser *chooser) {
        if (chooser->windowTitle() != Unicode(Texts.OpenDialogTitle)) {
            chooser->reject(); // the movie dialog that follows
            return;
        }
        chooser->showFolder(mDir.path());
        chooser->list()->setCurrentItem(ItemShowing(chooser->list(), QStringLiteral("f\uFFFDlm.sub")));
        QTest::keyClick(chooser->nameEdit(), Qt::Key_Return);
    });
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    onModal = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([this] { return !propertiesShown.empty(); }, 5000));
    EXPECT_EQ(FileNameBytes(doc().SubFileName), name);
    EXPECT_EQ(doc().line(2).Text, "Ahoj");
}

} // namespace

// Start-up, caption rules, the discard guard and the file commands.
#include "gui_support.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "config/ConfigCommands.h"
#include "config/FHelp.h"
#include "editor/Startup.h"
#include "operations/FOperations.h"
#include "search/FTable.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

const QByteArray Sample = "{1}{1}25\r\n{100}{150}Ahoj|sv\xECte\r\n{160}{200}}Zam\xE8" "eno\r\n{210}{250}Konec\r\n";

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, StartsWithAnEmptyUntitledDocument)
{
    start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - Nepojmenovan\u00FD"));
    EXPECT_EQ(doc().LineCount, 1);
    EXPECT_EQ(doc().line(1).From, 1);
    EXPECT_EQ(form->context().status.text(2), QStringLiteral("1"));
    EXPECT_EQ(form->context().status.text(3), QStringLiteral("? fps"));
    EXPECT_EQ(form->context().status.text(0), QStringLiteral("Aktu\u00E1ln\u00ED sn\u00EDmek:"));
    // Every built command has its caption and its tool button its hint.
    EXPECT_EQ(form->commands().action(CommandId::MenuFileSave)->text(), QStringLiteral("&Ulo\u017Eit"));
    EXPECT_EQ(form->commands().action(CommandId::MenuFileSave)->shortcut(), QKeySequence(Qt::Key_F2));
    auto *saveButton = form->findChild<QToolButton *>(QStringLiteral("ToolButFileSave"));
    ASSERT_NE(saveButton, nullptr);
    EXPECT_EQ(saveButton->toolTip(), QStringLiteral("Ulo\u017Eit"));
}

TEST_F(MainWindowTest, OpensTheCommandLineFileAndShowsItsProperties)
{
    startWith(Sample);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
    ASSERT_EQ(propertiesShown.size(), 1u);
    EXPECT_EQ(propertiesShown[0], QStringLiteral("Po\u010Det titulk\u016F: 4"));
    EXPECT_EQ(doc().FPS, 25);
    EXPECT_EQ(form->context().status.text(3), QStringLiteral("25 fps"));
    EXPECT_EQ(doc().CurrentLine, 1);
}

TEST_F(MainWindowTest, CommandLineFileIsLookedUpInTheDefaultOpenFolder)
{
    QDir(mDir.path()).mkdir(QStringLiteral("subs"));
    WriteAll(path("subs/film.sub"), Sample);
    Settings.DefaultPath.Open = path("subs");
    {
        // The setting comes from the file, so write it there.
        QByteArray ini = ReadAll(mIni);
        ini.replace("Open=", "Open=" + path("subs").toLocal8Bit());
        WriteAll(mIni, ini);
    }
    start(QStringLiteral("film.sub"));
    EXPECT_EQ(doc().SubFileName, QFileInfo(path("subs/film.sub")).absoluteFilePath());
}

TEST_F(MainWindowTest, MissingCommandLineFileIsReported)
{
    start(QStringLiteral("nothing-here.sub"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Command line syntax error"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("First command line parameter\rnothing-here.sub\ris not existing subtitle file!"));
    EXPECT_EQ(doc().LineCount, 1);
}

TEST_F(MainWindowTest, OverlapsAreRepairedOnOpenAndMarkTheDocumentModified)
{
    startWith("{1}{1}25\r\n{100}{200}A\r\n{150}{250}B\r\n");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub *"));
    EXPECT_EQ(doc().line(3).From, 200);
    EXPECT_EQ(doc().line(3).FErr, QByteArray("!? 150"));
    EXPECT_EQ(doc().OverlapCount, 1);
}

TEST_F(MainWindowTest, FileWithoutFrameRateAsksAndInsertsOne)
{
    answerModal<TFormOperations>([](TFormOperations *ops) {
        // Focus moves only inside the active window: make it the dialog.
        QApplication::setActiveWindow(ops);
        auto *edit = ops->findChild<QLineEdit *>(QStringLiteral("EditFrames"));
        edit->setText(QStringLiteral("23,976"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(ops->findChild<QPushButton *>(QStringLiteral("ButtonOperationsDoThis")), Qt::Key_Return);
    });
    startWith("{100}{150}Ahoj\r\n{160}{200}Svete\r\n");
    EXPECT_DOUBLE_EQ(doc().FPS, 23.976);
    ASSERT_EQ(doc().LineCount, 3);
    EXPECT_EQ(doc().line(1).Text, QByteArray("23.976"));
    EXPECT_EQ(doc().line(1).Lock, 1);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Ahoj"));
}

TEST_F(MainWindowTest, FileWithoutSubtitlesFallsBackToANewDocument)
{
    startWith("just some text\r\nand more\r\n");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, QStringLiteral("Neplatn\u00FD form\u00E1t souboru titulk\u016F"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Chyba"));
    EXPECT_TRUE(doc().SubFileName.isEmpty());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - Nepojmenovan\u00FD"));
}

TEST_F(MainWindowTest, UnreadableFileOffersRetryAndKeepsTheDocument)
{
    start();
    panel().ShowLine(1, ShowFull);
    panel().SetText("rozepsano", ShowFull);
    answers = {MsgResult::Yes, MsgResult::Retry, MsgResult::Cancel};
    fileAnswers = {path("missing.sub")};
    form->context().file->MenuFileOpenClick();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(messages[1].defaultButton, MsgResult::Cancel);
    EXPECT_EQ(messages[1].text, QStringLiteral("Vstupn\u011B/V\u00FDstupn\u00ED chyba 2: Soubor nebyl nalezen"));
    EXPECT_EQ(doc().line(1).Text, QByteArray("rozepsano"));
}

TEST_F(MainWindowTest, SaveWritesLockMarksAndKeepsNumberedBackups)
{
    startWith(Sample);
    panel().ShowLine(4, ShowFull);
    panel().SetText("Zm\xECna", ShowFull);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(ReadAll(path("film.sub")),
              QByteArray("{1}{1}25\r\n{100}{150}Ahoj|sv\xECte\r\n{160}{200}}Zam\xE8" "eno\r\n{210}{250}Zm\xECna\r\n"));
    EXPECT_EQ(ReadAll(path("film.BAK.0")), Sample);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
    form->context().file->MenuFileSaveClick();
    EXPECT_TRUE(QFileInfo::exists(path("film.BAK.1")));
}

TEST_F(MainWindowTest, SaveOfANewDocumentAsksForANameAndCompletesIt)
{
    start();
    panel().SetText("Nov\xFD", ShowFull);
    fileAnswers = {path("novy")};
    form->context().file->MenuFileSaveClick();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].save);
    EXPECT_EQ(dialogs[0].title, QStringLiteral("Ulo\u017Eit titulky"));
    EXPECT_EQ(ReadAll(path("novy.TXT")), QByteArray("{1}{1}Nov\xFD\r\n"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - novy.TXT"));
}

TEST_F(MainWindowTest, ExportWritesNoLockMarksKeepsTheFileNameAndTheDocumentModified)
{
    startWith(Sample);
    panel().SetText("25", ShowFull);
    panel().ShowLine(3, ShowFull);
    panel().SetText("Jinak", ShowFull);
    fileAnswers = {path("export.sub")};
    form->context().file->MenuFileExportToClick();
    EXPECT_EQ(ReadAll(path("export.sub")),
              QByteArray("{1}{1}25\r\n{100}{150}Ahoj|sv\xECte\r\n{160}{200}Jinak\r\n{210}{250}Konec\r\n"));
    // The document's own file was not written: closing must still ask.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub *"));
    EXPECT_FALSE(form->context().file->ConfirmDiscard());
}

TEST_F(MainWindowTest, SaveToAReadOnlyPlaceReportsAndFallsBackToSaveAs)
{
    startWith(Sample);
    panel().SetText("x", ShowFull);
    form->context().model.setSubFileName(path("no-such-folder/film.sub"));
    dialogs.clear();
    answers = {MsgResult::Ok, MsgResult::No};
    form->context().file->MenuFileSaveClick();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Vstupn\u011B/V\u00FDstupn\u00ED chyba 3: Cesta nebyla nalezena"));
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    // The filter's folder is offered first; declined, Save As follows.
    EXPECT_EQ(messages[1].caption, QStringLiteral("Proto\u017Ee ulo\u017Een\u00ED souboru selhalo..."));
    EXPECT_EQ(messages[1].text, QStringLiteral("Chce\u0161 zkusit ulo\u017Eit soubor do slo\u017Eky:\r")
                                    + filterFolder() + QStringLiteral("/film.sub"));
    ASSERT_EQ(dialogs.size(), 1u); // Save As, cancelled here
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(MainWindowTest, FailedSaveCanGoToTheFilterFolder)
{
    startWith(Sample);
    panel().SetText("x", ShowFull);
    form->context().model.setSubFileName(path("no-such-folder/film.sub"));
    dialogs.clear();
    answers = {MsgResult::Ok, MsgResult::Yes};
    form->context().file->MenuFileSaveClick();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(doc().SubFileName, filterFolder() + QStringLiteral("/film.sub"));
    // Line 1, locked as the frame-rate line, holds no rate any more: its lock mark is kept.
    EXPECT_TRUE(ReadAll(filterFolder() + QStringLiteral("/film.sub")).startsWith("{1}{1}}x\r\n{100}{150}Ahoj"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - film.sub"));
}

// The filter's folder is open to others: what stands at the name there is
// never written through, and a file there is replaced only when agreed.
TEST_F(MainWindowTest, TheFilterFolderFallbackNeverWritesThroughALink)
{
    startWith(Sample);
    panel().SetText("x", ShowFull);
    const QString target = filterFolder() + QStringLiteral("/film.sub");
    WriteAll(path("outside.sub"), "keep me");
    ASSERT_TRUE(QFile::link(path("outside.sub"), target));
    form->context().model.setSubFileName(path("no-such-folder/film.sub"));
    messages.clear();
    answers = {MsgResult::Ok, MsgResult::Yes};
    form->context().file->MenuFileSaveClick();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, CodePage::toUnicode(Texts.SharedNameRefused) + '\r' + target);
    EXPECT_EQ(ReadAll(path("outside.sub")), "keep me");
    EXPECT_TRUE(QFileInfo(target).isSymLink());

    ASSERT_TRUE(QFile::remove(target));
    WriteAll(target, "{1}{2}old\r\n");
    form->context().model.setSubFileName(path("no-such-folder/film.sub"));
    messages.clear();
    answers = {MsgResult::Ok, MsgResult::Yes, MsgResult::No};
    form->context().file->MenuFileSaveClick();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, CodePage::toUnicode(Texts.AreYouSureToOverwrite) + '\r' + target);
    EXPECT_EQ(ReadAll(target), "{1}{2}old\r\n");
    messages.clear();
    answers = {MsgResult::Ok, MsgResult::Yes, MsgResult::Yes};
    form->context().file->MenuFileSaveClick();
    EXPECT_TRUE(ReadAll(target).startsWith("{1}{1}}x\r\n"));
    EXPECT_EQ(doc().SubFileName, target);
}

TEST_F(MainWindowTest, OverwriteIsConfirmedOnlyWithoutBackups)
{
    start();
    WriteAll(path("old.sub"), "{1}{2}stare\r\n");
    Settings.Main.CreateBAKfiles = false;
    fileAnswers = {path("old.sub")};
    answers = {MsgResult::No};
    form->context().file->MenuFileSaveAsClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Opravdu p\u0159epsat st\u00E1vaj\u00EDc\u00ED soubor?"));
    EXPECT_EQ(messages[0].defaultButton, MsgResult::No);
    EXPECT_EQ(ReadAll(path("old.sub")), QByteArray("{1}{2}stare\r\n"));
    Settings.Main.CreateBAKfiles = true;
}

TEST_F(MainWindowTest, DiscardGuardNamesTheMarkedCount)
{
    start();
    const struct { int marked; QByteArray LanguageTexts::*key; } cases[] = {
        {1, &LanguageTexts::LineIsMarked}, {4, &LanguageTexts::LinesIsMarked}, {5, &LanguageTexts::LinesAreMarked}};
    for (const auto &c : cases) {
        form->context().model.load([&c](Document &d) {
            d.LineCount = c.marked;
            for (int i = 1; i <= c.marked; ++i)
                d.line(i).Mark = 1;
            d.markSaved();
        });
        messages.clear();
        answers = {MsgResult::No};
        EXPECT_FALSE(form->context().file->ConfirmDiscard());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QString::number(c.marked) + QLatin1Char(' ') + CodePage::toUnicode(Texts.*c.key));
        EXPECT_EQ(messages[0].defaultButton, MsgResult::No);
    }
    // A modified document asks only whether to discard the changes.
    changeDoc([](Document &d) { d.line(1).Text = "zmena"; });
    messages.clear();
    answers = {MsgResult::Yes};
    EXPECT_TRUE(form->context().file->ConfirmDiscard());
    EXPECT_EQ(messages[0].text, QStringLiteral("Zahodit zm\u011Bny?"));
}

TEST_F(MainWindowTest, NewOnAModifiedDocumentAsksAndNoKeepsIt)
{
    start();
    panel().SetText("rozepsano", ShowFull);
    answers = {MsgResult::No};
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(doc().line(1).Text, QByteArray("rozepsano"));
    answers = {MsgResult::Yes};
    form->context().file->MenuFileNewClick();
    EXPECT_TRUE(doc().line(1).Text.isEmpty());
}

TEST_F(MainWindowTest, PropertiesOfANewDocument)
{
    start();
    form->context().search->RefreshProperties();
    auto *props = form->context().search->properties();
    EXPECT_EQ(props->label("LabelFileSize")->text(), QStringLiteral("Velikost souboru: ? bajt\u016F"));
    EXPECT_EQ(props->label("LabelLines")->text(), QStringLiteral("Po\u010Det titulk\u016F: 1"));
    EXPECT_EQ(props->label("LabelEmptyLines")->text(), QStringLiteral("Po\u010Det pr\u00E1zdn\u00FDch titulk\u016F: 1"));
}

TEST_F(MainWindowTest, ShowTableCommandTogglesTheOverview)
{
    start();
    QAction *show = form->commands().action(CommandId::MenuShowTable);
    QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(form->context().search->table()->isVisible());
    EXPECT_TRUE(show->isChecked());
    EXPECT_EQ(show->text(), QStringLiteral("Skr\u00FDt pře&hledov\u00E9 okno").replace(QStringLiteral("ře"), QStringLiteral("\u0159e")));
    form->context().search->table()->close();
    EXPECT_FALSE(form->context().search->table()->isVisible());
    EXPECT_FALSE(show->isChecked());
}

} // namespace

namespace {

TEST(Startup, RefusesToRunWithoutItsSettingsFile)
{
    QTemporaryDir dir;
    std::vector<MessageRequest> shown;
    SetMessageHandler([&](const MessageRequest &r) {
        shown.push_back(r);
        return MsgResult::Ok;
    });
    const QString exe = dir.filePath(QStringLiteral("cuefold"));
    EXPECT_EQ(RunCuefold(exe, {exe}), 1);
    SetMessageHandler({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Fatal Error!"));
    EXPECT_EQ(shown[0].icon, MsgIcon::Stop);
    EXPECT_EQ(shown[0].text, QStringLiteral("Program Cuefold can't continue! Missing file\r") + exe + QStringLiteral(".INI"));
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TForm1 *>(w), nullptr);
}

} // namespace

namespace {

TEST_F(MainWindowTest, SavedToolBarRowsAreRestored)
{
    QByteArray ini = ReadAll(mIni);
    ini.replace("[Main]\r\n", "[Main]\r\nSaveWindowPosition=1\r\n"); // the first key of a name wins
    ini.replace("ToolBarFileTop=-1", "ToolBarFileTop=80");
    for (const char *bar : {"Edit", "Search", "Title", "Common", "Player"})
        ini.replace("ToolBar" + QByteArray(bar) + "Top=-1", "ToolBar" + QByteArray(bar) + "Top=40");
    WriteAll(mIni, ini);
    start();
    QToolBar *file = form->commands().toolBar(ToolBarFileId);
    QToolBar *edit = form->commands().toolBar(ToolBarEditId);
    QApplication::processEvents();
    EXPECT_GT(file->y(), edit->y()); // the File bar moved to its own row below
    form->close();
    form.reset();
    const QByteArray saved = ReadAll(mIni);
    const auto value = [&](const QByteArray &key) {
        const qsizetype at = saved.indexOf(key + "=");
        return saved.mid(at + key.size() + 1, saved.indexOf('\r', at) - at - key.size() - 1).toInt();
    };
    EXPECT_GT(value("ToolBarFileTop"), value("ToolBarEditTop"));
}

} // namespace

namespace {

TEST_F(MainWindowTest, DefaultWindowShowsEveryToolButton)
{
    start();
    QApplication::processEvents();
    for (int id = 0; id < ToolBarCount; ++id) {
        const QToolBar *bar = form->commands().toolBar(id);
        const auto *overflow = bar->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button"));
        EXPECT_TRUE(overflow == nullptr || !overflow->isVisible()) << bar->objectName().toStdString();
    }
}

// A bar hidden through a whole run keeps its saved row for when it is shown.
TEST_F(MainWindowTest, HiddenToolBarKeepsItsRow)
{
    QByteArray ini = ReadAll(mIni);
    ini.replace("[Main]\r\n", "[Main]\r\nSaveWindowPosition=1\r\n");
    ini.replace("ShowToolbarFile=1", "ShowToolbarFile=0");
    ini.replace("ToolBarFileTop=-1", "ToolBarFileTop=80");
    for (const char *bar : {"Edit", "Search", "Title", "Common", "Player"})
        ini.replace("ToolBar" + QByteArray(bar) + "Top=-1", "ToolBar" + QByteArray(bar) + "Top=40");
    WriteAll(mIni, ini);
    start();
    form->close();
    form.reset();
    ini = ReadAll(mIni);
    EXPECT_TRUE(ini.contains("ToolBarFileTop=80\r\n"));
    WriteAll(mIni, ini.replace("ShowToolbarFile=0", "ShowToolbarFile=1"));
    start();
    QApplication::processEvents();
    EXPECT_GT(form->commands().toolBar(ToolBarFileId)->y(), form->commands().toolBar(ToolBarEditId)->y());
}

} // namespace

namespace {

TEST_F(MainWindowTest, HelpKeysOpenTheManualAndTheHistoryAndSilenceTheRemoteKeys)
{
    start();
    trigger(CommandId::MenuGirderInUse);
    ASSERT_FALSE(form->commands().action(CommandId::MenuGirderBreakLineLeft)->shortcut().isEmpty());
    QTest::keyClick(form.get(), Qt::Key_F1);
    TFormHelp *help = form->context().config->help();
    ASSERT_TRUE(QTest::qWaitFor([help] { return help->isVisible(); }, 2000));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("N\u00E1pov\u011Bda..."));
    EXPECT_TRUE(form->commands().action(CommandId::MenuGirderBreakLineLeft)->shortcut().isEmpty());
    QTest::keyClick(help, Qt::Key_F1, Qt::AltModifier);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Historie..."));
    help->close();
    EXPECT_EQ(form->commands().action(CommandId::MenuGirderBreakLineLeft)->shortcut(), QKeySequence(Qt::Key_F5));
}

} // namespace

namespace {

TEST_F(MainWindowTest, QtsOwnButtonsSpeakTheChosenLanguage)
{
    start();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Zru\u0161it"));
}

} // namespace

namespace {

TEST(FileDialogFilters, ListEachPatternOnce)
{
    EXPECT_EQ(NameFilters("Titulky MicroDVD (*.TXT;*.SUB)|*.TXT;*.SUB|V\x9A" "echny soubory (*.*)|*.*"),
              QStringList({QStringLiteral("Titulky MicroDVD (*.txt *.sub)"),
                           QStringLiteral("V\u0161echny soubory (*.*)")}));
}

} // namespace

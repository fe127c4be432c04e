// The settings window: Save, the previews undone by every other way out,
// the language list, the typed step and the first-run language choice.
#include "gui_support.h"

#include "config/ConfigCommands.h"
#include "config/FBrowse.h"
#include "config/FOptions.h"
#include "config/FontDialog.h"
#include "config/ini_file.h"
#include "config/settings_rows.h"
#include "search/FTable.h"
#include "search/SearchCommands.h"
#include "search/table_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QToolBar>
#include <csignal>
#include <sys/resource.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

const QByteArray Czech = "\xC8" "esky";

class OptionsWindowTest : public MainWindowFixture {
protected:
    // Numbers show with the desktop's decimal separator: a point unless a
    // test picks another desktop.
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        MainWindowFixture::SetUp();
    }

    void TearDown() override
    {
        SetFontDialogHandler({});
        MainWindowFixture::TearDown();
        QLocale::setDefault(mLocale);
    }

    const QLocale mLocale;

    // The settings file as the test wants it, with the filter folder kept
    // inside the test's folder.
    void writeSettings(const QByteArray &language)
    {
        WriteAll(mIni, "[Language]\r\n" + language + "[SubtitleFilter]\r\nSubPath="
                           + filterFolder().toLocal8Bit() + "\r\n");
    }

    TFormOptions *options() { return form->context().config->options(); }
    template<typename W>
    W *opt(const char *name)
    {
        W *w = options()->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void openOptions()
    {
        trigger(CommandId::MenuFileOptions);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(options()));
        QApplication::setActiveWindow(options());
        ASSERT_TRUE(QTest::qWaitForWindowActive(options()));
    }

    void restart()
    {
        form->context().model.reset(); // leave without questions
        form->close();
        form.reset();
        Settings = ProgramSettings{};
        start();
    }

    QString menuTitle(const char *menu) { return ctl<QMenu>(menu)->title(); }
    QToolBar *editBar() { return form->commands().toolBar(ToolBarEditId); }
};

} // namespace

TEST_F(OptionsWindowTest, SaveWritesEveryKeyAndARestartReadsThemBack)
{
    writeSettings("Preferred=" + Czech + "\r\n0=" + Czech + "\r\n1=English\r\n");
    for (const char *folder : {"open", "save", "export"})
        ASSERT_TRUE(QDir(mDir.path()).mkdir(QString::fromLatin1(folder)));
    start();
    openOptions();
    EXPECT_TRUE(opt<QCheckBox>("CheckBoxShowToolbarFile")->hasFocus());
    // Every check box the user can see changes its state.
    for (QCheckBox *box : options()->findChildren<QCheckBox *>())
        if (!box->isHidden())
            QTest::keyClick(box, Qt::Key_Space);
    QTest::keyClick(opt<QComboBox>("ComboBoxLanguage"), Qt::Key_Down);
    typeInto(opt<QLineEdit>("EditDelayFrames"), QStringLiteral("7"));
    typeInto(opt<QLineEdit>("EditAutosaveSeconds"), QStringLiteral("30"));
    typeInto(opt<QLineEdit>("EditRewindAfterSave"), QStringLiteral("4,5"));
    typeInto(opt<QLineEdit>("EditPlayerStep"), QStringLiteral("2,5"));
    typeInto(opt<QLineEdit>("EditSavePath"), path("save"));
    typeInto(opt<QLineEdit>("EditExportPath"), path("export"));
    answerModal<TFormBrowseFolder>([this](TFormBrowseFolder *browser) {
        browser->selectFolder(path("open"));
        browser->okButton()->click();
    });
    QTest::mouseClick(opt<QPushButton>("ButtonOpenPathBrowse"), Qt::LeftButton);
    EXPECT_EQ(opt<QLineEdit>("EditOpenPath")->text(), path("open"));
    EXPECT_EQ(opt<QLabel>("LabelOpenPath")->text(), QStringLiteral("Implicitn\u00ED slo\u017Eka pro \"Otev\u0159\u00EDt...\" - OK"));
    QFont chosen(QStringLiteral("DejaVu Sans"), 20);
    chosen.setBold(true);
    chosen.setItalic(true);
    SetFontDialogHandler([&](const FontChoice &, const FontApply &) { return FontChoice{chosen, 0x0000FF}; });
    QTest::mouseClick(opt<QPushButton>("ButtonFont"), Qt::LeftButton);
    EXPECT_EQ(panel().previewFont().pointSize(), 20);

    QTest::mouseClick(opt<QPushButton>("ButtonSave"), Qt::LeftButton);
    EXPECT_FALSE(options()->isVisible());
    EXPECT_FALSE(editBar()->isVisible());
    IniFile ini;
    ASSERT_TRUE(ini.load(mIni));
    const std::pair<const char *, std::vector<QByteArray>> keys[] = {
        // Tool-bar positions are written only where they can be used again.
        {"Main",
         {"ShowToolbarFile", "ShowToolbarEdit", "ShowToolbarSearch", "ShowToolbarTitle", "ShowToolbarCommon",
          "ShowToolbarPlayer", "ShowAllHints", "CreateBAKfiles", "GirderInUse", "SaveWindowPosition",
          "DelayFrames", "WindowTop", "WindowLeft", "WindowWidth", "WindowHeight", "SyncWindowTop",
          "SyncWindowLeft", "AnalysisWindowTop", "AnalysisWindowLeft", "TestWindowTop", "TestWindowLeft",
          "RangeWindowTop", "RangeWindowLeft", "TestReadSpeed", "TestMinDwell"}},
        {"Font", {"Charset", "Color", "Name", "Size", "Style"}},
        {"Table",
         {"ColumnsAutoWidth", "AutoShow", "SaveWindowPosition", "WindowTop", "WindowLeft", "WindowWidth",
          "WindowHeight", "ColFrom", "ColLast", "ColText", "ColLock", "ColMark", "ColFind", "ColFErr", "ColLErr",
          "ColWidth0", "ColWidth1", "ColWidth2", "ColWidth3", "ColWidth4", "ColWidth5", "ColWidth6", "ColWidth7",
          "ColWidth8"}},
        {"Player",
         {"AlwaysOnTop", "AutoRewind", "AutoPlayAfterSave", "ShowDisplay", "SendAllEvents",
          "PlayerFollowsCurrentTitle", "AutoNoSave", "SaveWindowPosition", "Zoom", "WindowTop", "WindowLeft",
          "RewindAfterSave", "PlayerStep"}},
        {"DefaultPath", {"Open", "Save", "Export"}},
        {"Language", {"Preferred"}},
    };
    for (const auto &[section, names] : keys)
        for (const QByteArray &name : names)
            EXPECT_TRUE(ini.value(section, name).has_value()) << section << "/" << name.constData();
    EXPECT_EQ(ini.value("Main", "DelayFrames"), QByteArray("7"));
    EXPECT_EQ(ini.value("Main", "AutosaveSeconds"), QByteArray("30"));
    EXPECT_EQ(ini.value("Player", "PlayerStep"), QByteArray("2.5"));
    EXPECT_EQ(ini.value("Font", "Style"), QByteArray("3"));
    EXPECT_EQ(ini.value("Language", "Preferred"), QByteArray("English"));

    restart();
    const ProgramSettings &s = Settings;
    for (int id = 0; id < ToolBarCount; ++id)
        EXPECT_FALSE(s.Main.ShowToolbar[id]) << id;
    EXPECT_FALSE(editBar()->isVisible());
    EXPECT_FALSE(s.Main.ShowAllHints);
    EXPECT_TRUE(s.Main.SaveWindowPosition && s.Table.SaveWindowPosition && s.Table.AutoShow);
    EXPECT_FALSE(s.Main.CreateBAKfiles);
    EXPECT_TRUE(s.Player.AutoNoSave && s.Player.ShowDisplay && s.Player.AutoRewind && s.Player.SaveWindowPosition);
    EXPECT_FALSE(s.Player.AlwaysOnTop || s.Player.AutoPlayAfterSave || s.Player.SendAllEvents);
    EXPECT_EQ(s.Main.DelayFrames, 7);
    EXPECT_DOUBLE_EQ(s.Player.RewindAfterSave, 4.5);
    EXPECT_DOUBLE_EQ(s.Player.PlayerStep, 2.5);
    EXPECT_EQ(s.DefaultPath.Open, path("open"));
    EXPECT_EQ(s.DefaultPath.Save, path("save"));
    EXPECT_EQ(s.DefaultPath.Export, path("export"));
    EXPECT_EQ(s.Font.Name, "DejaVu Sans");
    EXPECT_EQ(s.Font.Size, 20);
    EXPECT_EQ(s.Font.Style, FontBold | FontItalic);
    EXPECT_EQ(s.Font.Color, 0x0000FFu);
    EXPECT_EQ(s.Language.Preferred, "English");
    openOptions();
    EXPECT_EQ(opt<QLineEdit>("EditRewindAfterSave")->text(), QStringLiteral("4.5"));
    EXPECT_EQ(opt<QComboBox>("ComboBoxLanguage")->currentText(), QStringLiteral("English"));
    QTest::keyClick(options(), Qt::Key_Escape);
}

TEST_F(OptionsWindowTest, EveryControlOfTheSettingsRowsIsInTheWindow)
{
    start();
    for (const SettingRow &row : SettingRows()) {
        if (row.control.isEmpty())
            continue;
        const QWidget *control = options()->findChild<QWidget *>(QString::fromLatin1(row.control));
        ASSERT_NE(control, nullptr) << row.control.constData();
        // A check box shows a switch, an edit a number or a folder, the list a name.
        const SettingValue &value = row.defaultValue;
        EXPECT_EQ(control->inherits("QCheckBox"), std::holds_alternative<bool>(value)) << row.control.constData();
        EXPECT_EQ(control->inherits("QComboBox"), std::holds_alternative<QByteArray>(value)) << row.control.constData();
    }
}

TEST_F(OptionsWindowTest, EveryWayOutButSaveRevertsTheLivePreviews)
{
    writeSettings("Preferred=" + Czech + "\r\n0=" + Czech + "\r\n1=English\r\n");
    WriteAll(path("cuefold.English"), "[English]\r\nMenuFile=&File\r\nOptionsCaption=Settings\r\n");
    start();
    const std::pair<const char *, std::function<void()>> ways[] = {
        {"Esc", [this] { QTest::keyClick(options(), Qt::Key_Escape); }},
        {"Cancel", [this] { QTest::mouseClick(opt<QPushButton>("ButtonCancel"), Qt::LeftButton); }},
        {"close box", [this] { options()->close(); }},
    };
    for (const auto &[way, leave] : ways) {
        openOptions();
        QTest::keyClick(opt<QCheckBox>("CheckBoxShowToolbarEdit"), Qt::Key_Space);
        QTest::keyClick(opt<QComboBox>("ComboBoxLanguage"), Qt::Key_Down);
        EXPECT_FALSE(editBar()->isVisible()) << way;
        EXPECT_EQ(menuTitle("MenuFile"), QStringLiteral("&File")) << way;
        EXPECT_EQ(options()->windowTitle(), QStringLiteral("Settings")) << way;
        leave();
        EXPECT_FALSE(options()->isVisible()) << way;
        EXPECT_TRUE(editBar()->isVisible()) << way;
        EXPECT_EQ(menuTitle("MenuFile"), QStringLiteral("&Soubor")) << way;
        EXPECT_EQ(options()->windowTitle(), QStringLiteral("Nastaven\u00ED")) << way;
    }
    EXPECT_EQ(Settings.Language.Preferred, Czech);
}

// Everything shown follows a switch at once: the grid's yes and no, and the
// name of a document never saved.
TEST_F(OptionsWindowTest, ALiveSwitchLeavesNoTextOfTheOldLanguage)
{
    writeSettings("Preferred=" + Czech + "\r\n0=" + Czech + "\r\n1=English\r\n");
    WriteAll(path("cuefold.English"), "[English]\r\nTrue=Yes\r\nFalse=No\r\nDefaultNewName=Untitled\r\n");
    start();
    TableModel *grid = form->context().search->table()->model();
    ASSERT_EQ(grid->cellText(1, 4), QByteArray("Ne"));
    openOptions();
    QTest::keyClick(opt<QComboBox>("ComboBoxLanguage"), Qt::Key_Down);
    EXPECT_EQ(grid->cellText(1, 4), QByteArray("No"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - Untitled"));
    QTest::mouseClick(opt<QPushButton>("ButtonCancel"), Qt::LeftButton);
    EXPECT_EQ(grid->cellText(1, 4), QByteArray("Ne"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cuefold - Nepojmenovan\u00FD"));
}

TEST_F(OptionsWindowTest, LanguageListStopsAtTheFirstMissingNumber)
{
    writeSettings("Preferred=A\r\n0=A\r\n1=B\r\n3=D\r\n");
    start();
    auto *list = opt<QComboBox>("ComboBoxLanguage");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("A"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("B"));
}

TEST_F(OptionsWindowTest, LanguageFileWithOneTextChangesThatCaptionOnly)
{
    writeSettings("Preferred=English\r\n0=" + Czech + "\r\n1=English\r\n");
    WriteAll(path("cuefold.English"), "[English]\r\nMenuFile=&File\r\n");
    start();
    EXPECT_EQ(menuTitle("MenuFile"), QStringLiteral("&File"));
    EXPECT_EQ(form->commands().action(CommandId::MenuFileOptions)->text(), QStringLiteral("Na&staven\u00ED..."));
    EXPECT_EQ(menuTitle("MenuEdit"), QStringLiteral("\u00DApr&avy"));
    EXPECT_EQ(options()->windowTitle(), QStringLiteral("Nastaven\u00ED"));
}

TEST_F(OptionsWindowTest, TypedStepIsStoredAsANumberAndShownAsTyped)
{
    // A Czech desktop, whose decimal separator is the comma.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    start();
    openOptions();
    auto *step = opt<QLineEdit>("EditPlayerStep");
    typeInto(step, QStringLiteral("2,5"));
    const QString back = QStringLiteral("P\u0159evinout o  2,5 sec &zp\u011Bt");
    EXPECT_EQ(form->commands().action(CommandId::MenuPlayerStepBack)->text(), back);
    EXPECT_DOUBLE_EQ(Settings.Player.PlayerStep, 3); // pending until Save
    QTest::mouseClick(opt<QPushButton>("ButtonSave"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(Settings.Player.PlayerStep, 2.5);
    EXPECT_EQ(form->commands().action(CommandId::MenuPlayerStepBack)->text(), back);
    // Anything but a number goes back to the design value.
    openOptions();
    typeInto(step, QStringLiteral("abc"));
    EXPECT_EQ(step->text(), QStringLiteral("3"));
    // A gap beyond its limits becomes the limit, shown in the edit.
    auto *gap = opt<QLineEdit>("EditDelayFrames");
    typeInto(gap, QStringLiteral("-2147483648"));
    EXPECT_EQ(gap->text(), QStringLiteral("-1000"));
    QTest::mouseClick(opt<QPushButton>("ButtonSave"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(Settings.Player.PlayerStep, 3);
    EXPECT_EQ(Settings.Main.DelayFrames, -1000);
}

TEST_F(OptionsWindowTest, FirstRunShowsTheSettingsWindowBeforeTheDocument)
{
    writeSettings("0=" + Czech + "\r\n1=English\r\n");
    int asked = 0, askedWithDocument = 0;
    answerModal<TFormOptions>([&](TFormOptions *window) {
        ++asked;
        askedWithDocument += doc().isLoaded();
        EXPECT_EQ(window->selectedLanguage(), Czech);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    start();
    EXPECT_GT(asked, 0);
    EXPECT_EQ(askedWithDocument, 0);
    EXPECT_EQ(Settings.Language.Preferred, Czech);
    // A later start with the language stored does not ask again.
    const int askedFirst = asked;
    restart();
    EXPECT_EQ(asked, askedFirst);
}

TEST_F(OptionsWindowTest, FolderRowsVerifyAndSteerTheOpenDialog)
{
    start();
    openOptions();
    auto *edit = opt<QLineEdit>("EditOpenPath");
    auto *label = opt<QLabel>("LabelOpenPath");
    const QString caption = QStringLiteral("Implicitn\u00ED slo\u017Eka pro \"Otev\u0159\u00EDt...\"");
    typeInto(edit, path("missing"), false);
    EXPECT_EQ(label->text(), caption);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(label->text(), caption + QStringLiteral(" - Nespr\u00E1vn\u00E1"));
    trigger(CommandId::MenuFileOpen);
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back().folder, path("missing"));
    QTest::keyClick(options(), Qt::Key_Escape);
    trigger(CommandId::MenuFileOpen);
    EXPECT_EQ(dialogs.back().folder, QString());
}

TEST_F(OptionsWindowTest, GirderKeysAreOffWhileTheWindowIsOpen)
{
    start();
    trigger(CommandId::MenuGirderInUse);
    QAction *girderKey = form->commands().action(CommandId::MenuGirderBreakLineLeft);
    EXPECT_EQ(girderKey->shortcut(), QKeySequence(Qt::Key_F5));
    openOptions();
    EXPECT_TRUE(girderKey->shortcut().isEmpty());
    QTest::keyClick(options(), Qt::Key_Escape);
    EXPECT_EQ(girderKey->shortcut(), QKeySequence(Qt::Key_F5));
}

// A settings file that cannot be written is reported above the settings
// window, where the user pressed Save, not under it. The full disk is a file
// size limit of 0, which binds root too.
TEST_F(OptionsWindowTest, SaveErrorAppearsAboveTheSettingsWindow)
{
    start();
    openOptions();
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{0, old.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    QTest::mouseClick(opt<QPushButton>("ButtonSave"), Qt::LeftButton);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(messages[0].owner, options());
}

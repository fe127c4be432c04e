#include "child_process.h"
#include "config/ini_file.h"
#include "config/options_numbers.h"
#include "config/settings_io.h"
#include "document/code_page.h"
#include "document/file_name.h"
#include "document/io_error.h"
#include "raw_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

const QByteArray Czech = "\xC8" "esky";
const QSize FullHd(1920, 1080);

ProgramSettings readFrom(const QByteArray &bytes, SettingsReadResult *result = nullptr)
{
    CodePage::select("windows-1250");
    IniFile ini;
    ini.setBytes(bytes);
    ProgramSettings settings;
    const SettingsReadResult read = ReadSettings(ini, settings);
    if (result)
        *result = read;
    return settings;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// The read defaults of the settings table, checked field by field so that a
// wrong default names itself.
void expectTableDefaults(const ProgramSettings &s)
{
    for (bool shown : s.Main.ShowToolbar)
        EXPECT_TRUE(shown);
    EXPECT_TRUE(s.Main.ShowAllHints);
    EXPECT_TRUE(s.Main.CreateBAKfiles);
    EXPECT_FALSE(s.Main.GirderInUse);
    EXPECT_FALSE(s.Main.SaveWindowPosition);
    EXPECT_EQ(s.Main.DelayFrames, 2);
    EXPECT_EQ(s.Main.Window.Top, -1);
    EXPECT_EQ(s.Main.ToolBar[ToolBarEditId].Left, -1);
    EXPECT_EQ(s.Main.TestReadSpeed, 12);
    EXPECT_EQ(s.Main.TestMinDwell, 1000);
    EXPECT_EQ(s.Main.CodePage, "windows-1250");
    EXPECT_EQ(s.Font.Charset, 238);
    EXPECT_EQ(s.Font.Color, 65535u);
    EXPECT_EQ(s.PreviewFontColor, 65535u);
    EXPECT_EQ(s.Font.Name, "Tahoma");
    EXPECT_EQ(s.Font.Size, 14);
    EXPECT_EQ(s.Font.Style, 0);
    EXPECT_FALSE(s.Table.ColumnsAutoWidth);
    EXPECT_FALSE(s.Table.AutoShow);
    EXPECT_FALSE(s.Table.SaveWindowPosition);
    EXPECT_EQ(s.Table.ColumnPosition, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(s.Player.AlwaysOnTop);
    EXPECT_FALSE(s.Player.AutoRewind);
    EXPECT_TRUE(s.Player.AutoPlayAfterSave);
    EXPECT_FALSE(s.Player.ShowDisplay);
    EXPECT_FALSE(s.Player.SendAllEvents);
    EXPECT_TRUE(s.Player.PlayerFollowsCurrentTitle);
    EXPECT_FALSE(s.Player.AutoNoSave);
    EXPECT_FALSE(s.Player.SaveWindowPosition);
    EXPECT_EQ(s.Player.Zoom, 1);
    EXPECT_EQ(s.Player.RewindAfterSave, 5.0);
    EXPECT_EQ(s.Player.PlayerStep, 3.0);
    EXPECT_TRUE(s.DefaultPath.Open.isEmpty());
    EXPECT_TRUE(s.SubtitleFilter.Present);
    EXPECT_TRUE(s.SubtitleFilter.ReloadAvailable);
    EXPECT_EQ(s.SubtitleFilter.SubPath, DefaultSubtitleFolder());
}

} // namespace

TEST(Settings, OnlyALanguageSectionGivesDefaultsAndAFirstRun)
{
    SettingsReadResult result;
    const ProgramSettings s = readFrom("[Language]\r\n", &result);
    expectTableDefaults(s);
    EXPECT_TRUE(result.firstRun);
    EXPECT_EQ(s.Language.Names, QList<QByteArray>{Czech});
    EXPECT_EQ(s.Language.Preferred, Czech);
    EXPECT_TRUE(QDir(s.SubtitleFilter.SubPath).exists());
}

TEST(Settings, MalformedFilesGiveDefaults)
{
    const QByteArray files[] = {
        GarbageBytes(512 * 1024, 197),
        QByteArray(4096, '\0'),
        "[Main]\r\nDelayFrames=" + QByteArray(4 * 1024 * 1024, '9') + "\r\n",
        "[Main]\r\nDelayFrames=abc\r\nTestReadSpeed=\r\n[Font]\r\nSize=big\r\nName=\r\n",
        RawBytes("[Main]\r\nDelayFrames=\0" "5\r\n[Player]\r\nPlayerStep=3\0\r\n"),
        "[Player]\r\nRewindAfterSave=nan\r\nPlayerStep=1e999\r\n",
        "Main]\r\nDelayFrames=7\r\n",
    };
    for (const QByteArray &bytes : files) {
        const ProgramSettings s = readFrom(bytes);
        expectTableDefaults(s);
    }
}

TEST(Settings, DuplicateKeysTakeTheFirst)
{
    const ProgramSettings s = readFrom("[Main]\r\nDelayFrames=4\r\nDelayFrames=9\r\n");
    EXPECT_EQ(s.Main.DelayFrames, 4);
}

TEST(Settings, GapStaysWithinItsLimits)
{
    EXPECT_EQ(readFrom("[Main]\r\nDelayFrames=-2147483648\r\n").Main.DelayFrames, -MaxDelayFrames);
    EXPECT_EQ(readFrom("[Main]\r\nDelayFrames=2147483647\r\n").Main.DelayFrames, MaxDelayFrames);
    EXPECT_EQ(readFrom("[Main]\r\nDelayFrames=-3\r\n").Main.DelayFrames, -3);
}

TEST(Settings, LanguageListStopsAtTheFirstGap)
{
    SettingsReadResult result;
    const ProgramSettings s = readFrom("[Language]\r\nPreferred=B\r\n0=A\r\n1=B\r\n3=D\r\n", &result);
    EXPECT_EQ(s.Language.Names, (QList<QByteArray>{"A", "B"}));
    EXPECT_EQ(s.Language.Preferred, "B");
    EXPECT_FALSE(result.firstRun);
    EXPECT_EQ(readFrom("[Language]\r\n0=\r\n1=B\r\n").Language.Names, (QList<QByteArray>{Czech, "B"}));
    EXPECT_EQ(readFrom("[Language]\r\n1=\r\n2=C\r\n").Language.Names, QList<QByteArray>{Czech});
}

TEST(Settings, RepairsReadingSpeedAndDwellBelowOne)
{
    struct Case {
        QByteArray speed, dwell;
        int expectedSpeed, expectedDwell;
    };
    const Case cases[] = {
        {"0", "0", 12, 1000},
        {"-3", "-1", 12, 1000},
        {"1", "1", 1, 1},
        {"20", "1500", 20, 1500},
    };
    for (const Case &c : cases) {
        const ProgramSettings s = readFrom("[Main]\r\nTestReadSpeed=" + c.speed + "\r\nTestMinDwell=" + c.dwell + "\r\n");
        EXPECT_EQ(s.Main.TestReadSpeed, c.expectedSpeed);
        EXPECT_EQ(s.Main.TestMinDwell, c.expectedDwell);
    }
}

TEST(Settings, PositionsAreReadOnlyWhileSaved)
{
    const QByteArray positions = "WindowTop=10\r\nWindowLeft=20\r\nWindowWidth=800\r\nWindowHeight=600\r\n"
                                 "SyncWindowTop=30\r\nRangeWindowLeft=40\r\nToolBarFileTop=50\r\n";
    const ProgramSettings off = readFrom("[Main]\r\nSaveWindowPosition=0\r\n" + positions);
    EXPECT_EQ(off.Main.Window.Top, -1);
    EXPECT_EQ(off.Main.SyncWindow.Top, -1);
    EXPECT_EQ(off.Main.ToolBar[ToolBarFileId].Top, -1);

    const ProgramSettings on = readFrom("[Main]\r\nSaveWindowPosition=1\r\n" + positions);
    EXPECT_EQ(on.Main.Window.Top, 10);
    EXPECT_EQ(on.Main.Window.Height, 600);
    EXPECT_EQ(on.Main.SyncWindow.Top, 30);
    EXPECT_EQ(on.Main.RangeWindow.Left, 40);
    EXPECT_EQ(on.Main.ToolBar[ToolBarFileId].Top, 50);
}

TEST(Settings, ToolBarPositionsAtOrBelowTheLimitsAreNeitherReadNorWritten)
{
    const ProgramSettings s = readFrom("[Main]\r\nSaveWindowPosition=1\r\n"
                                       "ToolBarEditTop=1\r\nToolBarEditLeft=10\r\n"
                                       "ToolBarSearchTop=2\r\nToolBarSearchLeft=11\r\n");
    EXPECT_EQ(s.Main.ToolBar[ToolBarEditId].Top, -1);
    EXPECT_EQ(s.Main.ToolBar[ToolBarEditId].Left, -1);
    EXPECT_EQ(s.Main.ToolBar[ToolBarSearchId].Top, 2);
    EXPECT_EQ(s.Main.ToolBar[ToolBarSearchId].Left, 11);

    ProgramSettings toWrite;
    toWrite.Main.SaveWindowPosition = true;
    toWrite.Main.ToolBar[ToolBarEditId] = {1, 10, -1, -1};
    toWrite.Main.ToolBar[ToolBarSearchId] = {2, 11, -1, -1};
    IniFile ini;
    ini.setBytes("[Main]\r\nToolBarEditLeft=77\r\n");
    WriteSettings(ini, toWrite);
    EXPECT_EQ(ini.value("Main", "ToolBarEditLeft"), QByteArray("77"));
    EXPECT_FALSE(ini.value("Main", "ToolBarEditTop"));
    EXPECT_EQ(ini.value("Main", "ToolBarSearchTop"), QByteArray("2"));
    EXPECT_EQ(ini.value("Main", "ToolBarSearchLeft"), QByteArray("11"));
}

TEST(Settings, CheckColumnOrder)
{
    using Order = std::array<int, 8>;
    struct Case {
        Order in, out;
        bool valid;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}, true},
        {{8, 7, 6, 5, 4, 3, 2, 1}, {8, 7, 6, 5, 4, 3, 2, 1}, true},
        {{1, 1, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}, false},
        {{0, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}, true},  // 0 -> its own default 1
        {{9, 1, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}, false}, // 9 -> 1, taken twice
        {{2, 1, 3, 4, 5, 6, 7, -7}, {2, 1, 3, 4, 5, 6, 7, 8}, true}, // -7 -> 8
    };
    for (const Case &c : cases) {
        Order order = c.in;
        EXPECT_EQ(CheckColumnOrder(order), c.valid);
        EXPECT_EQ(order, c.out);
    }
}

TEST(Settings, ColumnWidthsApplyOnlyAboveFiveAndWithAValidOrder)
{
    const QByteArray table = "[Table]\r\nSaveWindowPosition=1\r\nWindowTop=0\r\nWindowLeft=0\r\n"
                             "WindowWidth=500\r\nWindowHeight=400\r\nColWidth3=5\r\nColWidth4=6\r\nColWidth8=120\r\n";
    const ProgramSettings valid = readFrom(table + "ColFrom=2\r\nColLast=1\r\n");
    EXPECT_EQ(valid.Table.ColumnPosition, (std::array<int, 8>{2, 1, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(valid.Table.ColWidth[3], -1);
    EXPECT_EQ(valid.Table.ColWidth[4], 6);
    EXPECT_EQ(valid.Table.ColWidth[8], 120);

    const ProgramSettings invalid = readFrom(table + "ColFrom=1\r\nColLast=1\r\n");
    EXPECT_EQ(invalid.Table.ColumnPosition, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(invalid.Table.ColWidth[4], -1);

    // Unset bounds mean a centred window and no stored columns at all.
    const ProgramSettings unset = readFrom("[Table]\r\nSaveWindowPosition=1\r\nColFrom=2\r\nColLast=1\r\nColWidth4=60\r\n");
    EXPECT_EQ(unset.Table.ColumnPosition[0], 1);
    EXPECT_EQ(unset.Table.ColWidth[4], -1);
}

TEST(Settings, FontStyleKeepsOnlyKnownBitsAndBadValuesFallBack)
{
    const ProgramSettings s = readFrom("[Font]\r\nStyle=31\r\nCharset=300\r\nColor=255\r\nSize=0\r\nName=Arial\r\n");
    EXPECT_EQ(s.Font.Style, FontBold | FontItalic | FontUnderline | FontStrikeOut);
    EXPECT_EQ(s.Font.Charset, 238);
    EXPECT_EQ(s.Font.Color, 255u);
    EXPECT_EQ(s.PreviewFontColor, 255u);
    EXPECT_EQ(s.Font.Size, 14);
    EXPECT_EQ(s.Font.Name, "Arial");
}

TEST(Settings, PlayerZoomAndFloats)
{
    const ProgramSettings s = readFrom("[Player]\r\nSaveWindowPosition=1\r\nZoom=5\r\nWindowTop=-1\r\nWindowLeft=200\r\n"
                                       "RewindAfterSave=2,5\r\nPlayerStep=abc\r\n");
    EXPECT_EQ(s.Player.Zoom, 1);
    EXPECT_EQ(s.Player.RewindAfterSave, 2.5);
    EXPECT_EQ(s.Player.PlayerStep, 3.0);
    EXPECT_EQ(ClampPlayerPosition(s.Player.WindowTop, s.Player.WindowLeft, FullHd), QPoint(200, 0));
    EXPECT_EQ(readFrom("[Player]\r\nSaveWindowPosition=1\r\nZoom=2\r\n").Player.Zoom, 2);
    EXPECT_EQ(readFrom("[Player]\r\nSaveWindowPosition=0\r\nZoom=2\r\nWindowTop=5\r\n").Player.Zoom, 1);
}

TEST(Settings, ClampMainWindow)
{
    EXPECT_FALSE(ClampMainWindow({-1, -1, -1, -1}, FullHd));
    struct Case {
        WindowBounds in, out;
    };
    const Case cases[] = {
        {{5000, 5000, 100, 100}, {980, 1820, 340, 200}},
        {{-20, -30, 800, 600}, {0, 0, 800, 600}},
        {{100, 200, 800, 600}, {100, 200, 800, 600}},
        {{700, 1500, 800, 600}, {480, 1120, 800, 600}},
    };
    for (const Case &c : cases) {
        const auto b = ClampMainWindow(c.in, FullHd);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->Top, c.out.Top);
        EXPECT_EQ(b->Left, c.out.Left);
        EXPECT_EQ(b->Width, c.out.Width);
        EXPECT_EQ(b->Height, c.out.Height);
    }
}

TEST(Settings, ClampTableWindowUsesItsOwnFallbackSize)
{
    EXPECT_FALSE(ClampTableWindow({-1, -1, -1, -1}, FullHd));
    const auto small = ClampTableWindow({10, 10, 339, 199}, FullHd);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Width, 320);
    EXPECT_EQ(small->Height, 240);
    const auto fits = ClampTableWindow({10, 10, 340, 200}, FullHd);
    EXPECT_EQ(fits->Width, 340);
    EXPECT_EQ(fits->Height, 200);
}

TEST(Settings, ClampToolWindowAndPlayer)
{
    const QSize tool(300, 200);
    EXPECT_FALSE(ClampToolWindow(-1, 100, tool, FullHd));
    EXPECT_FALSE(ClampToolWindow(100, -1, tool, FullHd));
    EXPECT_EQ(ClampToolWindow(100, 50, tool, FullHd), QPoint(50, 100));
    EXPECT_EQ(ClampToolWindow(1000, 1800, tool, FullHd), QPoint(1620, 880));

    struct Case {
        int top, left;
        QPoint expected;
    };
    const Case cases[] = {
        {-1, -1, {0, 0}},
        {-1, 200, {200, 0}},
        {1079, 1919, {1919, 1079}},
        {1080, 1920, {0, 0}},
        {300, -5, {0, 300}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClampPlayerPosition(c.top, c.left, FullHd), c.expected) << c.top << "," << c.left;
}

// A new user is asked for the language; after that the file comes back
// as shipped, with the choice filled in.
TEST(Settings, DefaultFileAsksForTheLanguageAndOtherwiseWritesBackUnchanged)
{
    IniFile ini;
    ASSERT_TRUE(ini.load(CUEFOLD_DEFAULT_INI));
    const QByteArray original = ini.bytes();
    EXPECT_FALSE(original.contains("\r\r"));
    EXPECT_EQ(original.count("\r\n"), original.count('\n'));

    CodePage::select("windows-1250");
    ProgramSettings s;
    const SettingsReadResult result = ReadSettings(ini, s);
    expectTableDefaults(s);
    EXPECT_TRUE(result.firstRun);
    EXPECT_EQ(s.Language.Preferred, Czech);
    EXPECT_EQ(s.Language.Names, (QList<QByteArray>{Czech, "English"}));

    WriteSettings(ini, s);
    QByteArray chosen = original;
    chosen.replace("[Language]\r\nPreferred=\r\n", "[Language]\r\nPreferred=" + Czech + "\r\n");
    EXPECT_EQ(ini.bytes(), chosen);
}

TEST(Settings, WriteKeepsUnknownSectionsAndKeysInOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("cuefold.INI");
    const QByteArray foreign = "; hand-made\r\n[Main]\r\nMyOwnKey=x\xE8y\r\nDelayFrames=2\r\n"
                               "[\xC8" "esky]\r\nMenuFile=&Soubor\r\n\r\n[Other]\r\nA = b \r\n";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(foreign);
    }
    ProgramSettings s;
    s.Main.DelayFrames = 7;
    s.Player.PlayerStep = 2.5;
    s.DefaultPath.Open = QStringLiteral("/home/u\u017E/titulky");
    s.Language.Preferred = Czech;
    ASSERT_EQ(WriteSettingsFile(path, s), NoIOError);

    const QByteArray written = readFile(path);
    EXPECT_TRUE(written.startsWith("; hand-made\r\n[Main]\r\nMyOwnKey=x\xE8y\r\nDelayFrames=7\r\n"));
    EXPECT_TRUE(written.contains("[\xC8" "esky]\r\nMenuFile=&Soubor\r\n\r\n[Other]\r\nA = b \r\n"));
    EXPECT_TRUE(written.contains("Open=/home/u\x9E/titulky\r\n"));
    EXPECT_LT(written.indexOf("[Other]"), written.indexOf("[Font]"));

    ProgramSettings back;
    ASSERT_TRUE(ReadSettingsFile(path, back));
    EXPECT_EQ(back.Main.DelayFrames, 7);
    EXPECT_EQ(back.Player.PlayerStep, 2.5);
    EXPECT_EQ(back.DefaultPath.Open, s.DefaultPath.Open);
    EXPECT_EQ(back.SubtitleFilter.SubPath, DefaultSubtitleFolder());
}

TEST(Settings, FoldersBeyondTheCodePageReadBackExactly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("cuefold.INI");
    ProgramSettings s;
    s.Language.Preferred = Czech;
    s.DefaultPath.Open = QStringLiteral("/home/eva/\u0424\u0438\u043B\u044C\u043C\u044B");
    s.DefaultPath.Save = QStringLiteral("/data/Espa\u00F1a \u00F1and\u00FA");
    s.DefaultPath.Export = QStringLiteral("UTF-8:relative"); // the mark itself, as a folder's name
    s.SubtitleFilter.SubPath = FileNameFromBytes("/srv/f\xE9lm/");
    ASSERT_EQ(WriteSettingsFile(path, s), NoIOError);
    EXPECT_FALSE(readFile(path).contains('?'));

    ProgramSettings back;
    ASSERT_TRUE(ReadSettingsFile(path, back));
    EXPECT_EQ(back.DefaultPath.Open, s.DefaultPath.Open);
    EXPECT_EQ(back.DefaultPath.Save, s.DefaultPath.Save);
    EXPECT_EQ(back.DefaultPath.Export, s.DefaultPath.Export);
    EXPECT_EQ(back.SubtitleFilter.SubPath, s.SubtitleFilter.SubPath);
}

TEST(Settings, WritesBackWhatWasReadAtStartUp)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("cuefold.INI");
    writeFile(path, "\xEF\xBB\xBF[Main]\r\nDelayFrames=5\r\n[English]\r\nMenuFile=&File\r\n");
    ProgramSettings s;
    ASSERT_TRUE(ReadSettingsFile(path, s));
    EXPECT_EQ(s.Main.DelayFrames, 5); // the byte-order mark hides no section

    // Replaced while the program runs: the language section read at
    // start-up goes back, with the program's keys.
    writeFile(path, "[Main]\r\nDelayFrames=9\r\n");
    s.Main.DelayFrames = 6;
    ASSERT_EQ(WriteSettingsFile(path, s), NoIOError);
    const QByteArray written = readFile(path);
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF[Main]\r\nDelayFrames=6\r\n"));
    EXPECT_EQ(written.count("[Main]"), 1);
    EXPECT_TRUE(written.contains("[English]\r\nMenuFile=&File\r\n"));

    // Removed meanwhile: made again, whole.
    QFile::remove(path);
    ASSERT_EQ(WriteSettingsFile(path, s), NoIOError);
    EXPECT_EQ(readFile(path), written);
}

TEST(Settings, ReadOnlyOrFullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("cuefold.INI");
    writeFile(path, "[Main]\r\nDelayFrames=5\r\n");
    ProgramSettings s;
    ASSERT_TRUE(ReadSettingsFile(path, s));
    const QByteArray old = readFile(path);
    EXPECT_EQ(RunInChild([&] {
        LimitFileSize(old.size());
        return WriteSettingsFile(path, s);
    }), DiskFullCode);
    EXPECT_EQ(readFile(path), old);
    // Root could write it; its bits say read-only, so it stays.
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_EQ(WriteSettingsFile(path, s), AccessDeniedCode);
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cuefold.INI"});
}

TEST(Settings, ConditionalKeysKeepTheirOldValueInTheFile)
{
    IniFile ini;
    ini.setBytes("[Main]\r\nWindowTop=33\r\n[Table]\r\nColWidth2=77\r\n[Player]\r\nZoom=2\r\n");
    ProgramSettings s; // every SaveWindowPosition off
    s.Main.Window = {1, 2, 3, 4};
    WriteSettings(ini, s);
    EXPECT_EQ(ini.value("Main", "WindowTop"), QByteArray("33"));
    EXPECT_EQ(ini.value("Table", "ColWidth2"), QByteArray("77"));
    EXPECT_EQ(ini.value("Player", "Zoom"), QByteArray("2"));
    EXPECT_FALSE(ini.value("Main", "WindowLeft"));
    EXPECT_FALSE(ini.value("Language", "0"));
}

TEST(Settings, FilesThatCannotBeReadOrWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ProgramSettings s;
    s.Main.DelayFrames = 9;
    EXPECT_FALSE(ReadSettingsFile(dir.filePath("missing.INI"), s));
    EXPECT_EQ(s.Main.DelayFrames, 9);
    EXPECT_EQ(WriteSettingsFile(dir.filePath("no/folder/cuefold.INI"), s), PathNotFoundCode);
    EXPECT_EQ(SettingsFilePath("/opt/cuefold/bin/cuefold"), "/opt/cuefold/bin/cuefold.INI");
    EXPECT_EQ(SettingsFilePath("C:/X/X.EXE"), "C:/X/X.INI");
}

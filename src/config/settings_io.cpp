#include "config/settings_io.h"

#include "config/ini_file.h"
#include "config/options_numbers.h"
#include "document/code_page.h"
#include "document/io_error.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace cuefold {

namespace {

const QByteArray MainSection = "Main";
const QByteArray FontSection = "Font";
const QByteArray TableSection = "Table";
const QByteArray PlayerSection = "Player";
const QByteArray PathSection = "DefaultPath";
const QByteArray LanguageSection = "Language";
const QByteArray FilterSection = "SubtitleFilter";

constexpr const char *ToolBarNames[ToolBarCount] = {"File", "Edit", "Search", "Title", "Common", "Player"};

struct ToolWindowKeys {
    const char *prefix;
    WindowBounds MainSettings::*bounds;
};
constexpr ToolWindowKeys ToolWindows[] = {
    {"SyncWindow", &MainSettings::SyncWindow},
    {"AnalysisWindow", &MainSettings::AnalysisWindow},
    {"TestWindow", &MainSettings::TestWindow},
    {"RangeWindow", &MainSettings::RangeWindow},
};

constexpr const char *ColumnKeys[TableColumnCount] = {"ColFrom", "ColLast", "ColText", "ColLock",
                                                     "ColMark", "ColFind", "ColFErr", "ColLErr"};

// A file with thousands of language names is damaged, not a choice.
constexpr int MaxLanguageNames = 1000;


QByteArray key(const char *prefix, const char *suffix)
{
    return QByteArray(prefix) + suffix;
}

void readPosition(const IniFile &ini, const QByteArray &section, const char *prefix, WindowBounds &b)
{
    b.Top = ini.readInt(section, key(prefix, "Top"), -1);
    b.Left = ini.readInt(section, key(prefix, "Left"), -1);
}

void readBounds(const IniFile &ini, const QByteArray &section, WindowBounds &b)
{
    readPosition(ini, section, "Window", b);
    b.Width = ini.readInt(section, "WindowWidth", -1);
    b.Height = ini.readInt(section, "WindowHeight", -1);
}

void writePosition(IniFile &ini, const QByteArray &section, const char *prefix, const WindowBounds &b)
{
    ini.writeInt(section, key(prefix, "Top"), b.Top);
    ini.writeInt(section, key(prefix, "Left"), b.Left);
}

void writeBounds(IniFile &ini, const QByteArray &section, const WindowBounds &b)
{
    writePosition(ini, section, "Window", b);
    ini.writeInt(section, "WindowWidth", b.Width);
    ini.writeInt(section, "WindowHeight", b.Height);
}


void readMain(const IniFile &ini, MainSettings &m)
{
    const MainSettings defaults;
    for (int i = 0; i < ToolBarCount; ++i)
        m.ShowToolbar[i] = ini.readBool(MainSection, key("ShowToolbar", ToolBarNames[i]), defaults.ShowToolbar[i]);
    m.ShowAllHints = ini.readBool(MainSection, "ShowAllHints", defaults.ShowAllHints);
    m.CreateBAKfiles = ini.readBool(MainSection, "CreateBAKfiles", defaults.CreateBAKfiles);
    m.GirderInUse = ini.readBool(MainSection, "GirderInUse", defaults.GirderInUse);
    m.SaveWindowPosition = ini.readBool(MainSection, "SaveWindowPosition", defaults.SaveWindowPosition);
    m.DelayFrames = SaneDelayFrames(ini.readInt(MainSection, "DelayFrames", defaults.DelayFrames));

    if (m.SaveWindowPosition) {
        readBounds(ini, MainSection, m.Window);
        for (const ToolWindowKeys &w : ToolWindows)
            readPosition(ini, MainSection, w.prefix, m.*w.bounds);
        for (int i = 0; i < ToolBarCount; ++i) {
            const QByteArray prefix = key("ToolBar", ToolBarNames[i]);
            const int top = ini.readInt(MainSection, prefix + "Top", -1);
            const int left = ini.readInt(MainSection, prefix + "Left", -1);
            if (IsUsableToolBarTop(top))
                m.ToolBar[i].Top = top;
            if (IsUsableToolBarLeft(left))
                m.ToolBar[i].Left = left;
        }
    }

    m.TestReadSpeed = ini.readInt(MainSection, "TestReadSpeed", defaults.TestReadSpeed);
    if (m.TestReadSpeed < 1)
        m.TestReadSpeed = defaults.TestReadSpeed;
    m.TestMinDwell = ini.readInt(MainSection, "TestMinDwell", defaults.TestMinDwell);
    if (m.TestMinDwell < 1)
        m.TestMinDwell = defaults.TestMinDwell;

    m.CodePage = ini.readString(MainSection, "CodePage", defaults.CodePage);
    if (m.CodePage.isEmpty())
        m.CodePage = defaults.CodePage;
}

void readFont(const IniFile &ini, TFontOptions &f, quint32 &previewColor)
{
    const TFontOptions defaults;
    const int charset = ini.readInt(FontSection, "Charset", defaults.Charset);
    f.Charset = (charset >= 0 && charset <= 255) ? quint8(charset) : defaults.Charset;
    f.Color = quint32(ini.readInt(FontSection, "Color", int(defaults.Color)));
    previewColor = f.Color;
    // A font needs a face and a size; an empty name or a size below one
    // point would leave the preview unreadable.
    f.Name = ini.readString(FontSection, "Name", defaults.Name);
    if (f.Name.isEmpty())
        f.Name = defaults.Name;
    f.Size = ini.readInt(FontSection, "Size", defaults.Size);
    if (f.Size < 1)
        f.Size = defaults.Size;
    f.Style = ini.readInt(FontSection, "Style", defaults.Style) & (FontBold | FontItalic | FontUnderline | FontStrikeOut);
}

void readTable(const IniFile &ini, TableSettings &t)
{
    const TableSettings defaults;
    t.ColumnsAutoWidth = ini.readBool(TableSection, "ColumnsAutoWidth", defaults.ColumnsAutoWidth);
    t.SaveWindowPosition = ini.readBool(TableSection, "SaveWindowPosition", defaults.SaveWindowPosition);
    if (t.SaveWindowPosition) {
        WindowBounds bounds;
        readBounds(ini, TableSection, bounds);
        if (!IsUnsetBounds(bounds)) {
            t.Window = bounds;
            for (int c = 0; c < TableColumnCount; ++c)
                t.ColumnPosition[c] = ini.readInt(TableSection, ColumnKeys[c], t.ColumnPosition[c]);
            if (CheckColumnOrder(t.ColumnPosition)) {
                for (int c = 0; c <= TableColumnCount; ++c) {
                    const int width = ini.readInt(TableSection, "ColWidth" + QByteArray::number(c), -1);
                    if (width > 5)
                        t.ColWidth[c] = width;
                }
            }
        }
    }
    t.AutoShow = ini.readBool(TableSection, "AutoShow", defaults.AutoShow);
}

void readPlayer(const IniFile &ini, PlayerSettings &p)
{
    const PlayerSettings defaults;
    p.AlwaysOnTop = ini.readBool(PlayerSection, "AlwaysOnTop", defaults.AlwaysOnTop);
    p.AutoRewind = ini.readBool(PlayerSection, "AutoRewind", defaults.AutoRewind);
    p.AutoPlayAfterSave = ini.readBool(PlayerSection, "AutoPlayAfterSave", defaults.AutoPlayAfterSave);
    p.ShowDisplay = ini.readBool(PlayerSection, "ShowDisplay", defaults.ShowDisplay);
    p.SendAllEvents = ini.readBool(PlayerSection, "SendAllEvents", defaults.SendAllEvents);
    p.PlayerFollowsCurrentTitle = ini.readBool(PlayerSection, "PlayerFollowsCurrentTitle", defaults.PlayerFollowsCurrentTitle);
    p.AutoNoSave = ini.readBool(PlayerSection, "AutoNoSave", defaults.AutoNoSave);
    p.SaveWindowPosition = ini.readBool(PlayerSection, "SaveWindowPosition", defaults.SaveWindowPosition);
    if (p.SaveWindowPosition) {
        const int zoom = ini.readInt(PlayerSection, "Zoom", defaults.Zoom);
        if (zoom >= 0 && zoom <= 2)
            p.Zoom = zoom;
        p.WindowTop = ini.readInt(PlayerSection, "WindowTop", -1);
        p.WindowLeft = ini.readInt(PlayerSection, "WindowLeft", -1);
    }
    p.RewindAfterSave = ini.readFloat(PlayerSection, "RewindAfterSave", defaults.RewindAfterSave);
    p.PlayerStep = ini.readFloat(PlayerSection, "PlayerStep", defaults.PlayerStep);
}

bool readLanguage(const IniFile &ini, LanguageSettings &l)
{
    const LanguageSettings defaults;
    l.Preferred = ini.readString(LanguageSection, "Preferred", QByteArray());
    l.Names.clear();
    const QByteArray first = ini.readString(LanguageSection, "0", QByteArray());
    l.Names.append(first.isEmpty() ? defaults.Names.first() : first);
    for (int i = 1; i < MaxLanguageNames; ++i) {
        const QByteArray name = ini.readString(LanguageSection, QByteArray::number(i), QByteArray());
        if (name.isEmpty())
            break;
        l.Names.append(name);
    }
    if (!l.Preferred.isEmpty())
        return false;
    l.Preferred = l.Names.first();
    return true;
}

void readFilter(const IniFile &ini, SubtitleFilterSettings &f)
{
    const SubtitleFilterSettings defaults;
    f.Present = ini.readBool(FilterSection, "Present", defaults.Present);
    f.SubPath = CodePage::toUnicode(ini.readString(FilterSection, "SubPath", QByteArray()));
    if (f.SubPath.isEmpty())
        f.SubPath = DefaultSubtitleFolder();
    f.ReloadAvailable = ini.readBool(FilterSection, "ReloadAvailable", defaults.ReloadAvailable);
}

void writeMain(IniFile &ini, const MainSettings &m)
{
    for (int i = 0; i < ToolBarCount; ++i)
        ini.writeBool(MainSection, key("ShowToolbar", ToolBarNames[i]), m.ShowToolbar[i]);
    ini.writeBool(MainSection, "ShowAllHints", m.ShowAllHints);
    ini.writeBool(MainSection, "CreateBAKfiles", m.CreateBAKfiles);
    ini.writeBool(MainSection, "GirderInUse", m.GirderInUse);
    ini.writeBool(MainSection, "SaveWindowPosition", m.SaveWindowPosition);
    ini.writeInt(MainSection, "DelayFrames", m.DelayFrames);
    if (m.SaveWindowPosition) {
        writeBounds(ini, MainSection, m.Window);
        for (const ToolWindowKeys &w : ToolWindows)
            writePosition(ini, MainSection, w.prefix, m.*w.bounds);
        for (int i = 0; i < ToolBarCount; ++i) {
            const QByteArray prefix = key("ToolBar", ToolBarNames[i]);
            if (IsUsableToolBarTop(m.ToolBar[i].Top))
                ini.writeInt(MainSection, prefix + "Top", m.ToolBar[i].Top);
            if (IsUsableToolBarLeft(m.ToolBar[i].Left))
                ini.writeInt(MainSection, prefix + "Left", m.ToolBar[i].Left);
        }
    }
    ini.writeInt(MainSection, "TestReadSpeed", m.TestReadSpeed);
    ini.writeInt(MainSection, "TestMinDwell", m.TestMinDwell);
    ini.writeString(MainSection, "CodePage", m.CodePage);
}

void writeFont(IniFile &ini, const TFontOptions &f, quint32 previewColor)
{
    ini.writeInt(FontSection, "Charset", f.Charset);
    ini.writeInt(FontSection, "Color", int(previewColor));
    ini.writeString(FontSection, "Name", f.Name);
    ini.writeInt(FontSection, "Size", f.Size);
    ini.writeInt(FontSection, "Style", f.Style);
}

void writeTable(IniFile &ini, const TableSettings &t)
{
    ini.writeBool(TableSection, "ColumnsAutoWidth", t.ColumnsAutoWidth);
    ini.writeBool(TableSection, "AutoShow", t.AutoShow);
    ini.writeBool(TableSection, "SaveWindowPosition", t.SaveWindowPosition);
    if (!t.SaveWindowPosition)
        return;
    writeBounds(ini, TableSection, t.Window);
    for (int c = 0; c < TableColumnCount; ++c)
        ini.writeInt(TableSection, ColumnKeys[c], t.ColumnPosition[c]);
    for (int c = 0; c <= TableColumnCount; ++c)
        ini.writeInt(TableSection, "ColWidth" + QByteArray::number(c), t.ColWidth[c]);
}

void writePlayer(IniFile &ini, const PlayerSettings &p)
{
    ini.writeBool(PlayerSection, "AlwaysOnTop", p.AlwaysOnTop);
    ini.writeBool(PlayerSection, "AutoRewind", p.AutoRewind);
    ini.writeBool(PlayerSection, "AutoPlayAfterSave", p.AutoPlayAfterSave);
    ini.writeBool(PlayerSection, "ShowDisplay", p.ShowDisplay);
    ini.writeBool(PlayerSection, "SendAllEvents", p.SendAllEvents);
    ini.writeBool(PlayerSection, "PlayerFollowsCurrentTitle", p.PlayerFollowsCurrentTitle);
    ini.writeBool(PlayerSection, "AutoNoSave", p.AutoNoSave);
    ini.writeBool(PlayerSection, "SaveWindowPosition", p.SaveWindowPosition);
    if (p.SaveWindowPosition) {
        ini.writeInt(PlayerSection, "Zoom", p.Zoom);
        ini.writeInt(PlayerSection, "WindowTop", p.WindowTop);
        ini.writeInt(PlayerSection, "WindowLeft", p.WindowLeft);
    }
    ini.writeFloat(PlayerSection, "RewindAfterSave", p.RewindAfterSave);
    ini.writeFloat(PlayerSection, "PlayerStep", p.PlayerStep);
}

void writeFilter(IniFile &ini, const SubtitleFilterSettings &f)
{
    ini.writeBool(FilterSection, "Present", f.Present);
    // The default folder is written as empty so the file does not pin one
    // user's cache path.
    const QString path = f.SubPath == DefaultSubtitleFolder() ? QString() : f.SubPath;
    ini.writeString(FilterSection, "SubPath", CodePage::fromUnicode(path));
    ini.writeBool(FilterSection, "ReloadAvailable", f.ReloadAvailable);
}

// The settings file as this run read it: what goes back, updated with the
// program's keys, so a file changed or removed meanwhile loses nothing of
// what it held at start-up.
struct SettingsStore {
    QString path;
    IniFile ini;
};

SettingsStore &StartupStore()
{
    static SettingsStore store;
    return store;
}

} // namespace

QString SettingsFilePath(const QString &executablePath)
{
    const QFileInfo exe(executablePath);
    return exe.path() + '/' + exe.completeBaseName() + ".INI";
}

bool CheckColumnOrder(std::array<int, TableColumnCount> &positions)
{
    std::array<bool, TableColumnCount + 1> taken{};
    for (int c = 0; c < TableColumnCount; ++c) {
        if (positions[c] < 1 || positions[c] > TableColumnCount)
            positions[c] = c + 1;
        taken[positions[c]] = true;
    }
    for (int p = 1; p <= TableColumnCount; ++p) {
        if (!taken[p]) {
            for (int c = 0; c < TableColumnCount; ++c)
                positions[c] = c + 1;
            return false;
        }
    }
    return true;
}

QString DefaultSubtitleFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (base.isEmpty())
        base = QDir::tempPath() + "/cuefold";
    const QString folder = base + "/subtitles";
    QDir().mkpath(folder);
    return folder;
}

SettingsReadResult ReadSettings(const IniFile &ini, ProgramSettings &settings)
{
    readMain(ini, settings.Main);
    // Paths below are text in the file's code page.
    CodePage::select(settings.Main.CodePage);
    readFont(ini, settings.Font, settings.PreviewFontColor);
    readTable(ini, settings.Table);
    readPlayer(ini, settings.Player);
    settings.DefaultPath.Open = CodePage::toUnicode(ini.readString(PathSection, "Open", QByteArray()));
    settings.DefaultPath.Save = CodePage::toUnicode(ini.readString(PathSection, "Save", QByteArray()));
    settings.DefaultPath.Export = CodePage::toUnicode(ini.readString(PathSection, "Export", QByteArray()));
    SettingsReadResult result;
    result.firstRun = readLanguage(ini, settings.Language);
    readFilter(ini, settings.SubtitleFilter);
    return result;
}

void WriteSettings(IniFile &ini, const ProgramSettings &settings)
{
    writeMain(ini, settings.Main);
    writeFont(ini, settings.Font, settings.PreviewFontColor);
    writeTable(ini, settings.Table);
    writePlayer(ini, settings.Player);
    ini.writeString(PathSection, "Open", CodePage::fromUnicode(settings.DefaultPath.Open));
    ini.writeString(PathSection, "Save", CodePage::fromUnicode(settings.DefaultPath.Save));
    ini.writeString(PathSection, "Export", CodePage::fromUnicode(settings.DefaultPath.Export));
    ini.writeString(LanguageSection, "Preferred", settings.Language.Preferred);
    writeFilter(ini, settings.SubtitleFilter);
}

bool ReadSettingsFile(const QString &path, ProgramSettings &settings, SettingsReadResult *result)
{
    IniFile ini;
    if (!ini.load(path))
        return false;
    const SettingsReadResult read = ReadSettings(ini, settings);
    if (result)
        *result = read;
    StartupStore() = {path, std::move(ini)};
    return true;
}

int WriteSettingsFile(const QString &path, const ProgramSettings &settings)
{
    SettingsStore &store = StartupStore();
    if (store.path != path) {
        // A file this run has not read: whatever it holds now is kept.
        IniFile ini;
        if (QFileInfo::exists(path) && !ini.load(path))
            return FileNotOpenForInputCode;
        store = {path, std::move(ini)};
    }
    WriteSettings(store.ini, settings);
    return store.ini.save(path);
}

} // namespace cuefold

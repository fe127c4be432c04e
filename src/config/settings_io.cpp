#include "config/settings_io.h"

#include "config/ini_file.h"
#include "config/settings_rows.h"
#include "document/code_page.h"
#include "document/file_name.h"
#include "document/io_error.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace cuefold {

namespace {

const QByteArray LanguageSection = "Language";

// A file with thousands of language names is damaged, not a choice.
constexpr int MaxLanguageNames = 1000;

// A folder the settings file's code page cannot hold ("/home/eva/Фильмы")
// is written as this mark and the folder's bytes as the system names it, so
// that it reads back exactly rather than as "?". So is a folder that itself
// starts with the mark.
const QByteArray FileNameBytesMark = "UTF-8:";

QByteArray PathText(const QString &path)
{
    const QByteArray text = CodePage::fromUnicode(path);
    if (CodePage::toUnicode(text) == path && !text.startsWith(FileNameBytesMark))
        return text;
    return FileNameBytesMark + FileNameBytes(path);
}

QString PathFromText(const QByteArray &text)
{
    if (text.startsWith(FileNameBytesMark))
        return FileNameFromBytes(QByteArrayView(text).sliced(FileNameBytesMark.size()));
    return CodePage::toUnicode(text);
}

bool IsColumnOrder(const std::array<int, TableColumnCount> &positions)
{
    std::array<int, TableColumnCount> copy = positions;
    return CheckColumnOrder(copy);
}

bool GateOpen(SettingGate gate, const ProgramSettings &s, bool reading)
{
    switch (gate) {
    case SettingGate::Always:
        return true;
    case SettingGate::MainPlacement:
        return s.Main.SaveWindowPosition;
    case SettingGate::TablePlacement:
        return s.Table.SaveWindowPosition;
    case SettingGate::TableColumns:
        return s.Table.SaveWindowPosition && (!reading || !IsUnsetBounds(s.Table.Window));
    case SettingGate::TableWidths:
        return GateOpen(SettingGate::TableColumns, s, reading) && (!reading || IsColumnOrder(s.Table.ColumnPosition));
    case SettingGate::PlayerPlacement:
        return s.Player.SaveWindowPosition;
    }
    return false;
}

// The row's value as the file holds it, or nothing when the setting keeps
// its own.
std::optional<SettingValue> readValue(const IniFile &ini, const SettingRow &row)
{
    const QByteArray &section = row.section, &key = row.key;
    switch (row.kind) {
    case SettingKind::Bool:
        return ini.readBool(section, key, std::get<bool>(row.defaultValue));
    case SettingKind::Int:
    case SettingKind::Colour: {
        const int value = ini.readInt(section, key, std::get<int>(row.defaultValue));
        if (row.accepts(value))
            return value;
        if (row.outOfRange == OutOfRange::Default)
            return row.defaultValue;
        if (row.outOfRange == OutOfRange::Clamped)
            return std::clamp(value, row.min, row.max);
        return std::nullopt;
    }
    case SettingKind::Flags:
        return ini.readInt(section, key, std::get<int>(row.defaultValue)) & row.max;
    case SettingKind::Double:
        return ini.readFloat(section, key, std::get<double>(row.defaultValue));
    case SettingKind::Text:
    case SettingKind::CodePage: {
        const QByteArray text = ini.readString(section, key, std::get<QByteArray>(row.defaultValue));
        return text.size() < row.min ? row.defaultValue : SettingValue(text);
    }
    case SettingKind::Path: {
        const QByteArray fallback = PathText(std::get<QString>(row.defaultValue));
        const QString path = PathFromText(ini.readString(section, key, fallback));
        return path.isEmpty() && row.emptyMeans ? row.emptyMeans() : path;
    }
    }
    return std::nullopt;
}

void writeRow(IniFile &ini, const SettingRow &row, const ProgramSettings &settings)
{
    const SettingValue value = RowValue(row, settings);
    const QByteArray &section = row.section, &key = row.key;
    switch (row.kind) {
    case SettingKind::Bool:
        ini.writeBool(section, key, std::get<bool>(value));
        return;
    case SettingKind::Int:
    case SettingKind::Flags:
        if (row.outOfRange == OutOfRange::IgnoredUnwritten && !row.accepts(std::get<int>(value)))
            return;
        ini.writeInt(section, key, std::get<int>(value));
        return;
    case SettingKind::Colour:
        ini.writeInt(section, key, int(settings.PreviewFontColor));
        return;
    case SettingKind::Double:
        ini.writeFloat(section, key, std::get<double>(value));
        return;
    case SettingKind::Text:
    case SettingKind::CodePage:
        ini.writeString(section, key, std::get<QByteArray>(value));
        return;
    case SettingKind::Path: {
        const QString &path = std::get<QString>(value);
        const bool meansEmpty = row.emptyMeans && path == row.emptyMeans();
        ini.writeString(section, key, PathText(meansEmpty ? QString() : path));
        return;
    }
    }
}

bool readLanguageNames(const IniFile &ini, LanguageSettings &l)
{
    const LanguageSettings defaults;
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

QString SystemDictionaryFolder()
{
    return QStringLiteral("/usr/share/hunspell");
}

SettingsReadResult ReadSettings(const IniFile &ini, ProgramSettings &settings)
{
    for (const SettingRow &row : SettingRows()) {
        if (!GateOpen(row.gate, settings, true))
            continue;
        if (const std::optional<SettingValue> value = readValue(ini, row))
            SetRowValue(row, settings, *value);
        // The paths after it are text in the file's code page.
        if (row.kind == SettingKind::CodePage)
            CodePage::select(std::get<QByteArray>(RowValue(row, settings)));
    }
    // A column order that is no permutation goes back to the design order;
    // its widths were not read.
    CheckColumnOrder(settings.Table.ColumnPosition);
    SettingsReadResult result;
    result.firstRun = readLanguageNames(ini, settings.Language);
    return result;
}

void WriteSettings(IniFile &ini, const ProgramSettings &settings)
{
    for (const SettingRow &row : SettingRows())
        if (GateOpen(row.gate, settings, false))
            writeRow(ini, row, settings);
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

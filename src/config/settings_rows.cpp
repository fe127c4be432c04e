// The table of every preference key. A new setting is one row here (and
// its field in settings.h); the file, the defaults and the settings window
// follow from it.
#include "config/settings_rows.h"

#include "config/options_numbers.h"
#include "config/settings_io.h"

#include <type_traits>

namespace cuefold {

namespace {

using Kind = SettingKind;
using Gate = SettingGate;
using Field = std::function<SettingField(ProgramSettings &)>;

constexpr const char *ToolBarNames[ToolBarCount] = {"File", "Edit", "Search", "Title", "Common", "Player"};
constexpr const char *ColumnKeys[TableColumnCount] = {"ColFrom", "ColLast", "ColText", "ColLock",
                                                     "ColMark", "ColFind", "ColFErr", "ColLErr"};

// Toolbar positions at or below these limits mean "where the layout put it"
// and are neither applied nor written.
constexpr int LeastToolBarTop = 2, LeastToolBarLeft = 11;

// The finishing touches of the row just added.
class RowBuilder {
public:
    explicit RowBuilder(SettingRow &row) : mRow(row) {}
    RowBuilder &shownBy(const QByteArray &control)
    {
        mRow.control = control;
        return *this;
    }
    RowBuilder &when(Gate gate)
    {
        mRow.gate = gate;
        return *this;
    }
    RowBuilder &within(int min, int max, OutOfRange outOfRange = OutOfRange::Default)
    {
        mRow.min = min;
        mRow.max = max;
        mRow.outOfRange = outOfRange;
        return *this;
    }
    RowBuilder &onlyStoredFromControl()
    {
        mRow.controlOnlyStores = true;
        return *this;
    }
    RowBuilder &emptyMeaning(QString (*folder)())
    {
        mRow.emptyMeans = folder;
        return *this;
    }

private:
    SettingRow &mRow;
};

// The rows of one section, whose fields lie in one group of the settings.
template <typename Group>
class Section {
public:
    Section(std::vector<SettingRow> &rows, const char *name, Group ProgramSettings::*group)
        : mRows(rows), mName(name), mGroup(group)
    {
    }

    RowBuilder add(const QByteArray &key, Kind kind, Field field, SettingValue defaultValue)
    {
        SettingRow row;
        row.section = mName;
        row.key = key;
        row.kind = kind;
        row.field = std::move(field);
        row.defaultValue = std::move(defaultValue);
        return RowBuilder(mRows.emplace_back(std::move(row)));
    }

    template <typename T>
    RowBuilder add(const QByteArray &key, Kind kind, T Group::*member, SettingValue defaultValue)
    {
        Group ProgramSettings::*group = mGroup;
        return add(key, kind, [group, member](ProgramSettings &s) -> SettingField { return &(s.*group.*member); },
                   std::move(defaultValue));
    }

    // An element of an array field.
    template <typename T, std::size_t N>
    RowBuilder add(const QByteArray &key, Kind kind, std::array<T, N> Group::*array, int index,
                   SettingValue defaultValue)
    {
        Group ProgramSettings::*group = mGroup;
        return add(
            key, kind, [group, array, index](ProgramSettings &s) -> SettingField { return &(s.*group.*array)[index]; },
            std::move(defaultValue));
    }

    // Top and Left of a remembered window (and Width and Height with
    // `withSize`), named prefix + "Top" and so on.
    void bounds(const QByteArray &prefix, WindowBounds Group::*window, bool withSize, Gate gate)
    {
        const auto side = [this, window](int WindowBounds::*side) -> Field {
            Group ProgramSettings::*group = mGroup;
            return [group, window, side](ProgramSettings &s) -> SettingField { return &(s.*group.*window.*side); };
        };
        add(prefix + "Top", Kind::Int, side(&WindowBounds::Top), NotStored).when(gate);
        add(prefix + "Left", Kind::Int, side(&WindowBounds::Left), NotStored).when(gate);
        if (withSize) {
            add(prefix + "Width", Kind::Int, side(&WindowBounds::Width), NotStored).when(gate);
            add(prefix + "Height", Kind::Int, side(&WindowBounds::Height), NotStored).when(gate);
        }
    }

private:
    std::vector<SettingRow> &mRows;
    const char *mName;
    Group ProgramSettings::*mGroup;
};

void addMainRows(std::vector<SettingRow> &rows)
{
    Section section(rows, "Main", &ProgramSettings::Main);
    for (int id = 0; id < ToolBarCount; ++id)
        section.add("ShowToolbar" + QByteArray(ToolBarNames[id]), Kind::Bool, &MainSettings::ShowToolbar, id, true)
            .shownBy("CheckBoxShowToolbar" + QByteArray(ToolBarNames[id]));
    section.add("ShowAllHints", Kind::Bool, &MainSettings::ShowAllHints, true).shownBy("CheckBoxShowAllHints");
    section.add("CreateBAKfiles", Kind::Bool, &MainSettings::CreateBAKfiles, true).shownBy("CheckBoxCreateBAKfiles");
    section.add("GirderInUse", Kind::Bool, &MainSettings::GirderInUse, false);
    section.add("SaveWindowPosition", Kind::Bool, &MainSettings::SaveWindowPosition, false)
        .shownBy("CheckBoxForm1SaveWindowPosition");
    section.add("DelayFrames", Kind::Int, &MainSettings::DelayFrames, 2)
        .shownBy("EditDelayFrames")
        .within(-MaxDelayFrames, MaxDelayFrames, OutOfRange::Clamped);
    section.add("AutosaveSeconds", Kind::Int, &MainSettings::AutosaveSeconds, 60)
        .shownBy("EditAutosaveSeconds")
        .within(0, MaxAutosaveSeconds, OutOfRange::Clamped);

    section.bounds("Window", &MainSettings::Window, true, Gate::MainPlacement);
    section.bounds("SyncWindow", &MainSettings::SyncWindow, false, Gate::MainPlacement);
    section.bounds("AnalysisWindow", &MainSettings::AnalysisWindow, false, Gate::MainPlacement);
    section.bounds("TestWindow", &MainSettings::TestWindow, false, Gate::MainPlacement);
    section.bounds("RangeWindow", &MainSettings::RangeWindow, false, Gate::MainPlacement);
    for (int id = 0; id < ToolBarCount; ++id) {
        const QByteArray prefix = "ToolBar" + QByteArray(ToolBarNames[id]);
        const auto side = [id](int WindowBounds::*side) -> Field {
            return [id, side](ProgramSettings &s) -> SettingField { return &(s.Main.ToolBar[id].*side); };
        };
        section.add(prefix + "Top", Kind::Int, side(&WindowBounds::Top), NotStored)
            .when(Gate::MainPlacement)
            .within(LeastToolBarTop, INT_MAX, OutOfRange::IgnoredUnwritten);
        section.add(prefix + "Left", Kind::Int, side(&WindowBounds::Left), NotStored)
            .when(Gate::MainPlacement)
            .within(LeastToolBarLeft, INT_MAX, OutOfRange::IgnoredUnwritten);
    }

    section.add("TestReadSpeed", Kind::Int, &MainSettings::TestReadSpeed, 12).within(1, INT_MAX);
    section.add("TestMinDwell", Kind::Int, &MainSettings::TestMinDwell, 1000).within(1, INT_MAX);
    section.add("CodePage", Kind::CodePage, &MainSettings::CodePage, QByteArray("windows-1250"))
        .within(1, INT_MAX);
    // Limits below one would flag every subtitle with any text.
    const auto reading = [](int ReadingLimits::*limit) -> Field {
        return [limit](ProgramSettings &s) -> SettingField { return &(s.Main.Reading.*limit); };
    };
    section.add("MaxCPS", Kind::Int, reading(&ReadingLimits::MaxCPS), 17)
        .shownBy("EditMaxCPS")
        .within(1, MaxReadingLimit, OutOfRange::Clamped);
    section.add("MaxRowLength", Kind::Int, reading(&ReadingLimits::MaxRowLength), 42)
        .shownBy("EditMaxRowLength")
        .within(1, MaxReadingLimit, OutOfRange::Clamped);
    section.add("SnapToShots", Kind::Bool, &MainSettings::SnapToShots, true).shownBy("CheckBoxSnapToShots");
    section.add("SnapFrames", Kind::Int, &MainSettings::SnapFrames, 8)
        .shownBy("EditSnapFrames")
        .within(0, MaxDelayFrames, OutOfRange::Clamped);
    section.add("ShotThreshold", Kind::Int, &MainSettings::ShotThreshold, 10)
        .shownBy("EditShotThreshold")
        .within(1, 100, OutOfRange::Clamped);
}

void addFontRows(std::vector<SettingRow> &rows)
{
    // A font needs a face and a size; an empty name or a size below one
    // point would leave the preview unreadable.
    Section font(rows, "Font", &ProgramSettings::Font);
    font.add("Charset", Kind::Int, &TFontOptions::Charset, 238).within(0, 255);
    font.add("Color", Kind::Colour, &TFontOptions::Color, 65535);
    font.add("Name", Kind::Text, &TFontOptions::Name, QByteArray("Tahoma")).within(1, INT_MAX);
    font.add("Size", Kind::Int, &TFontOptions::Size, 14).within(1, INT_MAX);
    font.add("Style", Kind::Flags, &TFontOptions::Style, 0)
        .within(0, FontBold | FontItalic | FontUnderline | FontStrikeOut);
}

void addTableRows(std::vector<SettingRow> &rows)
{
    Section table(rows, "Table", &ProgramSettings::Table);
    table.add("ColumnsAutoWidth", Kind::Bool, &TableSettings::ColumnsAutoWidth, false);
    table.add("AutoShow", Kind::Bool, &TableSettings::AutoShow, false).shownBy("CheckBoxTableAutoShow");
    table.add("SaveWindowPosition", Kind::Bool, &TableSettings::SaveWindowPosition, false)
        .shownBy("CheckBoxTableSaveWindowPosition");
    table.bounds("Window", &TableSettings::Window, true, Gate::TablePlacement);
    // A position outside 1..8 falls back to the column's own one.
    for (int c = 0; c < TableColumnCount; ++c)
        table.add(ColumnKeys[c], Kind::Int, &TableSettings::ColumnPosition, c, c + 1)
            .when(Gate::TableColumns)
            .within(1, TableColumnCount);
    // A width of 5 pixels or less keeps the grid's own.
    for (int c = 0; c <= TableColumnCount; ++c)
        table.add("ColWidth" + QByteArray::number(c), Kind::Int, &TableSettings::ColWidth, c, NotStored)
            .when(Gate::TableWidths)
            .within(6, INT_MAX, OutOfRange::Ignored);
}

void addPlayerRows(std::vector<SettingRow> &rows)
{
    Section player(rows, "Player", &ProgramSettings::Player);
    player.add("AlwaysOnTop", Kind::Bool, &PlayerSettings::AlwaysOnTop, true).shownBy("CheckBoxPlayerAlwaysOnTop");
    player.add("AutoRewind", Kind::Bool, &PlayerSettings::AutoRewind, false).shownBy("CheckBoxPlayerAutoRewind");
    player.add("AutoPlayAfterSave", Kind::Bool, &PlayerSettings::AutoPlayAfterSave, true)
        .shownBy("CheckBoxPlayerAutoPlayAfterSave");
    player.add("ShowDisplay", Kind::Bool, &PlayerSettings::ShowDisplay, false).shownBy("CheckBoxPlayerShowDisplay");
    // A debugging switch: hidden, unchecked at every start.
    player.add("SendAllEvents", Kind::Bool, &PlayerSettings::SendAllEvents, false)
        .shownBy("CheckBoxPlayerSendAllEvents")
        .onlyStoredFromControl();
    player.add("PlayerFollowsCurrentTitle", Kind::Bool, &PlayerSettings::PlayerFollowsCurrentTitle, true);
    player.add("AutoNoSave", Kind::Bool, &PlayerSettings::AutoNoSave, false).shownBy("CheckBoxAutoNoSave");
    player.add("SaveWindowPosition", Kind::Bool, &PlayerSettings::SaveWindowPosition, false)
        .shownBy("CheckBoxPlayerSaveWindowPosition");
    // 0 = 50 %, 1 = 100 %, 2 = 200 %; anything else leaves the zoom alone.
    player.add("Zoom", Kind::Int, &PlayerSettings::Zoom, 1)
        .when(Gate::PlayerPlacement)
        .within(0, 2, OutOfRange::Ignored);
    player.add("WindowTop", Kind::Int, &PlayerSettings::WindowTop, NotStored).when(Gate::PlayerPlacement);
    player.add("WindowLeft", Kind::Int, &PlayerSettings::WindowLeft, NotStored).when(Gate::PlayerPlacement);
    player.add("RewindAfterSave", Kind::Double, &PlayerSettings::RewindAfterSave, 5.0).shownBy("EditRewindAfterSave");
    player.add("PlayerStep", Kind::Double, &PlayerSettings::PlayerStep, 3.0).shownBy("EditPlayerStep");
    player.add("ShowWaveform", Kind::Bool, &PlayerSettings::ShowWaveform, false);
}

void addOtherRows(std::vector<SettingRow> &rows)
{
    Section paths(rows, "DefaultPath", &ProgramSettings::DefaultPath);
    paths.add("Open", Kind::Path, &DefaultPathSettings::Open, QString()).shownBy("EditOpenPath");
    paths.add("Save", Kind::Path, &DefaultPathSettings::Save, QString()).shownBy("EditSavePath");
    paths.add("Export", Kind::Path, &DefaultPathSettings::Export, QString()).shownBy("EditExportPath");

    // Empty until a language is chosen; the list of names is read only.
    Section language(rows, "Language", &ProgramSettings::Language);
    language.add("Preferred", Kind::Text, &LanguageSettings::Preferred, QByteArray()).shownBy("ComboBoxLanguage");

    Section filter(rows, "SubtitleFilter", &ProgramSettings::SubtitleFilter);
    filter.add("Present", Kind::Bool, &SubtitleFilterSettings::Present, true);
    // The program's own folder is written as empty, so the file does not pin
    // one user's cache path.
    filter.add("SubPath", Kind::Path, &SubtitleFilterSettings::SubPath, QString())
        .emptyMeaning(DefaultSubtitleFolder);
    filter.add("ReloadAvailable", Kind::Bool, &SubtitleFilterSettings::ReloadAvailable, true);

    Section spelling(rows, "Spelling", &ProgramSettings::Spelling);
    spelling.add("Dictionary", Kind::Text, &SpellingSettings::Dictionary, QByteArray()).shownBy("ComboBoxDictionary");
    spelling.add("Folder", Kind::Path, &SpellingSettings::Folder, QString())
        .shownBy("EditDictionaryFolder")
        .emptyMeaning(SystemDictionaryFolder);
}

} // namespace

const std::vector<SettingRow> &SettingRows()
{
    static const std::vector<SettingRow> rows = [] {
        std::vector<SettingRow> all;
        addMainRows(all);
        addFontRows(all);
        addTableRows(all);
        addPlayerRows(all);
        addOtherRows(all);
        return all;
    }();
    return rows;
}

const SettingRow *RowShownBy(const QByteArray &control)
{
    for (const SettingRow &row : SettingRows())
        if (row.control == control)
            return &row;
    return nullptr;
}

SettingValue RowValue(const SettingRow &row, const ProgramSettings &settings)
{
    // The field is only read here.
    return std::visit(
        [](auto *field) -> SettingValue {
            using T = std::remove_pointer_t<decltype(field)>;
            if constexpr (std::is_same_v<T, quint8> || std::is_same_v<T, quint32>)
                return int(*field);
            else
                return *field;
        },
        row.field(const_cast<ProgramSettings &>(settings)));
}

void SetRowValue(const SettingRow &row, ProgramSettings &settings, const SettingValue &value)
{
    std::visit(
        [&value](auto *field) {
            using T = std::remove_pointer_t<decltype(field)>;
            if constexpr (std::is_same_v<T, quint8> || std::is_same_v<T, quint32>)
                *field = T(std::get<int>(value));
            else
                *field = std::get<T>(value);
        },
        row.field(settings));
    if (row.kind == Kind::Colour)
        settings.PreviewFontColor = quint32(std::get<int>(value));
}

ProgramSettings::ProgramSettings()
{
    for (const SettingRow &row : SettingRows())
        SetRowValue(row, *this, row.defaultValue);
}

} // namespace cuefold

#pragma once

#include "document/reading_speed.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

namespace cuefold {

// A remembered window position; NotStored means "no value stored".
constexpr int NotStored = -1;
struct WindowBounds {
    int Top = NotStored, Left = NotStored, Width = NotStored, Height = NotStored;
};

enum FontStyleBits { FontBold = 1, FontItalic = 2, FontUnderline = 4, FontStrikeOut = 8 };

// The defaults of every field below that is a key of the settings file are
// in its row (settings_rows.cpp); ProgramSettings() sets them.

struct TFontOptions {
    quint8 Charset{};
    quint32 Color{}; // 0x00BBGGRR
    QByteArray Name;
    int Size{};
    int Style{};     // FontStyleBits
};

enum ToolBarId { ToolBarFileId, ToolBarEditId, ToolBarSearchId, ToolBarTitleId, ToolBarCommonId, ToolBarPlayerId, ToolBarCount };

// The overview grid's data columns, in their design order.
enum TableColumn { ColFrom, ColLast, ColText, ColLock, ColMark, ColFind, ColFErr, ColLErr, TableColumnCount };

struct MainSettings {
    std::array<bool, ToolBarCount> ShowToolbar{};
    bool ShowAllHints{};
    bool CreateBAKfiles{};
    bool GirderInUse{};
    bool SaveWindowPosition{};
    int DelayFrames{};
    int AutosaveSeconds{}; // between recovery copies of a modified document; 0: none
    WindowBounds Window;
    WindowBounds SyncWindow, AnalysisWindow, TestWindow, RangeWindow; // Top/Left only
    std::array<WindowBounds, ToolBarCount> ToolBar;                  // Top/Left only
    int TestReadSpeed{};
    int TestMinDwell{};
    QByteArray CodePage;
    ReadingLimits Reading; // MaxCPS, MaxRowLength
    bool SnapToShots{};    // starts snap to shot changes, ends stop before them
    int SnapFrames{};      // how near a shot change must be for that
    int ShotThreshold{};   // the scene-change score a shot change needs, 1 to 100
};

struct TableSettings {
    bool ColumnsAutoWidth{};
    bool AutoShow{};
    bool SaveWindowPosition{};
    WindowBounds Window;
    std::array<int, TableColumnCount> ColumnPosition{};
    std::array<int, TableColumnCount + 1> ColWidth{};
};

struct PlayerSettings {
    bool AlwaysOnTop{};
    bool AutoRewind{};
    bool AutoPlayAfterSave{};
    bool ShowDisplay{};
    bool SendAllEvents{};
    bool PlayerFollowsCurrentTitle{};
    bool AutoNoSave{};
    bool SaveWindowPosition{};
    int Zoom{};
    int WindowTop{}, WindowLeft{};
    double RewindAfterSave{};
    double PlayerStep{};
    bool ShowWaveform{};
};

struct DefaultPathSettings {
    QString Open, Save, Export;
};

struct LanguageSettings {
    QByteArray Preferred;
    // Read only: the file's list, whose first name defaults to this one.
    QList<QByteArray> Names{"\xC8" "esky"};
};

// The subtitle-filter layer: whether it is in use, the folders it searches
// for a movie's subtitles (";"-separated) and whether it can reload them.
struct SubtitleFilterSettings {
    bool Present{};
    QString SubPath;
    bool ReloadAvailable{};
};

// The speller: the dictionary's name (empty: by the program's language;
// "none": no checking) and the folder dictionaries are looked for in.
struct SpellingSettings {
    QByteArray Dictionary;
    QString Folder;
};

struct ProgramSettings {
    // Every key at its default.
    ProgramSettings();

    MainSettings Main;
    TFontOptions Font;
    // The colour the preview actually uses; the font dialog changes only this
    // one, and it is what gets written as Font/Color.
    quint32 PreviewFontColor{};
    TableSettings Table;
    PlayerSettings Player;
    DefaultPathSettings DefaultPath;
    LanguageSettings Language;
    SubtitleFilterSettings SubtitleFilter;
    SpellingSettings Spelling;
};

extern ProgramSettings Settings;

} // namespace cuefold

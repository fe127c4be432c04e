#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

namespace cuefold {

class IniFile;

// A remembered window position; -1 means "not stored".
struct WindowBounds {
    int Top = -1, Left = -1, Width = -1, Height = -1;
};

enum FontStyleBits { FontBold = 1, FontItalic = 2, FontUnderline = 4, FontStrikeOut = 8 };

struct TFontOptions {
    quint8 Charset = 238;
    quint32 Color = 65535; // 0x00BBGGRR
    QByteArray Name = "Tahoma";
    int Size = 14;
    int Style = 0;         // FontStyleBits
};

enum ToolBarId { ToolBarFileId, ToolBarEditId, ToolBarSearchId, ToolBarTitleId, ToolBarCommonId, ToolBarPlayerId, ToolBarCount };

// The overview grid's data columns, in their design order.
enum TableColumn { ColFrom, ColLast, ColText, ColLock, ColMark, ColFind, ColFErr, ColLErr, TableColumnCount };

struct MainSettings {
    std::array<bool, ToolBarCount> ShowToolbar{true, true, true, true, true, true};
    bool ShowAllHints = true;
    bool CreateBAKfiles = true;
    bool GirderInUse = false;
    bool SaveWindowPosition = false;
    int DelayFrames = 2;
    WindowBounds Window;
    WindowBounds SyncWindow, AnalysisWindow, TestWindow, RangeWindow; // Top/Left only
    std::array<WindowBounds, ToolBarCount> ToolBar;                  // Top/Left only
    int TestReadSpeed = 12;
    int TestMinDwell = 1000;
    QByteArray CodePage = "windows-1250";
};

struct TableSettings {
    bool ColumnsAutoWidth = false;
    bool AutoShow = false;
    bool SaveWindowPosition = false;
    WindowBounds Window;
    std::array<int, TableColumnCount> ColumnPosition{1, 2, 3, 4, 5, 6, 7, 8};
    std::array<int, TableColumnCount + 1> ColWidth{-1, -1, -1, -1, -1, -1, -1, -1, -1};
};

struct PlayerSettings {
    bool AlwaysOnTop = true;
    bool AutoRewind = false;
    bool AutoPlayAfterSave = true;
    bool ShowDisplay = false;
    bool SendAllEvents = false;
    bool PlayerFollowsCurrentTitle = true;
    bool AutoNoSave = false;
    bool SaveWindowPosition = false;
    int Zoom = 1;
    int WindowTop = -1, WindowLeft = -1;
    double RewindAfterSave = 5;
    double PlayerStep = 3;
};

struct DefaultPathSettings {
    QString Open, Save, Export;
};

struct LanguageSettings {
    QByteArray Preferred;
    QList<QByteArray> Names{"\xC8" "esky"};
};

// The subtitle-filter layer: whether it is in use, the folders it searches
// for a movie's subtitles (";"-separated) and whether it can reload them.
struct SubtitleFilterSettings {
    bool Present = true;
    QString SubPath;
    bool ReloadAvailable = true;
};

struct ProgramSettings {
    MainSettings Main;
    TFontOptions Font;
    // The colour the preview actually uses; the font dialog changes only this
    // one, and it is what gets written as Font/Color.
    quint32 PreviewFontColor = 65535;
    TableSettings Table;
    PlayerSettings Player;
    DefaultPathSettings DefaultPath;
    LanguageSettings Language;
    SubtitleFilterSettings SubtitleFilter;
};

extern ProgramSettings Settings;

} // namespace cuefold

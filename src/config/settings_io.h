#pragma once

#include "config/settings.h"
#include "config/window_placement.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

namespace cuefold {

class IniFile;

// The settings file beside the executable: same folder and base name,
// extension ".INI".
QString SettingsFilePath(const QString &executablePath);

struct SettingsReadResult {
    // Language/Preferred was empty: the first language of the list has been
    // chosen and the settings window should be shown before start-up goes on.
    bool firstRun = false;
};

// Reads every key of the settings rows (settings_rows.h) into `settings`, in
// their order. Rows whose gate is closed (positions while SaveWindowPosition
// is 0, columns without stored bounds, widths of an invalid column order) and
// values their row ignores (toolbar Top <= 1 or Left <= 10, widths <= 5)
// leave the value in `settings` alone, so callers pass the current settings
// in. Positions are stored as read; the Clamp... functions below fit them to
// the desktop. Main/CodePage is selected (CodePage::select) before the
// folder paths are decoded with it.
SettingsReadResult ReadSettings(const IniFile &ini, ProgramSettings &settings);
// Writes every row whose gate is open; skipped keys keep their old value in
// `ini`. The language list is never written.
void WriteSettings(IniFile &ini, const ProgramSettings &settings);

// Reads the settings file into `settings`; false (settings untouched) when the
// file cannot be read. The file as read is kept for WriteSettingsFile.
bool ReadSettingsFile(const QString &path, ProgramSettings &settings, SettingsReadResult *result = nullptr);
// Writes the settings into the file as ReadSettingsFile read it (a file not
// read before is loaded as it is now) and replaces the file in one step; see
// IniFile::save. 0, or an I/O error code for IOErrorText, the old file whole.
int WriteSettingsFile(const QString &path, const ProgramSettings &settings);

// Puts every column position outside 1..8 back to its own default; if the
// eight then do not form a permutation of 1..8, resets all of them to 1..8
// and returns false.
bool CheckColumnOrder(std::array<int, TableColumnCount> &positions);


// The folder used when SubtitleFilter/SubPath is empty; created if missing.
QString DefaultSubtitleFolder();

// The folder used when Spelling/Folder is empty: where the system keeps its
// Hunspell dictionaries.
QString SystemDictionaryFolder();

} // namespace cuefold

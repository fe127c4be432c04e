#pragma once

#include "config/settings.h"

#include <QByteArray>
#include <QString>
#include <climits>
#include <functional>
#include <variant>
#include <vector>

namespace cuefold {

// How a row's value is kept in the settings file.
enum class SettingKind {
    Bool,     // "1" or "0"; read as an integer, non-zero is true
    Int,      // signed decimal
    Flags,    // an int of which reading keeps only the bits of `max`
    Colour,   // an int, 0x00BBGGRR: read into the stored and the preview colour, written from the preview's
    Double,   // the shortest decimal text; a "," reads as "."
    Text,     // the raw bytes after "="
    CodePage, // text naming the code page; reading it selects the page the paths after it are read in
    Path,     // folders, as text in the file's code page
};

// When a row is read and written at all; a skipped key keeps its old value
// in the file.
enum class SettingGate {
    Always,
    MainPlacement,   // while Main/SaveWindowPosition is on
    TablePlacement,  // while Table/SaveWindowPosition is on
    TableColumns,    // as TablePlacement; read only after bounds that were stored
    TableWidths,     // as TableColumns; read only after a column order that is a permutation
    PlayerPlacement, // while Player/SaveWindowPosition is on
};

// What reading a number outside [min, max], or a text shorter than min, does.
enum class OutOfRange {
    Default,          // the row's default is taken
    Ignored,          // the setting keeps its value
    IgnoredUnwritten, // the setting keeps its value, and such a value is not written either
    Clamped,          // the nearer limit is taken
};

using SettingValue = std::variant<bool, int, double, QByteArray, QString>;
using SettingField = std::variant<bool *, int *, double *, quint8 *, quint32 *, QByteArray *, QString *>;

// One key of the settings file: where it lives in the file and in the
// settings, its default, and the settings window's control that shows it
// (by object name; empty when no control does).
struct SettingRow {
    QByteArray section;
    QByteArray key;
    SettingKind kind{};
    std::function<SettingField(ProgramSettings &)> field;
    SettingValue defaultValue;
    QByteArray control;
    SettingGate gate = SettingGate::Always;
    int min = INT_MIN;
    int max = INT_MAX;
    OutOfRange outOfRange = OutOfRange::Default;
    // The control is never filled from the settings; Save stores what it
    // shows. For a switch that starts unchecked whatever was stored.
    bool controlOnlyStores = false;
    // A path: the folder an empty value stands for, written as empty again.
    QString (*emptyMeans)() = nullptr;

    bool accepts(int value) const { return value >= min && value <= max; }
};

// Every key of the settings file, in the order they are written.
const std::vector<SettingRow> &SettingRows();
// The row a settings-window control shows, or nullptr.
const SettingRow *RowShownBy(const QByteArray &control);

// The field's value (a Colour row: the stored colour).
SettingValue RowValue(const SettingRow &row, const ProgramSettings &settings);
// Sets the field (a Colour row: the stored and the preview colour).
void SetRowValue(const SettingRow &row, ProgramSettings &settings, const SettingValue &value);

} // namespace cuefold

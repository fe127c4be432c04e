#pragma once

#include <QByteArray>

namespace cuefold {

struct SettingRow;

// A number edit of the settings window after the user left it: the text it
// shows and the value it stands for.
struct TypedNumber {
    QByteArray text;
    double value;
};

// The typed text, once CommaToPoint has turned its first comma into a point,
// must be a decimal number as a whole; otherwise the edit goes back to its
// design text and that value is used. No range is checked.
TypedNumber ParseTypedNumber(const QByteArray &typed, const QByteArray &designText);

// The default gap between subtitles in frames. Zero and negative gaps are
// allowed, but no more than this either way: every frame computed from the
// gap then stays far from what the numbers can hold.
constexpr int MaxDelayFrames = 1000;

// The highest reading-speed and row-length limit the settings take.
constexpr int MaxReadingLimit = 9999;

// The longest wait between two recovery copies: a day. Longer would keep
// nothing worth the name, and the timer holds it in milliseconds.
constexpr int MaxAutosaveSeconds = 24 * 60 * 60;

// The number edit of a settings row, read as ParseTypedNumber reads it with
// the row's design text. A whole-number row takes the value truncated toward
// zero; a row whose values are clamped takes a value beyond its limits as the
// nearer limit, and the edit shows it.
TypedNumber ParseRowNumber(const SettingRow &row, const QByteArray &typed);

// Seconds as the settings window shows them: three decimals with trailing
// zeros and a trailing point dropped (5 -> "5", 2.5 -> "2.5"), the point
// written as the user's decimal separator.
QByteArray SecondsText(double seconds, char decimalPoint = '.');

// The design text of a number edit: its row's default as the window shows it.
QByteArray DesignText(const SettingRow &row);

} // namespace cuefold

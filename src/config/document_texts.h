#pragma once

#include "document/display_time.h"
#include "document/writer.h"

#include <QByteArray>

namespace cuefold {

// The document layer reports codes and takes plain values; these turn them
// into the language texts and settings of the running program.

// prefix + " " + code + ": " + the language text for the code.
QByteArray IOErrorText(int code, const QByteArray &prefix);

// The message for a failed backup, in the program's code page.
QByteArray BackupErrorText(const BackupResult &result);

// The display-time rule as configured in Settings.Main.
DisplayTimeRule DisplayTimeRuleFromSettings();

} // namespace cuefold

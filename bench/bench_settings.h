#pragma once

#include <QString>

class QTemporaryDir;

namespace cuefold::bench {

// The program's default settings file in `dir`, with the language already
// chosen: the shipped file asks a new user first, and a benchmark cannot
// answer. Returns its path.
QString WriteBenchSettings(const QTemporaryDir &dir);

} // namespace cuefold::bench

#pragma once

#include <QDateTime>

namespace cuefold {

// When the program was built (the build machine's local time). The build
// compiles this again whenever a source of the program changes.
QDateTime CompileDateTime();

} // namespace cuefold

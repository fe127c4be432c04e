#pragma once

#include <QIcon>
#include <functional>

namespace cuefold {

// An icon whose picture is looked up the first time it is drawn or measured.
// A theme lookup walks the theme's folders; the main window holds dozens of
// pictures, most of them seen only when a menu opens, so the lookups are
// kept out of the window's construction. `make` must never give a null icon.
QIcon DeferredIcon(std::function<QIcon()> make);

} // namespace cuefold

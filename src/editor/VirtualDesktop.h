#pragma once

#include <QRect>

namespace cuefold {

// The bounding box of all monitors, where windows are placed and clamped.
QRect VirtualDesktop();

} // namespace cuefold

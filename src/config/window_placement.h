#pragma once

#include "config/settings.h"

#include <QPoint>
#include <QSize>
#include <optional>

namespace cuefold {

// All four bounds are -1: no position was ever stored.
bool IsUnsetBounds(const WindowBounds &b);

// Fitting stored positions to the desktop (the bounding box of all monitors).
// Main window: nothing (open centred) when all four bounds are -1.
std::optional<WindowBounds> ClampMainWindow(const WindowBounds &stored, QSize desktop);
// Overview window: as the main window, but a too small size becomes 320 x 240.
std::optional<WindowBounds> ClampTableWindow(const WindowBounds &stored, QSize desktop);
// Tool windows (recalculation, analysis, test, range): nothing (system
// default position) when Top or Left is negative; otherwise the window is
// moved back inside the desktop, never above or left of it. The point is
// (Left, Top).
std::optional<QPoint> ClampToolWindow(int top, int left, QSize windowSize, QSize desktop);
// Player window position as (Left, Top); never off the desktop.
QPoint ClampPlayerPosition(int top, int left, QSize desktop);

} // namespace cuefold

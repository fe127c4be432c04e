#pragma once

#include "config/settings.h"

#include <QPoint>
#include <QRect>
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
// The top-left corner of a window's frame of size `frame` that puts the whole
// frame inside `available` (a screen less its panels): `wanted`, moved in
// just enough; a frame larger than the area keeps its title bar inside.
QPoint PlaceFrameInside(QPoint wanted, QSize frame, const QRect &available);

} // namespace cuefold

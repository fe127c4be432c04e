#include "config/window_placement.h"

namespace cuefold {

namespace {

constexpr int MainMinWidth = 340, MainMinHeight = 200;
constexpr int TableFallbackWidth = 320, TableFallbackHeight = 240;

// (Left, Top) pulled back so that a window of this size ends inside the
// desktop; the rule of all remembered windows.
void pullInside(int &top, int &left, int width, int height, QSize desktop)
{
    if (desktop.height() - height < top)
        top = desktop.height() - height;
    if (desktop.width() - width < left)
        left = desktop.width() - width;
}

WindowBounds clampBounds(WindowBounds b, QSize desktop)
{
    pullInside(b.Top, b.Left, b.Width, b.Height, desktop);
    b.Top = qMax(b.Top, 0);
    b.Left = qMax(b.Left, 0);
    return b;
}

} // namespace

bool IsUnsetBounds(const WindowBounds &b)
{
    return b.Top == -1 && b.Left == -1 && b.Width == -1 && b.Height == -1;
}

std::optional<WindowBounds> ClampMainWindow(const WindowBounds &stored, QSize desktop)
{
    if (IsUnsetBounds(stored))
        return std::nullopt;
    WindowBounds b = clampBounds(stored, desktop);
    b.Width = qMax(b.Width, MainMinWidth);
    b.Height = qMax(b.Height, MainMinHeight);
    return b;
}

std::optional<WindowBounds> ClampTableWindow(const WindowBounds &stored, QSize desktop)
{
    if (IsUnsetBounds(stored))
        return std::nullopt;
    WindowBounds b = clampBounds(stored, desktop);
    if (b.Width < MainMinWidth)
        b.Width = TableFallbackWidth;
    if (b.Height < MainMinHeight)
        b.Height = TableFallbackHeight;
    return b;
}

std::optional<QPoint> ClampToolWindow(int top, int left, QSize windowSize, QSize desktop)
{
    if (top < 0 || left < 0)
        return std::nullopt;
    pullInside(top, left, windowSize.width(), windowSize.height(), desktop);
    // A window larger than the desktop keeps its title bar reachable.
    return QPoint(qMax(left, 0), qMax(top, 0));
}

QPoint ClampPlayerPosition(int top, int left, QSize desktop)
{
    if (top < 0 || top >= desktop.height())
        top = 0;
    if (left < 0 || left >= desktop.width())
        left = 0;
    return QPoint(left, top);
}

QPoint PlaceFrameInside(QPoint wanted, QSize frame, const QRect &available)
{
    // The far edge first, so that the near one wins when the frame is too big.
    const int left = qMax(qMin(wanted.x(), available.right() + 1 - frame.width()), available.left());
    const int top = qMax(qMin(wanted.y(), available.bottom() + 1 - frame.height()), available.top());
    return QPoint(left, top);
}

} // namespace cuefold

#include "editor/ToolWindows.h"

#include "config/window_placement.h"

#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace cuefold {

void ToolWindows::declare(ToolWindow row)
{
    QWidget *window = row.window;
    const auto at = std::upper_bound(mRows.begin(), mRows.end(), row.cyclePlace,
                                     [](int place, const ToolWindow &r) { return place < r.cyclePlace; });
    mRows.insert(at, std::move(row));
    if (window)
        bind(window);
}

const ToolWindow &ToolWindows::find(int place) const
{
    return *std::find_if(mRows.begin(), mRows.end(), [place](const ToolWindow &r) { return r.cyclePlace == place; });
}

QWidget *ToolWindows::window(int place)
{
    ToolWindow &row = *std::find_if(mRows.begin(), mRows.end(),
                                    [place](const ToolWindow &r) { return r.cyclePlace == place; });
    if (!row.window) {
        row.window = row.create();
        bind(row.window);
        if (mDesktop)
            placeOne(row);
    }
    return row.window;
}

void ToolWindows::bind(QWidget *window)
{
    // Shift+Tab arrives as Backtab; both spellings are bound.
    const QKeySequence forward(Qt::CTRL | Qt::Key_Tab);
    const QKeySequence backward[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)};
    QObject::connect(new QShortcut(forward, window), &QShortcut::activated, window,
                     [this, window] { focusNext(window, true); });
    for (const QKeySequence &keys : backward)
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         [this, window] { focusNext(window, false); });
}

void ToolWindows::focusNext(const QWidget *from, bool forward) const
{
    // A window not yet built is not shown either.
    const auto shown = [this](int i) {
        const ToolWindow &r = mRows[i];
        return (!r.offered || r.offered()) && r.window && r.window->isVisible();
    };
    const int last = int(mRows.size()) - 1;
    const auto found =
        std::find_if(mRows.begin(), mRows.end(), [from](const ToolWindow &r) { return r.window == from; });
    const int start = int(found - mRows.begin());
    // Back from the main window wraps to the last; the main window itself is
    // reached only when no other is shown on the way.
    int target = 0;
    if (forward) {
        for (int i = start + 1; i <= last && target == 0; ++i)
            target = shown(i) ? i : 0;
    } else {
        for (int i = start == 0 ? last : start - 1; i >= 1 && target == 0; --i)
            target = shown(i) ? i : 0;
    }
    QWidget *window = mRows[target].window;
    window->activateWindow();
    window->raise();
    window->setFocus();
}

bool ToolWindows::reachesField(const QWidget *field) const
{
    const QByteArray name = field->objectName().toLatin1();
    for (const ToolWindow &r : mRows)
        if (r.window && r.window == field->window())
            return std::any_of(r.clipboardFields.begin(), r.clipboardFields.end(),
                               [&name](const char *f) { return name == f; });
    return false;
}

void ToolWindows::place(const QRect &desktop)
{
    mDesktop = desktop;
    for (const ToolWindow &r : mRows)
        if (r.window)
            placeOne(r);
}

// A tool window goes where it was when the program last closed, kept on the desktop.
void ToolWindows::placeOne(const ToolWindow &r) const
{
    if (!Settings.Main.SaveWindowPosition || !r.placement)
        return;
    const WindowBounds &stored = Settings.Main.*r.placement;
    if (const auto p = ClampToolWindow(stored.Top, stored.Left, r.window->size(), mDesktop->size()))
        r.window->move(*p);
}

// A window never shown nor placed has no position of its own to remember;
// one never built keeps the position read.
void ToolWindows::store() const
{
    for (const ToolWindow &r : mRows)
        if (r.placement && r.window
            && (r.window->testAttribute(Qt::WA_WState_ExplicitShowHide) || r.window->testAttribute(Qt::WA_Moved)))
            Settings.Main.*r.placement = {r.window->y(), r.window->x(), -1, -1};
}

} // namespace cuefold

#pragma once

#include "config/settings.h"

#include <functional>
#include <vector>

class QRect;
class QWidget;

namespace cuefold {

// A program window as the controller that owns it declares it.
struct ToolWindow {
    QWidget *window;
    int cyclePlace;                                   // its place in the Ctrl+Tab cycle; the lowest is the main window
    WindowBounds MainSettings::*placement = nullptr;  // Top/Left kept in the settings; none: its owner places it
    std::vector<const char *> clipboardFields{};      // object names of the fields Copy/Cut/Paste/Select all reach
    std::function<bool()> offered{};                  // in the cycle only while this holds; none: whenever shown
};

// The declared windows: Ctrl+Tab cycling in the order of their places, the
// fields the clipboard commands may reach, and the kept tool-window positions.
class ToolWindows {
public:
    // Binds Ctrl+Tab and Ctrl+Shift+Tab in the window.
    void declare(ToolWindow row);
    // Activates the next (or previous) shown window after `from`; the main
    // window when there is none.
    void focusNext(const QWidget *from, bool forward) const;
    // `field` is one the clipboard commands may reach in its own window.
    bool reachesField(const QWidget *field) const;
    void place(const QRect &desktop) const;
    void store() const;

private:
    std::vector<ToolWindow> mRows; // by cycle place
};

} // namespace cuefold

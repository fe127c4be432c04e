#pragma once

#include "config/settings.h"

#include <QRect>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace cuefold {

// The places of the program's windows in the Ctrl+Tab cycle.
enum CyclePlace {
    MainPlace = 1,
    TablePlace,
    PlayerPlace,
    HelpPlace,
    OptionsPlace,
    RecalculatePlace,
    AnalysisPlace,
    TestPlace,
    RangePlace,
};

// A program window as the controller that owns it declares it.
struct ToolWindow {
    QWidget *window = nullptr;                        // none yet: `create` builds it when first needed
    int cyclePlace;                                   // its place in the Ctrl+Tab cycle; the lowest is the main window
    WindowBounds MainSettings::*placement = nullptr;  // Top/Left kept in the settings; none: its owner places it
    std::vector<const char *> clipboardFields{};      // object names of the fields Copy/Cut/Paste/Select all reach
    std::function<bool()> offered{};                  // in the cycle only while this holds; none: whenever shown
    std::function<QWidget *()> create{};              // builds the window, parented and wired, on first need
};

// The declared windows: Ctrl+Tab cycling in the order of their places, the
// fields the clipboard commands may reach, and the kept tool-window positions.
class ToolWindows {
public:
    // Binds Ctrl+Tab and Ctrl+Shift+Tab in the window once it exists.
    void declare(ToolWindow row);
    // The window declared at `place`, built, bound and placed on the first call.
    QWidget *window(int place);
    template<typename W>
    W *window(int place) { return static_cast<W *>(window(place)); }
    // The window at `place` when it exists; nothing to update otherwise.
    template<typename W>
    W *ifBuilt(int place) const { return static_cast<W *>(find(place).window); }
    // Activates the next (or previous) shown window after `from`; the main
    // window when there is none.
    void focusNext(const QWidget *from, bool forward) const;
    // `field` is one the clipboard commands may reach in its own window.
    bool reachesField(const QWidget *field) const;
    // Places the built windows now and the others when they are built.
    void place(const QRect &desktop);
    void store() const;

private:
    const ToolWindow &find(int place) const;
    void bind(QWidget *window);
    void placeOne(const ToolWindow &row) const;

    std::vector<ToolWindow> mRows; // by cycle place
    std::optional<QRect> mDesktop; // once placed: where windows built later go
};

} // namespace cuefold

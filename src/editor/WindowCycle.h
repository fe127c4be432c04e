#pragma once

#include <functional>

class QWidget;

namespace cuefold {

// Ctrl+Tab and Ctrl+Shift+Tab inside `window` move to the next or previous
// shown program window; `number` is the window's place in the cycle.
void InstallWindowCycleKeys(QWidget *window, const std::function<void(int from, bool forward)> &focusNext,
                            int number);

} // namespace cuefold

#pragma once

class QWidget;

namespace cuefold {

class TForm1;

// Ctrl+Tab and Ctrl+Shift+Tab inside `window` move to the next or previous
// shown program window; `number` is the window's place in the cycle.
void InstallWindowCycleKeys(QWidget *window, TForm1 *main, int number);

} // namespace cuefold

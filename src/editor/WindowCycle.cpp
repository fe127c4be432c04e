#include "editor/WindowCycle.h"
#include "editor/FMain.h"

#include <QShortcut>

namespace cuefold {

void InstallWindowCycleKeys(QWidget *window, TForm1 *main, int number)
{
    // Shift+Tab arrives as Backtab; both spellings are bound.
    const QKeySequence forward(Qt::CTRL | Qt::Key_Tab);
    const QKeySequence backward[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)};
    QObject::connect(new QShortcut(forward, window), &QShortcut::activated, main,
                     [main, number] { main->FocusNextWindow(number, true); });
    for (const QKeySequence &keys : backward)
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, main,
                         [main, number] { main->FocusNextWindow(number, false); });
}

} // namespace cuefold

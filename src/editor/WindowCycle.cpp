#include "editor/WindowCycle.h"

#include <QShortcut>
#include <QWidget>

namespace cuefold {

void InstallWindowCycleKeys(QWidget *window, const std::function<void(int from, bool forward)> &focusNext,
                            int number)
{
    // Shift+Tab arrives as Backtab; both spellings are bound.
    const QKeySequence forward(Qt::CTRL | Qt::Key_Tab);
    const QKeySequence backward[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)};
    QObject::connect(new QShortcut(forward, window), &QShortcut::activated, window,
                     [focusNext, number] { focusNext(number, true); });
    for (const QKeySequence &keys : backward)
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         [focusNext, number] { focusNext(number, false); });
}

} // namespace cuefold

#include "editor/HintPolicy.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace cuefold {

namespace {
HintPolicy *instance = nullptr;
constexpr int HintDurationMs = 15000;
} // namespace

void HintPolicy::install()
{
    if (instance)
        return;
    instance = new HintPolicy;
    instance->setParent(qApp);
    qApp->installEventFilter(instance);
}

void HintPolicy::setEnabled(bool enabled)
{
    install();
    instance->mEnabled = enabled;
}

QString DisplayLineBreaks(QString hint)
{
    // The language texts break lines with carriage returns, which a tooltip
    // would run together.
    return hint.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

bool HintPolicy::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    if (!mEnabled)
        return true;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || w->toolTip().isEmpty())
        return false;
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), DisplayLineBreaks(w->toolTip()), w, {},
                       HintDurationMs);
    return true;
}

} // namespace cuefold

#include "editor/StatusPanels.h"

#include "document/frame_text.h"

#include <QLabel>
#include <QStatusBar>

namespace cuefold {

StatusPanels::StatusPanels(QStatusBar *bar)
{
    // The encoding stands with the document's figures, before the message.
    for (int i : {Label, Frame, LineCount, Fps, Encoding, Message}) {
        mPanels[i] = new QLabel(bar);
        mPanels[i]->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
        bar->addWidget(mPanels[i], i == Message ? 1 : 0);
    }
    mPanels[Label]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void StatusPanels::setText(int panel, const QString &text)
{
    QLabel *l = mPanels[panel];
    l->setText(text);
    // The line count and frame rate panels fit their text (pixel width plus 8).
    if (panel == LineCount || panel == Fps)
        l->setFixedWidth(l->fontMetrics().horizontalAdvance(text) + 8);
}

void StatusPanels::showFps(double fps)
{
    setText(Fps, (IsValidFPS(fps) ? QString::fromLatin1(FpsText(fps)) : QStringLiteral("?")) + QStringLiteral(" fps"));
}

QString StatusPanels::text(int panel) const
{
    return mPanels[panel]->text();
}

} // namespace cuefold

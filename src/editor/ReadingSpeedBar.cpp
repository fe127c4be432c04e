#include "editor/ReadingSpeedBar.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/NamedWidget.h"
#include "editor/RowLengthsLabel.h"

#include <QEvent>
#include <QLabel>

namespace cuefold {

ReadingSpeedBar::ReadingSpeedBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelReadingSpeed"));
    LabelReadingSpeed = named<QLabel>(this, "LabelReadingSpeed");
    LabelReadingSpeed->setTextFormat(Qt::PlainText);
    LabelRowLengths = named<RowLengthsLabel>(this, "LabelRowLengths");
    LabelRowLengths->setTextFormat(Qt::RichText);
    fitFont();
}

void ReadingSpeedBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitFont();
    QWidget::changeEvent(event);
}

// One line high whatever it shows, so a new text never lays the panel out again.
void ReadingSpeedBar::fitFont()
{
    setFixedHeight(fontMetrics().height());
    place();
}

void ReadingSpeedBar::resizeEvent(QResizeEvent *)
{
    place();
}

// The labels are placed by hand, not by a layout: a label's new text would
// make a layout recompute the whole panel and the window on every keystroke.
void ReadingSpeedBar::place()
{
    const int speedWidth = LabelReadingSpeed->sizeHint().width();
    LabelReadingSpeed->setGeometry(0, 0, speedWidth, height());
    const int rowsLeft = speedWidth + Spacing;
    LabelRowLengths->setGeometry(rowsLeft, 0, qMax(0, width() - rowsLeft), height());
}

void ReadingSpeedBar::showSpeed(const ReadingSpeed &speed, const ReadingLimits &limits)
{
    mSpeed = speed;
    mLimits = limits;
    if (speed.RowLengths.isEmpty()) {
        LabelReadingSpeed->clear();
        LabelRowLengths->clear();
        setSpeedRed(false);
        place();
        return;
    }
    const QString cps = speed.Cps < 0 ? QStringLiteral("?") : QString::number(speed.Cps, 'f', 1);
    LabelReadingSpeed->setText(Unicode(Texts.ReadingSpeedCps).arg(cps));
    setSpeedRed(speed.tooFast(limits));
    // Only the rows over the limit turn red, so the user sees which to break.
    QList<RowLengthsLabel::Part> rows;
    for (int r = 0; r < speed.RowLengths.size(); ++r) {
        if (r > 0)
            rows.append({QStringLiteral(" / ")});
        rows.append({QString::number(speed.RowLengths[r]), speed.rowTooLong(r, limits)});
    }
    LabelRowLengths->setRows(Unicode(Texts.ReadingRowLengths), rows);
    place();
}

void ReadingSpeedBar::setSpeedRed(bool red)
{
    if (red == mSpeedRed)
        return;
    mSpeedRed = red;
    QPalette p = LabelReadingSpeed->palette();
    p.setColor(QPalette::WindowText, red ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    LabelReadingSpeed->setPalette(p);
}

void ReadingSpeedBar::retranslate()
{
    LabelReadingSpeed->setToolTip(Unicode(Texts.HintReadingSpeed));
    LabelRowLengths->setToolTip(Unicode(Texts.HintRowLengths));
    showSpeed(mSpeed, mLimits);
}

} // namespace cuefold

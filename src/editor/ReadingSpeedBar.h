#pragma once

#include "document/reading_speed.h"

#include <QWidget>

class QLabel;

namespace cuefold {

class RowLengthsLabel;

// The current subtitle's reading speed and row lengths under the text field,
// each in red once over its limit. It runs on every keystroke, so it only
// touches a label whose text or colour really changed.
class ReadingSpeedBar : public QWidget {
public:
    explicit ReadingSpeedBar(QWidget *parent);

    // An empty measure (no rows: no subtitle, or the frame-rate line) shows
    // nothing.
    void showSpeed(const ReadingSpeed &speed, const ReadingLimits &limits);
    void retranslate();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static constexpr int Spacing = 16; // between the speed and the row lengths
    void setSpeedRed(bool red);
    void place();
    void fitFont();

    QLabel *LabelReadingSpeed;
    RowLengthsLabel *LabelRowLengths;
    ReadingSpeed mSpeed;
    ReadingLimits mLimits;
    bool mSpeedRed = false;
};

} // namespace cuefold

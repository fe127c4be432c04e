#pragma once

#include "operations/timing_previews.h"

#include <QDialog>

namespace Ui {
class FormTest;
}

namespace cuefold {

// The modeless reading-speed window in its two modes: the speed test (speed
// and minimal time only) and the recalculation by reading speed (with the
// range, lock and rearrange choices and Accept). The arrow buttons change the
// program's reading speed and minimal time at once; the bulk commands do the
// rest.
class TFormTest : public QDialog {
    Q_OBJECT

public:
    explicit TFormTest(QWidget *parent);
    ~TFormTest() override;

    // Lays the window out for its mode; `desktopBottom` keeps the taller
    // recalculation window on the desktop.
    void setMode(bool speedTest, int desktopBottom);
    bool speedTestMode() const { return mSpeedTest; }
    TimingScope scope() const;
    bool rearrange() const;
    void setAcceptEnabled(bool enabled);
    bool acceptEnabled() const;
    // The speed and minimal time as the settings hold them (kept at least 1
    // and 0).
    void refreshLabels();
    void retranslate();

signals:
    void testClicked();
    void acceptClicked();
    void closed();

private:
    void fitTo(int height);
    void step(int speed, int minDwell);
    void CheckBoxRearrangeClick(bool checked);

    Ui::FormTest *mUi;
    QSize mDesigned;
    bool mSpeedTest = false;
};

} // namespace cuefold

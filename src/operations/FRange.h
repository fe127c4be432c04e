#pragma once

#include "operations/range_commands.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace cuefold {

// What the range dialog was opened for.
enum class RangeMode { RemoveBreaks = 1, Lock = 2, Unlock = 3 };

// The modeless range dialog of the break and lock commands. It is made once
// and never reset, so its choices carry over from one use to the next (and
// from one mode to another).
class TFormRange : public QDialog {
    Q_OBJECT

public:
    explicit TFormRange(QWidget *parent);

    // Shows the dialog for `mode` with its captions, the focus on the begin choice.
    void showFor(RangeMode mode);
    RangeMode mode() const { return RangeModeValue; }
    RangeChoice choice() const;
    void retranslate();

signals:
    // ButtonDoThis: the dialog has closed and the mode's worker is to run.
    void confirmed();

private:
    QGroupBox *radioGroup(const char *name, int items, QButtonGroup *&group);
    void ButtonDoThisClick();

    QGroupBox *RadioGroupRangeBeg, *RadioGroupRangeEnd, *RadioGroupRangeStint;
    QButtonGroup *mBeg, *mEnd, *mStint;
    QCheckBox *CheckBoxRangeExcept;
    QPushButton *ButtonDoThis, *ButtonCancel;
    RangeMode RangeModeValue = RangeMode::RemoveBreaks;
};

} // namespace cuefold

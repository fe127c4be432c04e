#pragma once

#include "operations/timing_previews.h"

#include <QDialog>

class QLineEdit;

namespace Ui {
class FormRecalculate;
}

namespace cuefold {

// The modeless two-point recalculation window: the two synchronisation points
// (frame now, frame wanted), the range and lock choices, Test, Accept and
// Close. The bulk commands do the work; the window collects the input.
class TFormRecalculate : public QDialog {
    Q_OBJECT

public:
    enum Point { PA, DA, PN, DN }; // the order a failing edit is looked for

    explicit TFormRecalculate(QWidget *parent);
    ~TFormRecalculate() override;

    QLineEdit *edit(Point point) const;
    TimingScope scope() const;
    void setAcceptEnabled(bool enabled);
    bool acceptEnabled() const;
    void retranslate();

signals:
    void testClicked();
    void acceptClicked();
    // "<<" of a frame-now edit (the current subtitle) or of a frame-wanted
    // edit (the player).
    void pickRequested(Point point);
    // Close, Escape or the close box.
    void closed();

private:
    Ui::FormRecalculate *mUi;
    QSize mDesigned;
};

} // namespace cuefold

#pragma once

#include <QByteArray>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace cuefold {

// Texts of one use of the operations dialog: caption, three explanation
// lines and the unit label.
struct OperationTexts {
    QByteArray caption, line1, line2, line3, unit;
};

// The small modal window that asks for one number. 0 means cancelled or
// nothing usable entered; callers then do nothing.
class TFormOperations : public QDialog {
    Q_OBJECT

public:
    explicit TFormOperations(QWidget *parent);

    // Shows the dialog with these texts and initial edit text; returns
    // OperationsValue.
    double ask(const OperationTexts &texts, const QByteArray &initial);
    double OperationsValue = 0;
    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    void readNumber();
    void ButtonOperationsDoThisClick();

    QLabel *Label1, *Label2, *Label3, *LabelNumber;
    QLineEdit *EditFrames;
    QPushButton *ButtonOperationsDoThis, *ButtonOperationsCancel;
    bool mPending = false;
};

} // namespace cuefold

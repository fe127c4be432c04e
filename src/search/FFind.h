#pragma once

#include <QByteArray>
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cuefold {

struct FindState;

// The find dialog: what to look for (ten categories), the row limit or the
// text, and whether case counts. It records the choice in the find state;
// the text and the case box are read from it at search time, so they last
// as long as the dialog.
class TFormFindWhat : public QDialog {
    Q_OBJECT

public:
    TFormFindWhat(FindState &state, QWidget *parent);

    // Shows the dialog modally. Afterwards FindCategory is the chosen
    // category, or -1 when the dialog was left without Find.
    void ask();
    QByteArray searchText() const;
    bool caseSensitive() const;
    void retranslate();

protected:
    void done(int result) override;

private:
    void RadioGroupFindWhatClick(int category);
    void EditFindTextChange();
    void CheckBoxCaseSensitiveClick();
    void ButtonFindClick();
    bool rowLimitCategory() const;

    FindState &mState;
    QGroupBox *RadioGroupFindWhat;
    QButtonGroup *mCategories;
    QCheckBox *CheckBoxCaseSensitive;
    QLabel *LabelEdit;
    QLineEdit *EditFindText;
    QPushButton *ButtonFind, *ButtonCancel;
};

} // namespace cuefold

#include "operations/FRange.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/NamedWidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cuefold {

namespace {

void setItemTexts(QButtonGroup *group, std::initializer_list<const QByteArray *> texts)
{
    int id = 0;
    for (const QByteArray *t : texts)
        group->button(id++)->setText(Unicode(*t));
}

} // namespace

TFormRange::TFormRange(QWidget *parent)
    : QDialog(parent, ToolDialogFlags)
{
    setObjectName(QStringLiteral("FormRange"));
    setMinimumSize(338, 330);
    RadioGroupRangeBeg = radioGroup("RadioGroupRangeBeg", 2, mBeg);
    RadioGroupRangeEnd = radioGroup("RadioGroupRangeEnd", 2, mEnd);
    RadioGroupRangeStint = radioGroup("RadioGroupRangeStint", 3, mStint);
    mBeg->button(0)->setChecked(true);
    mEnd->button(1)->setChecked(true);
    mStint->button(0)->setChecked(true);
    CheckBoxRangeExcept = named<QCheckBox>(this, "CheckBoxRangeExcept");
    ButtonDoThis = named<QPushButton>(this, "ButtonDoThis");
    ButtonDoThis->setDefault(true);
    ButtonCancel = named<QPushButton>(this, "ButtonCancel");
    ButtonCancel->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    auto *ends = new QHBoxLayout;
    ends->addWidget(RadioGroupRangeBeg);
    ends->addWidget(RadioGroupRangeEnd);
    layout->addLayout(ends);
    layout->addWidget(RadioGroupRangeStint);
    layout->addWidget(CheckBoxRangeExcept);
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonDoThis);
    buttons->addWidget(ButtonCancel);
    layout->addLayout(buttons);

    connect(ButtonDoThis, &QPushButton::clicked, this, &TFormRange::ButtonDoThisClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QGroupBox *TFormRange::radioGroup(const char *name, int items, QButtonGroup *&group)
{
    auto *box = named<QGroupBox>(this, name);
    auto *column = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items; ++i) {
        auto *item = new QRadioButton(box);
        item->setObjectName(QString::fromLatin1(name) + QString::number(i));
        group->addButton(item, i);
        column->addWidget(item);
    }
    return box;
}

void TFormRange::retranslate()
{
    const LanguageTexts &t = Texts;
    RadioGroupRangeBeg->setTitle(Unicode(t.DetermineRangeRadioGroupRangeBeginCaption));
    setItemTexts(mBeg, {&t.DetermineRangeRadioGroupRangeBeginItem0, &t.DetermineRangeRadioGroupRangeBeginItem1});
    RadioGroupRangeEnd->setTitle(Unicode(t.DetermineRangeRadioGroupRangeEndCaption));
    setItemTexts(mEnd, {&t.DetermineRangeRadioGroupRangeEndItem0, &t.DetermineRangeRadioGroupRangeEndItem1});
    RadioGroupRangeStint->setTitle(Unicode(t.DetermineRangeRadioGroupRangeStintCaption));
    setItemTexts(mStint, {&t.DetermineRangeRadioGroupRangeStintItem0, &t.DetermineRangeRadioGroupRangeStintItem1,
                          &t.DetermineRangeRadioGroupRangeStintItem2});
    ButtonDoThis->setText(Unicode(t.DetermineRangeButtonDoThis));
    ButtonCancel->setText(Unicode(t.DetermineRangeButtonCancel));
    switch (RangeModeValue) {
    case RangeMode::RemoveBreaks:
        setWindowTitle(Unicode(t.RemoveBreaksCaption));
        CheckBoxRangeExcept->setText(Unicode(t.RemoveBreaksCheckBoxRangeExcept));
        break;
    case RangeMode::Lock:
        setWindowTitle(Unicode(t.LockLinesCaption));
        CheckBoxRangeExcept->setText(Unicode(t.LockLinesCheckBoxRangeExcept));
        break;
    case RangeMode::Unlock:
        setWindowTitle(Unicode(t.UnLockLinesCaption));
        CheckBoxRangeExcept->setText(Unicode(t.UnLockLinesCheckBoxRangeExcept));
        break;
    }
}

void TFormRange::showFor(RangeMode mode)
{
    RangeModeValue = mode;
    retranslate();
    // The lock choice belongs to the break removal only.
    RadioGroupRangeStint->setEnabled(mode == RangeMode::RemoveBreaks);
    show();
    raise();
    activateWindow();
    mBeg->checkedButton()->setFocus();
}

RangeChoice TFormRange::choice() const
{
    return {.FromCurrent = mBeg->checkedId() == 1,
            .ToCurrent = mEnd->checkedId() == 0,
            .Stint = static_cast<RangeStint>(mStint->checkedId()),
            .Except = CheckBoxRangeExcept->isChecked()};
}

void TFormRange::ButtonDoThisClick()
{
    hide();
    emit confirmed();
}

} // namespace cuefold

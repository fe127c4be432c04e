#include "operations/FRecalculate.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/NamedWidget.h"
#include "ui_FRecalculate.h"

#include <QLayout>

namespace cuefold {

TFormRecalculate::TFormRecalculate(QWidget *parent)
    : QDialog(parent, ToolDialogFlags)
    , mUi(new Ui::FormRecalculate)
{
    mUi->setupUi(this);
    mDesigned = minimumSize();
    const std::pair<QPushButton *, Point> picks[] = {
        {mUi->ButtonPA, PA}, {mUi->ButtonDA, DA}, {mUi->ButtonPN, PN}, {mUi->ButtonDN, DN}};
    for (const auto &[button, point] : picks)
        connect(button, &QPushButton::clicked, this, [this, p = point] { emit pickRequested(p); });
    for (Point p : {PA, DA, PN, DN})
        connect(edit(p), &QLineEdit::textChanged, this, [this] { setAcceptEnabled(false); });
    connect(mUi->ButtonTest, &QPushButton::clicked, this, &TFormRecalculate::testClicked);
    connect(mUi->ButtonAccept, &QPushButton::clicked, this, &TFormRecalculate::acceptClicked);
    connect(mUi->ButtonClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &TFormRecalculate::closed);
    setAcceptEnabled(false);
}

TFormRecalculate::~TFormRecalculate()
{
    delete mUi;
}

QLineEdit *TFormRecalculate::edit(Point point) const
{
    QLineEdit *const edits[] = {mUi->EditPA, mUi->EditDA, mUi->EditPN, mUi->EditDN};
    return edits[point];
}

TimingScope TFormRecalculate::scope() const
{
    return {.all = mUi->RadioGroupRange1->isChecked(),
            .locks = mUi->RadioGroupStint1->isChecked() ? LockChoice::IgnoreLocks : LockChoice::RespectLocks};
}

void TFormRecalculate::setAcceptEnabled(bool enabled)
{
    mUi->ButtonAccept->setEnabled(enabled);
}

bool TFormRecalculate::acceptEnabled() const
{
    return mUi->ButtonAccept->isEnabled();
}

void TFormRecalculate::retranslate()
{
    const LanguageTexts &t = Texts;
    setWindowTitle(Unicode(t.RecalculateF));
    mUi->LabelP->setText(Unicode(t.RecalculateP));
    mUi->LabelD->setText(Unicode(t.RecalculateD));
    mUi->LabelM->setText(Unicode(t.RecalculateM));
    mUi->LabelN->setText(Unicode(t.RecalculateN));
    for (Point p : {PA, DA, PN, DN})
        edit(p)->setToolTip(Unicode(t.RecalculateH));
    for (QPushButton *b : {mUi->ButtonPA, mUi->ButtonDA})
        b->setToolTip(Unicode(t.RecalculateX));
    for (QPushButton *b : {mUi->ButtonPN, mUi->ButtonDN})
        b->setToolTip(Unicode(t.RecalculateY));
    mUi->RadioGroupRange->setTitle(Unicode(t.RadioGroupRangeC));
    mUi->RadioGroupRange0->setText(Unicode(t.RadioGroupRangeC0));
    mUi->RadioGroupRange1->setText(Unicode(t.RadioGroupRangeC1));
    mUi->RadioGroupStint->setTitle(Unicode(t.RadioGroupStintC));
    mUi->RadioGroupStint0->setText(Unicode(t.RadioGroupStintC0));
    mUi->RadioGroupStint1->setText(Unicode(t.RadioGroupStintC1));
    mUi->ButtonTest->setText(Unicode(t.RecalculateT));
    mUi->ButtonAccept->setText(Unicode(t.RecalculateA));
    mUi->ButtonClose->setText(Unicode(t.ButtonClose));
    // The designed size, or more where the texts of the language need it.
    layout()->activate();
    setMinimumSize(mDesigned.expandedTo(layout()->minimumSize()));
}

} // namespace cuefold

#include "operations/FConvertFPS.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "ui_FConvertFPS.h"

#include <QPushButton>

namespace cuefold {

TFormConvertFPS::TFormConvertFPS(QWidget *parent)
    : QDialog(parent)
    , mUi(new Ui::FormConvertFPS)
{
    mUi->setupUi(this);
    connect(mUi->ButtonsConvertFPS, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(mUi->ButtonsConvertFPS, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TFormConvertFPS::~TFormConvertFPS()
{
    delete mUi;
}

std::optional<RateConversionRequest> TFormConvertFPS::ask(const QByteArray &from, const QByteArray &to,
                                                          std::optional<QByteArray> &refused)
{
    refused.reset();
    mUi->EditFPSFrom->setText(Unicode(from));
    mUi->EditFPSTo->setText(Unicode(to));
    // The rate still to be given gets the focus.
    (to.isEmpty() ? mUi->EditFPSTo : mUi->EditFPSFrom)->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const QByteArray fromText = CodePage::fromUnicode(mUi->EditFPSFrom->text());
    const QByteArray toText = CodePage::fromUnicode(mUi->EditFPSTo->text());
    const auto fromRate = ParseFrameRate(fromText);
    const auto toRate = ParseFrameRate(toText);
    if (!fromRate || !toRate) {
        refused = fromRate ? toText : fromText;
        return std::nullopt;
    }
    return RateConversionRequest{*fromRate, *toRate, mUi->CheckBoxSpareLocked->isChecked()};
}

void TFormConvertFPS::retranslate()
{
    setWindowTitle(Unicode(Texts.ConvertFPSCaption));
    mUi->LabelFPSFrom->setText(Unicode(Texts.ConvertFPSFrom));
    mUi->LabelFPSTo->setText(Unicode(Texts.ConvertFPSTo));
    mUi->CheckBoxSpareLocked->setText(Unicode(Texts.ConvertFPSSpareLocked));
    mUi->ButtonsConvertFPS->button(QDialogButtonBox::Ok)->setText(Unicode(Texts.OK));
    mUi->ButtonsConvertFPS->button(QDialogButtonBox::Cancel)->setText(Unicode(Texts.OperationsButtonCancel));
}

} // namespace cuefold

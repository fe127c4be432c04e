#include "search/FFind.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/text_codec.h"
#include "editor/NamedWidget.h"
#include "search/find_state.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace cuefold {

namespace {

constexpr int RowLimitIndex = static_cast<int>(FindWhat::RowLimit);
constexpr int TextIndex = static_cast<int>(FindWhat::Text);

} // namespace

TFormFindWhat::TFormFindWhat(FindState &state, QWidget *parent)
    : QDialog(parent, ToolDialogFlags)
    , mState(state)
{
    setObjectName(QStringLiteral("FormFindWhat"));
    setMinimumSize(474, 356);
    RadioGroupFindWhat = named<QGroupBox>(this, "RadioGroupFindWhat");
    auto *items = new QVBoxLayout(RadioGroupFindWhat);
    mCategories = new QButtonGroup(this);
    for (int i = 0; i < FindWhatCount; ++i) {
        auto *item = new QRadioButton(RadioGroupFindWhat);
        item->setObjectName(QStringLiteral("RadioGroupFindWhat%1").arg(i));
        mCategories->addButton(item, i);
        items->addWidget(item);
    }
    CheckBoxCaseSensitive = named<QCheckBox>(this, "CheckBoxCaseSensitive");
    LabelEdit = named<QLabel>(this, "LabelEdit");
    EditFindText = named<QLineEdit>(this, "EditFindText");
    ButtonFind = named<QPushButton>(this, "ButtonFind");
    ButtonFind->setDefault(true);
    ButtonCancel = named<QPushButton>(this, "ButtonCancel");
    ButtonCancel->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroupFindWhat);
    layout->addWidget(CheckBoxCaseSensitive);
    auto *edit = new QHBoxLayout;
    edit->addWidget(LabelEdit);
    edit->addWidget(EditFindText);
    edit->addStretch();
    layout->addLayout(edit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonFind);
    buttons->addWidget(ButtonCancel);
    layout->addLayout(buttons);

    connect(mCategories, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            RadioGroupFindWhatClick(id);
    });
    connect(EditFindText, &QLineEdit::textChanged, this, &TFormFindWhat::EditFindTextChange);
    connect(CheckBoxCaseSensitive, &QCheckBox::clicked, this, &TFormFindWhat::CheckBoxCaseSensitiveClick);
    connect(ButtonFind, &QPushButton::clicked, this, &TFormFindWhat::ButtonFindClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormFindWhat::retranslate()
{
    setWindowTitle(Unicode(Texts.FindWhatCaption));
    RadioGroupFindWhat->setTitle(Unicode(Texts.FindRadioGroupCaption));
    for (int i = 0; i < FindWhatCount; ++i)
        mCategories->button(i)->setText(Unicode(FindWhatCaption(static_cast<FindWhat>(i))));
    CheckBoxCaseSensitive->setText(Unicode(Texts.FindCheckBoxCase));
    ButtonFind->setText(Unicode(Texts.FindButtonFindCaption));
    ButtonCancel->setText(Unicode(Texts.FindButtonCancelCaption));
}

void TFormFindWhat::ask()
{
    const int category = mState.dialogShown();
    LabelEdit->hide();
    EditFindText->hide();
    {
        const QSignalBlocker quiet(mCategories);
        mCategories->button(category)->setChecked(true);
    }
    mCategories->button(category)->setFocus();
    RadioGroupFindWhatClick(category);
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : QDialog::screen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
}

void TFormFindWhat::RadioGroupFindWhatClick(int category)
{
    LabelEdit->hide();
    EditFindText->hide();
    ButtonFind->setEnabled(true);
    mState.FindCategory = category;
    if (category == RowLimitIndex) {
        int limit = 0;
        if (!ReadRowLimit(CodePage::fromUnicode(EditFindText->text()), limit)) {
            EditFindText->clear();
            ButtonFind->setEnabled(false);
        }
        LabelEdit->setText(Unicode(Texts.FindCrLfText));
        EditFindText->setFixedWidth(26);
        EditFindText->setToolTip(Unicode(Texts.FindCrLfHint));
    } else if (category == TextIndex) {
        LabelEdit->clear();
        EditFindText->setFixedWidth(std::max(width() - 52, 26));
        EditFindText->setToolTip(Unicode(Texts.FindTextHint));
    } else {
        return;
    }
    LabelEdit->show();
    EditFindText->show();
    EditFindText->setFocus();
}

bool TFormFindWhat::rowLimitCategory() const
{
    return mCategories->checkedId() == RowLimitIndex;
}

void TFormFindWhat::EditFindTextChange()
{
    int limit = 0;
    if (rowLimitCategory())
        ButtonFind->setEnabled(ReadRowLimit(CodePage::fromUnicode(EditFindText->text()), limit));
}

void TFormFindWhat::CheckBoxCaseSensitiveClick()
{
    // Case matters to the text search only, so ticking the box chooses it.
    mCategories->button(TextIndex)->setChecked(true);
    EditFindText->setFocus();
}

void TFormFindWhat::ButtonFindClick()
{
    int limit = -1;
    if (rowLimitCategory())
        ReadRowLimit(CodePage::fromUnicode(EditFindText->text()), limit);
    mState.confirmed(limit);
    accept();
}

void TFormFindWhat::done(int result)
{
    mState.dialogClosed();
    QDialog::done(result);
}

QByteArray TFormFindWhat::searchText() const
{
    // A character the document's encoding cannot hold occurs in none of its
    // texts: such a text finds nothing rather than its "?".
    const QString text = EditFindText->text();
    return DocumentCodec().unholdable(text).isEmpty() ? DocumentCodec().fromUnicode(text) : QByteArray();
}

bool TFormFindWhat::caseSensitive() const
{
    return CheckBoxCaseSensitive->isChecked();
}

} // namespace cuefold

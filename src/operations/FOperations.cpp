#include "operations/FOperations.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/NamedWidget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cuefold {

TFormOperations::TFormOperations(QWidget *parent)
    : QDialog(parent, ToolDialogFlags)
{
    setObjectName(QStringLiteral("FormOperations"));
    setMinimumSize(410, 180);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    EditFrames = new QLineEdit(QStringLiteral("0"), this);
    EditFrames->setObjectName(QStringLiteral("EditFrames"));
    LabelNumber = new QLabel(this);
    LabelNumber->setObjectName(QStringLiteral("LabelNumber"));
    ButtonOperationsDoThis = new QPushButton(this);
    ButtonOperationsDoThis->setObjectName(QStringLiteral("ButtonOperationsDoThis"));
    ButtonOperationsDoThis->setAutoDefault(true);
    ButtonOperationsCancel = new QPushButton(this);
    ButtonOperationsCancel->setObjectName(QStringLiteral("ButtonOperationsCancel"));
    ButtonOperationsCancel->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0, 1, 2);
    grid->addWidget(Label3, 2, 0, 1, 2);
    grid->addWidget(EditFrames, 3, 0);
    grid->addWidget(LabelNumber, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOperationsDoThis);
    buttons->addWidget(ButtonOperationsCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    setTabOrder(EditFrames, ButtonOperationsDoThis);
    setTabOrder(ButtonOperationsDoThis, ButtonOperationsCancel);

    EditFrames->installEventFilter(this);
    connect(ButtonOperationsDoThis, &QPushButton::clicked, this, &TFormOperations::ButtonOperationsDoThisClick);
    connect(ButtonOperationsCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormOperations::retranslate()
{
    ButtonOperationsDoThis->setText(CodePage::toUnicode(Texts.OperationsButtonDoThis));
    ButtonOperationsCancel->setText(CodePage::toUnicode(Texts.OperationsButtonCancel));
}

double TFormOperations::ask(const OperationTexts &t, const QByteArray &initial)
{
    retranslate();
    setWindowTitle(CodePage::toUnicode(t.caption));
    Label1->setText(CodePage::toUnicode(t.line1));
    Label2->setText(CodePage::toUnicode(t.line2));
    Label3->setText(CodePage::toUnicode(t.line3));
    LabelNumber->setText(CodePage::toUnicode(t.unit));
    EditFrames->setText(CodePage::toUnicode(initial));
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    mPending = true;
    EditFrames->setFocus();
    EditFrames->selectAll();
    exec();
    return OperationsValue;
}

void TFormOperations::readNumber()
{
    double v = 0;
    if (ParseDecimal(CodePage::fromUnicode(EditFrames->text()), v)) {
        OperationsValue = v;
    } else {
        EditFrames->setText(QStringLiteral("0"));
        OperationsValue = 0;
    }
}

void TFormOperations::ButtonOperationsDoThisClick()
{
    readNumber();
    if (OperationsValue == 0) {
        EditFrames->setFocus();
        return;
    }
    mPending = false;
    accept();
}

void TFormOperations::done(int result)
{
    // Closed any other way than by confirming a number: nothing to do.
    if (mPending)
        OperationsValue = 0;
    mPending = false;
    QDialog::done(result);
}

bool TFormOperations::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EditFrames) {
        // Once the dialog is closing, the field losing focus must not turn
        // a cancel into the number it holds.
        if (event->type() == QEvent::FocusOut) {
            if (mPending)
                readNumber();
        } else if (event->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(event);
            const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
            if (enter && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                readNumber();
                if (OperationsValue != 0)
                    ButtonOperationsDoThis->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace cuefold

#include "operations/FTest.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "editor/HintPolicy.h"
#include "editor/NamedWidget.h"
#include "ui_FTest.h"

#include <QStyle>

namespace cuefold {

namespace {

// A label shows the language text's line breaks.
QString lines(const QByteArray &b) { return DisplayLineBreaks(Unicode(b)); }

// The speed-test mode has no choices: the window is this much lower.
constexpr int ChoicesHeight = 217;

} // namespace

TFormTest::TFormTest(QWidget *parent)
    : QDialog(parent, ToolDialogFlags)
    , mUi(new Ui::FormTest)
{
    mUi->setupUi(this);
    mDesigned = size();
    mUi->ImageRearrangeMark->setPixmap(style()->standardPixmap(QStyle::SP_DialogApplyButton));
    connect(mUi->ButtonDecSpd, &QPushButton::clicked, this, [this] { step(-1, 0); });
    connect(mUi->ButtonIncSpd, &QPushButton::clicked, this, [this] { step(1, 0); });
    connect(mUi->ButtonDecFix, &QPushButton::clicked, this, [this] { step(0, -10); });
    connect(mUi->ButtonIncFix, &QPushButton::clicked, this, [this] { step(0, 10); });
    connect(mUi->CheckBoxRearrange, &QCheckBox::toggled, this, &TFormTest::CheckBoxRearrangeClick);
    connect(mUi->ButtonTest, &QPushButton::clicked, this, &TFormTest::testClicked);
    connect(mUi->ButtonAccept, &QPushButton::clicked, this, &TFormTest::acceptClicked);
    connect(mUi->ButtonClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &TFormTest::closed);
}

TFormTest::~TFormTest()
{
    delete mUi;
}

void TFormTest::setMode(bool speedTest, int desktopBottom)
{
    mSpeedTest = speedTest;
    for (QWidget *w : {static_cast<QWidget *>(mUi->ButtonAccept), static_cast<QWidget *>(mUi->PanelRecalculation)})
        w->setVisible(!speedTest);
    fitTo(speedTest ? mDesigned.height() - ChoicesHeight : mDesigned.height());
    if (!speedTest && y() + frameGeometry().height() > desktopBottom)
        move(x(), qMax(0, desktopBottom - frameGeometry().height()));
    setWindowTitle(Unicode(speedTest ? Texts.ExamC : Texts.DwellC));
}

// The designed size, or more where the texts of the language need it.
void TFormTest::fitTo(int height)
{
    layout()->activate();
    const QSize minimum = QSize(mDesigned.width(), height).expandedTo(layout()->minimumSize());
    setMinimumSize(minimum);
    resize(QSize(width(), minimum.height()).expandedTo(minimum));
}

TimingScope TFormTest::scope() const
{
    const LockChoice locks = mUi->RadioGroupStint2->isChecked()   ? LockChoice::MarkedOnly
                             : mUi->RadioGroupStint1->isChecked() ? LockChoice::IgnoreLocks
                                                                  : LockChoice::RespectLocks;
    return {.all = mUi->RadioGroupRange1->isChecked(), .locks = locks};
}

bool TFormTest::rearrange() const
{
    return mUi->CheckBoxRearrange->isChecked();
}

void TFormTest::setAcceptEnabled(bool enabled)
{
    mUi->ButtonAccept->setEnabled(enabled);
}

bool TFormTest::acceptEnabled() const
{
    return mUi->ButtonAccept->isEnabled();
}

void TFormTest::step(int speed, int minDwell)
{
    Settings.Main.TestReadSpeed += speed;
    Settings.Main.TestMinDwell += minDwell;
    refreshLabels();
}

void TFormTest::refreshLabels()
{
    MainSettings &m = Settings.Main;
    m.TestReadSpeed = qMax(m.TestReadSpeed, 1);
    m.TestMinDwell = qMax(m.TestMinDwell, 0);
    mUi->LabelRychlost->setText(QString::number(m.TestReadSpeed) + QLatin1Char(' ') + Unicode(Texts.CharsPerSec));
    mUi->LabelDuration->setText(QString::number(m.TestMinDwell) + QLatin1Char(' ') + Unicode(Texts.Millisecond));
}

// Without the rearranging the marks say nothing about first frames, so the
// marked-only choice goes while the box is ticked.
void TFormTest::CheckBoxRearrangeClick(bool checked)
{
    if (checked && mUi->RadioGroupStint2->isChecked())
        mUi->RadioGroupStint0->setChecked(true);
    mUi->RadioGroupStint2->setVisible(!checked);
}

void TFormTest::retranslate()
{
    const LanguageTexts &t = Texts;
    setWindowTitle(Unicode(mSpeedTest ? t.ExamC : t.DwellC));
    mUi->ExamSpeed->setText(lines(t.ExamLSpeed));
    mUi->ButtonDecSpd->setToolTip(Unicode(t.ExamBDecSpd));
    mUi->ButtonIncSpd->setToolTip(Unicode(t.ExamBIncSpd));
    mUi->ExamFix->setText(lines(t.ExamLFix));
    mUi->ButtonDecFix->setToolTip(Unicode(t.ExamBDecDly));
    mUi->ButtonIncFix->setToolTip(Unicode(t.ExamBIncDly));
    mUi->RadioGroupRange->setTitle(Unicode(t.RadioGroupRangeC));
    mUi->RadioGroupRange0->setText(Unicode(t.RadioGroupRangeC0));
    mUi->RadioGroupRange1->setText(Unicode(t.RadioGroupRangeC1));
    mUi->RadioGroupStint->setTitle(Unicode(t.RadioGroupStintC));
    mUi->RadioGroupStint0->setText(Unicode(t.RadioGroupStintC0));
    mUi->RadioGroupStint1->setText(Unicode(t.RadioGroupStintC1));
    mUi->RadioGroupStint2->setText(Unicode(t.RadioGroupStintC2));
    mUi->LabelRearrange->setText(lines(t.RearrangeUnmarkedL));
    mUi->CheckBoxRearrange->setText(Unicode(t.RearrangeUnmarkedB));
    mUi->CheckBoxRearrange->setToolTip(Unicode(t.RearrangeUnmarkedH));
    mUi->ButtonTest->setText(Unicode(t.RecalculateT));
    mUi->ButtonAccept->setText(Unicode(t.RecalculateA));
    mUi->ButtonClose->setText(Unicode(t.ButtonClose));
    refreshLabels();
    fitTo(minimumHeight());
}

} // namespace cuefold

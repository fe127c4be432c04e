#include "operations/FAnalysis.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/document_model.h"
#include "document/text_codec.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/NamedWidget.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cuefold {

namespace {

const QString Unknown = QStringLiteral("?");

// Object names of a section's controls: create, previous, current (or
// nullptr), next, the three captions and the three values.
const char *const PixelNames[] = {"ButtonPXcrea", "ButtonPXprev", "ButtonPXcurr", "ButtonPXnext", "LabelPRpx",
                                  "LabelAIVPpx",  "LabelDRpx",    "Label7",       "Label8",       "Label9"};
const char *const FullLengthNames[] = {"ButtonAcrea", "ButtonAPrev", nullptr,  "ButtonANext", "LabelPT",
                                       "LabelAIVP1",  "LabelDT",     "Label1", "Label2",      "Label3"};
const char *const RowLengthNames[] = {"ButtonBcrea", "ButtonBPrev", nullptr,  "ButtonBNext", "LabelPR",
                                      "LabelAIVP2",  "Label1DR",    "Label4", "Label5",      "Label6"};

} // namespace

TFormAnalysis::TFormAnalysis(DocumentModel &model, CurrentSubtitlePanel &panel, QWidget *parent)
    : QDialog(parent, ToolDialogFlags)
    , mModel(model)
    , mPanel(panel)
{
    setObjectName(QStringLiteral("FormAnalysis"));
    auto *layout = new QVBoxLayout(this);
    // The window never gets smaller than its captions need, in any language.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(buildSection(AnalysisKind::Pixels, PixelNames, true));
    auto *characters = new QHBoxLayout;
    characters->addWidget(buildSection(AnalysisKind::FullLength, FullLengthNames, false));
    characters->addWidget(buildSection(AnalysisKind::RowLength, RowLengthNames, false));
    layout->addLayout(characters);
    auto *buttons = new QHBoxLayout;
    ButtonClear = named<QPushButton>(this, "ButtonClear");
    ButtonClose = named<QPushButton>(this, "ButtonClose");
    ButtonClose->setAutoDefault(false);
    ButtonClear->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ButtonClear);
    buttons->addWidget(ButtonClose);
    layout->addLayout(buttons);
    resize(QSize(518, 248).expandedTo(sizeHint()));
    connect(ButtonClear, &QPushButton::clicked, this, [this] { RefreshAnalysis(false); });
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
    connect(section(AnalysisKind::Pixels).current, &QPushButton::clicked, this, &TFormAnalysis::ButtonPXcurrClick);
    // The fixed captions of the two character lists are not in the language table.
    section(AnalysisKind::FullLength).create->setText(QStringLiteral("Create list of full Lengths"));
    section(AnalysisKind::FullLength).create->setToolTip(
        QStringLiteral("Sorts subtitles by length of subtitles in characters (whole line including CRLF)"));
    section(AnalysisKind::RowLength).create->setText(QStringLiteral("Create list of Lengths"));
    section(AnalysisKind::RowLength).create->setToolTip(
        QStringLiteral("Sorts subtitles by length of widest line in subtitle (length is in characters)"));
    for (AnalysisKind kind : {AnalysisKind::FullLength, AnalysisKind::RowLength}) {
        section(kind).prev->setText(QStringLiteral("<"));
        section(kind).next->setText(QStringLiteral(">"));
    }
    showCleared();
}

QWidget *TFormAnalysis::buildSection(AnalysisKind kind, const char *const names[], bool withCurrent)
{
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    Section &s = section(kind);
    s.create = named<QPushButton>(frame, names[0]);
    s.prev = named<QPushButton>(frame, names[1]);
    s.current = withCurrent ? named<QPushButton>(frame, names[2]) : nullptr;
    s.next = named<QPushButton>(frame, names[3]);
    QLabel **labels[] = {&s.countLabel, &s.positionLabel, &s.valueLabel, &s.count, &s.position, &s.value};
    for (int i = 0; i < 6; ++i)
        *labels[i] = named<QLabel>(frame, names[4 + i]);

    auto *grid = new QGridLayout(frame);
    grid->addWidget(s.create, 0, 0, 1, 2);
    auto *moves = new QHBoxLayout;
    for (QPushButton *b : {s.prev, s.current, s.next})
        if (b) {
            b->setAutoDefault(false);
            moves->addWidget(b);
        }
    grid->addLayout(moves, 1, 0, 1, 2);
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(*labels[row], row + 2, 0);
        grid->addWidget(*labels[row + 3], row + 2, 1);
    }
    s.create->setAutoDefault(false);
    connect(s.create, &QPushButton::clicked, this, [this, kind] { buildList(kind); });
    connect(s.prev, &QPushButton::clicked, this, [this, kind] { step(kind, -1); });
    connect(s.next, &QPushButton::clicked, this, [this, kind] { step(kind, +1); });
    return frame;
}

void TFormAnalysis::retranslate()
{
    setWindowTitle(Unicode(Texts.AnalysisFc));
    Section &px = section(AnalysisKind::Pixels);
    px.create->setText(Unicode(Texts.AnalysisPc));
    px.create->setToolTip(Unicode(Texts.AnalysisPh));
    px.prev->setText(Unicode(Texts.AnalysisPp));
    px.current->setText(Unicode(Texts.AnalysisPa));
    px.next->setText(Unicode(Texts.AnalysisPn));
    px.valueLabel->setText(Unicode(Texts.AnalysisWp));
    // The character lists borrow the pixel list's captions, their own value caption aside.
    for (Section &s : mSections) {
        s.countLabel->setText(Unicode(Texts.AnalysisNl));
        s.positionLabel->setText(Unicode(Texts.AnalysisAi));
        if (&s != &px)
            s.valueLabel->setText(Unicode(Texts.AnalysisWc));
    }
    ButtonClear->setText(Unicode(Texts.AnalysisXc));
    ButtonClear->setToolTip(Unicode(Texts.AnalysisXh));
    ButtonClose->setText(Unicode(Texts.ButtonClose));
    ButtonClose->setToolTip(Unicode(Texts.AnalysisCh));
}

void TFormAnalysis::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (mAnalysis.Active)
        section(AnalysisKind::Pixels).create->setFocus();
}

const RowWidth &TFormAnalysis::rowWidth()
{
    const QFont font = mPanel.previewFont();
    // The table holds the characters of one encoding: another document may
    // have another one.
    if (!mRowWidth || font != mMeasuredFont || DocumentCodec().name() != mMeasuredEncoding) {
        mMeasuredFont = font;
        mMeasuredEncoding = DocumentCodec().name();
        const QFontMetrics metrics(font);
        mRowWidth = SummedCharacterWidths([metrics](QChar c) { return metrics.horizontalAdvance(c); });
    }
    return mRowWidth;
}

void TFormAnalysis::buildList(AnalysisKind kind)
{
    mAnalysis.build(kind, mModel.doc(), rowWidth());
    showBuilt(kind, true);
    section(kind).prev->setFocus();
}

void TFormAnalysis::step(AnalysisKind kind, int delta)
{
    showEntry(kind, mAnalysis.step(kind, delta), true);
}

void TFormAnalysis::ButtonPXcurrClick()
{
    showEntry(AnalysisKind::Pixels, mAnalysis.standOn(AnalysisKind::Pixels, mModel.doc().CurrentLine), false);
}

void TFormAnalysis::showEntry(AnalysisKind kind, const AnalysisEntry *entry, bool follow)
{
    Section &s = section(kind);
    if (!entry) {
        // A list of one entry shows nothing but its count.
        s.position->setText(Unknown);
        s.value->setText(Unknown);
        return;
    }
    s.position->setText(QString::number(mAnalysis.position(kind)));
    s.value->setText(QString::number(entry->Value));
    if (follow && mModel.doc().validIndex(entry->Line)) {
        mPanel.CommitEdits(); // typing in the panel belongs to the subtitle it was typed for
        mPanel.ShowLine(entry->Line, ShowStep);
    }
}

void TFormAnalysis::enableMoves(Section &s, bool enable)
{
    for (QPushButton *b : {s.prev, s.current, s.next})
        if (b)
            b->setEnabled(enable);
}

void TFormAnalysis::showBuilt(AnalysisKind kind, bool follow)
{
    Section &s = section(kind);
    s.count->setText(QString::number(mAnalysis.count(kind)));
    enableMoves(s, true);
    showEntry(kind, mAnalysis.shown(kind), follow);
}

void TFormAnalysis::showCleared()
{
    for (Section &s : mSections) {
        for (QLabel *l : {s.count, s.position, s.value})
            l->setText(Unknown);
        enableMoves(s, false);
    }
}

void TFormAnalysis::RefreshAnalysis(bool rebuild)
{
    if (!rebuild) {
        mAnalysis.clear();
        showCleared();
        return;
    }
    if (!mAnalysis.rebuild(mModel.doc(), rowWidth()))
        return;
    showCleared();
    for (int k = 0; k < AnalysisKindCount; ++k)
        if (mAnalysis.count(static_cast<AnalysisKind>(k)) >= 0)
            showBuilt(static_cast<AnalysisKind>(k), false);
}

} // namespace cuefold

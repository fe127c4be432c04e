// The current-subtitle panel: its controls, their captions and the preview's
// font and colour.
#include "editor/CurrentSubtitlePanel.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/document_model.h"
#include "editor/GlyphLine.h"
#include "editor/HoldableTextValidator.h"
#include "editor/NamedWidget.h"
#include "editor/ReadingSpeedBar.h"
#include "editor/SpellChecking.h"
#include "editor/SpellField.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace cuefold {

namespace {

const QColor PreviewGroundColour(Qt::black);

// A small style picture in a label; the program's style looks it up when
// it is first painted.
class PictureLabel : public QLabel {
public:
    PictureLabel(QWidget *parent, QStyle::StandardPixmap picture)
        : QLabel(parent)
        , mIcon(style()->standardIcon(picture))
    {
        setFixedSize(Side, Side);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        mIcon.paint(&painter, rect());
    }

private:
    static constexpr int Side = 14;
    QIcon mIcon;
};

// A value of the previous or the next subtitle, cut at its cell's edge. Its
// size does not follow its text, so a step to another subtitle measures no
// text for the layout, and it draws only the glyphs that fit: both would
// otherwise cost more than the rest of the step.
class NeighbourLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return {fontMetrics().averageCharWidth() * 6, fontMetrics().height()}; }
    QSize minimumSizeHint() const override { return {0, fontMetrics().height()}; }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QRect box = contentsRect();
        const std::optional<GlyphLine::Laid> laid = mLine.layOut(text(), font(), box.width());
        if (!laid) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setClipRect(box);
        painter.setPen(palette().color(foregroundRole()));
        GlyphLine::draw(painter, QPoint(box.left(), box.top() + (box.height() - fontMetrics().height()) / 2), *laid);
    }

private:
    GlyphLine mLine;
};

// Holds a neighbour label outside the panel's layout. A label's new text
// asks its parent's layout to lay the whole panel out again, on every step
// to another subtitle, though a neighbour label's size never follows its
// text; a parent without a layout has nothing to redo.
class LabelHolder : public QWidget {
public:
    LabelHolder(QWidget *parent, const char *name)
        : QWidget(parent)
        , mLabel(named<NeighbourLabel>(this, name))
    {
    }
    NeighbourLabel *label() const { return mLabel; }
    QSize sizeHint() const override { return mLabel->sizeHint(); }
    QSize minimumSizeHint() const override { return mLabel->minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent *) override { mLabel->setGeometry(rect()); }

private:
    NeighbourLabel *mLabel;
};

// The preview's black ground, painted by its viewport itself. Its style
// sheet paints the ground behind a see-through viewport, and the window
// paints its own under both first: three fills of the largest box of the
// panel on every step to another subtitle, where one does.
class PreviewGround : public QObject {
public:
    explicit PreviewGround(QWidget *viewport)
        : QObject(viewport)
    {
        viewport->setAttribute(Qt::WA_OpaquePaintEvent);
        viewport->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QPainter(static_cast<QWidget *>(watched)).fillRect(static_cast<QPaintEvent *>(event)->rect(), PreviewGroundColour);
        return false;
    }
};

QToolButton *stepButton(QWidget *parent, const char *name, Qt::ArrowType arrow)
{
    auto *b = named<QToolButton>(parent, name);
    b->setArrowType(arrow);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setFixedSize(16, 11);
    return b;
}

QFrame *fieldPanel(QWidget *parent, const char *name, QLineEdit *&edit, const char *editName)
{
    auto *panel = named<QFrame>(parent, name);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    edit = named<QLineEdit>(panel, editName);
    row->addWidget(edit);
    return panel;
}

QCheckBox *flagBox(QWidget *parent, const char *name, bool enabled)
{
    auto *c = named<QCheckBox>(parent, name);
    c->setEnabled(enabled);
    return c;
}

void addSteps(QFrame *panel, QToolButton *up, QToolButton *down)
{
    auto *steps = new QVBoxLayout;
    steps->setSpacing(0);
    steps->addWidget(up);
    steps->addWidget(down);
    static_cast<QHBoxLayout *>(panel->layout())->addLayout(steps);
}

} // namespace

CurrentSubtitlePanel::CurrentSubtitlePanel(DocumentModel &model, QWidget *parent)
    : QFrame(parent)
    , mModel(model)
{
    setObjectName(QStringLiteral("Panel1"));
    build();
    connectControls();
    // After a save nothing differs from the saved state any more.
    connect(&mModel, &DocumentModel::saved, this, [this] {
        clearChangedLook();
        if (mModel.doc().validIndex(mModel.doc().CurrentLine))
            refreshUndoState(mModel.doc().CurrentLine);
    });
}

void CurrentSubtitlePanel::setShortcutOwner(std::function<bool(const QKeySequence &)> ownsShortcut)
{
    mOwnsShortcut = std::move(ownsShortcut);
}

void CurrentSubtitlePanel::build()
{
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    LabelHeadLine = named<QLabel>(this, "LabelHeadLine");
    LabelHeadFrom = named<QLabel>(this, "LabelHeadFrom");
    LabelHeadLast = named<QLabel>(this, "LabelHeadLast");
    LabelHeadText = named<QLabel>(this, "LabelHeadText");
    ImageLock = new PictureLabel(this, QStyle::SP_DialogNoButton);
    ImageLock->setObjectName(QStringLiteral("ImageLock"));
    ImageMark = new PictureLabel(this, QStyle::SP_DialogApplyButton);
    ImageMark->setObjectName(QStringLiteral("ImageMark"));
    for (QLabel *l : {LabelHeadLine, LabelHeadFrom, LabelHeadLast, LabelHeadText}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::Highlight));
        l->setPalette(p);
    }
    grid->addWidget(LabelHeadLine, 0, 0, Qt::AlignHCenter);
    grid->addWidget(LabelHeadFrom, 0, 1);
    grid->addWidget(LabelHeadLast, 0, 2);
    grid->addWidget(LabelHeadText, 0, 3);
    grid->addWidget(ImageLock, 0, 4, Qt::AlignHCenter);
    grid->addWidget(ImageMark, 0, 5, Qt::AlignHCenter);

    // The read-only rows of the previous and the next subtitle.
    static const char *const names[2][5] = {
        {"LabelFRFP", "LabelFRLP", "LabelTXTP", "CheckBoxLOLP", "CheckBoxMALP"},
        {"LabelFRFN", "LabelFRLN", "LabelTXTN", "CheckBoxLOLN", "CheckBoxMALN"},
    };
    for (int n = 0; n < 2; ++n) {
        NeighbourRow &r = mNeighbours[n];
        auto *from = new LabelHolder(this, names[n][0]);
        auto *last = new LabelHolder(this, names[n][1]);
        auto *text = new LabelHolder(this, names[n][2]);
        r.from = from->label();
        r.last = last->label();
        r.text = text->label();
        r.text->setTextFormat(Qt::PlainText);
        r.lock = flagBox(this, names[n][3], false);
        r.mark = flagBox(this, names[n][4], false);
        const int row = n == 0 ? 1 : 3;
        grid->addWidget(from, row, 1);
        grid->addWidget(last, row, 2);
        grid->addWidget(text, row, 3);
        grid->addWidget(r.lock, row, 4, Qt::AlignHCenter);
        grid->addWidget(r.mark, row, 5, Qt::AlignHCenter);
    }

    grid->addWidget(buildIndexBox(), 2, 0);
    PanelFrameFrom = fieldPanel(this, "PanelFrameFrom", EditFrameFrom, "EditFrameFrom");
    ButtonFrameFromInc = stepButton(PanelFrameFrom, "ButtonFrameFromInc", Qt::UpArrow);
    ButtonFrameFromDec = stepButton(PanelFrameFrom, "ButtonFrameFromDec", Qt::DownArrow);
    addSteps(PanelFrameFrom, ButtonFrameFromInc, ButtonFrameFromDec);
    PanelFrameLast = fieldPanel(this, "PanelFrameLast", EditFrameLast, "EditFrameLast");
    ButtonFrameLastInc = stepButton(PanelFrameLast, "ButtonFrameLastInc", Qt::UpArrow);
    ButtonFrameLastDec = stepButton(PanelFrameLast, "ButtonFrameLastDec", Qt::DownArrow);
    addSteps(PanelFrameLast, ButtonFrameLastInc, ButtonFrameLastDec);
    for (QLineEdit *e : {EditFrameFrom, EditFrameLast}) {
        e->setMaxLength(7);
        e->setFixedWidth(64);
        e->setAlignment(Qt::AlignRight);
    }
    PanelSubtitle = fieldPanel(this, "PanelSubtitle", EditSubtitle, "EditSubtitle");
    // A field shorter than the text would cut it when the panel is stored.
    EditSubtitle->setMaxLength(std::numeric_limits<int>::max());
    mSpelling = new SpellChecking(this);
    new SpellField(EditSubtitle, *mSpelling, [this] { EditSubtitleExit(); });
    auto *holdable = new HoldableTextValidator(EditSubtitle);
    EditSubtitle->setValidator(holdable);
    connect(holdable, &HoldableTextValidator::refused, this, &CurrentSubtitlePanel::notice);
    BitBtnSubtitleUndo = named<QToolButton>(PanelSubtitle, "BitBtnSubtitleUndo");
    BitBtnSubtitleUndo->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    BitBtnSubtitleUndo->setFocusPolicy(Qt::NoFocus);
    BitBtnSubtitleUndo->hide();
    // Hidden, it keeps its room: the text field stays as wide, and a step
    // between a changed and an unchanged subtitle lays nothing out again.
    QSizePolicy keepRoom = BitBtnSubtitleUndo->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    BitBtnSubtitleUndo->setSizePolicy(keepRoom);
    PanelSubtitle->layout()->addWidget(BitBtnSubtitleUndo);
    CheckBoxLock = flagBox(this, "CheckBoxLock", true);
    CheckBoxMark = flagBox(this, "CheckBoxMark", true);
    grid->addWidget(PanelFrameFrom, 2, 1);
    grid->addWidget(PanelFrameLast, 2, 2);
    grid->addWidget(PanelSubtitle, 2, 3);
    grid->addWidget(CheckBoxLock, 2, 4, Qt::AlignHCenter);
    grid->addWidget(CheckBoxMark, 2, 5, Qt::AlignHCenter);

    RTFpreview = named<QTextEdit>(this, "RTFpreview");
    RTFpreview->setReadOnly(true);
    // Nobody undoes in a preview: its document keeps no steps.
    RTFpreview->setUndoRedoEnabled(false);
    RTFpreview->setFocusPolicy(Qt::ClickFocus);
    RTFpreview->setMinimumHeight(70);
    new PreviewGround(RTFpreview->viewport());
    grid->addWidget(RTFpreview, 4, 0, 1, 6);
    mReadingSpeed = new ReadingSpeedBar(this);
    grid->addWidget(mReadingSpeed, 5, 1, 1, 5);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(4, 1);

    setTabOrder(EditCurrentLineIndex, EditFrameFrom);
    setTabOrder(EditFrameFrom, EditFrameLast);
    setTabOrder(EditFrameLast, EditSubtitle);
    setTabOrder(EditSubtitle, CheckBoxLock);
    setTabOrder(CheckBoxLock, CheckBoxMark);
}

QWidget *CurrentSubtitlePanel::buildIndexBox()
{
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    BitBtnCurrentLineIndexDec = named<QToolButton>(box, "BitBtnCurrentLineIndexDec");
    BitBtnCurrentLineIndexDec->setArrowType(Qt::LeftArrow);
    BitBtnCurrentLineIndexDec->setFocusPolicy(Qt::NoFocus);
    EditCurrentLineIndex = named<QLineEdit>(box, "EditCurrentLineIndex");
    EditCurrentLineIndex->setMaxLength(4);
    EditCurrentLineIndex->setFixedWidth(48);
    EditCurrentLineIndex->setAlignment(Qt::AlignRight);
    BitBtnCurrentLineIndexInc = named<QToolButton>(box, "BitBtnCurrentLineIndexInc");
    BitBtnCurrentLineIndexInc->setArrowType(Qt::RightArrow);
    BitBtnCurrentLineIndexInc->setFocusPolicy(Qt::NoFocus);
    row->addWidget(BitBtnCurrentLineIndexDec);
    row->addWidget(EditCurrentLineIndex);
    row->addWidget(BitBtnCurrentLineIndexInc);
    return box;
}

void CurrentSubtitlePanel::connectControls()
{
    for (QWidget *w : {static_cast<QWidget *>(EditCurrentLineIndex), static_cast<QWidget *>(EditFrameFrom),
                       static_cast<QWidget *>(EditFrameLast), static_cast<QWidget *>(EditSubtitle),
                       static_cast<QWidget *>(RTFpreview)})
        w->installEventFilter(this);

    // The buttons take no focus, so typing in a field is stored first.
    connect(BitBtnCurrentLineIndexDec, &QToolButton::clicked, this, [this] { stepLine(-1); });
    connect(BitBtnCurrentLineIndexInc, &QToolButton::clicked, this, [this] { stepLine(1); });
    // A value typed into a step button's field is stored first, so the step
    // starts from it.
    auto step = [this](bool first, bool up) {
        storeFrameField(first);
        stepFrame(first, up);
    };
    connect(ButtonFrameFromInc, &QToolButton::clicked, this, [step] { step(true, true); });
    connect(ButtonFrameFromDec, &QToolButton::clicked, this, [step] { step(true, false); });
    connect(ButtonFrameLastInc, &QToolButton::clicked, this, [step] { step(false, true); });
    connect(ButtonFrameLastDec, &QToolButton::clicked, this, [step] { step(false, false); });
    connect(CheckBoxLock, &QCheckBox::toggled, this, [this] { storeFlag(true); });
    connect(CheckBoxMark, &QCheckBox::toggled, this, [this] { storeFlag(false); });
    connect(BitBtnSubtitleUndo, &QToolButton::clicked, this, &CurrentSubtitlePanel::undoWholeLineRequested);
    // The reading speed follows every change of the fields, before anything
    // is stored.
    for (QLineEdit *e : {EditFrameFrom, EditFrameLast, EditSubtitle})
        connect(e, &QLineEdit::textChanged, this, &CurrentSubtitlePanel::showReadingSpeed);
    connect(&mModel, &DocumentModel::fpsChanged, this, &CurrentSubtitlePanel::showReadingSpeed);
}

void CurrentSubtitlePanel::retranslate()
{
    LabelHeadLine->setText(Unicode(Texts.HeadLine));
    LabelHeadFrom->setText(Unicode(Texts.TableFirst));
    LabelHeadLast->setText(Unicode(Texts.TableLast));
    LabelHeadText->setText(Unicode(Texts.TableTitle));
    ImageLock->setToolTip(Unicode(Texts.TableLock));
    ImageMark->setToolTip(Unicode(Texts.TableMark));
    BitBtnCurrentLineIndexDec->setToolTip(Unicode(Texts.HintIndexDec));
    BitBtnCurrentLineIndexInc->setToolTip(Unicode(Texts.HintIndexInc));
    EditCurrentLineIndex->setToolTip(Unicode(Texts.EditCurrentLineIndex));
    EditFrameFrom->setToolTip(Unicode(Texts.EditFirstFrame));
    EditFrameLast->setToolTip(Unicode(Texts.EditLastFrame));
    EditSubtitle->setToolTip(Unicode(Texts.EditSubtitle));
    BitBtnSubtitleUndo->setToolTip(Unicode(Texts.HintUndoWholeLine));
    mReadingSpeed->retranslate();
    // The dictionary may follow the language.
    mSpelling->configure();
}

void CurrentSubtitlePanel::setPreviewFont(const QFont &font)
{
    RTFpreview->setFont(font);
    mPreviewText.reset();
    ShowPreview();
}

QFont CurrentSubtitlePanel::previewFont() const
{
    return RTFpreview->font();
}

void CurrentSubtitlePanel::setPreviewColour(quint32 colour)
{
    const QColor c(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    RTFpreview->setStyleSheet(
        QStringLiteral("QTextEdit { background: %1; color: %2; }").arg(PreviewGroundColour.name(), c.name()));
}

void CurrentSubtitlePanel::focusField(Field field)
{
    switch (field) {
    case Field::Index: EditCurrentLineIndex->setFocus(); break;
    case Field::From: EditFrameFrom->setFocus(); break;
    case Field::Last: EditFrameLast->setFocus(); break;
    case Field::Text: EditSubtitle->setFocus(); break;
    }
}

void CurrentSubtitlePanel::toggleLock()
{
    if (mModel.doc().validIndex(mModel.doc().CurrentLine))
        CheckBoxLock->setChecked(!mModel.doc().line(mModel.doc().CurrentLine).Lock);
}

void CurrentSubtitlePanel::toggleMark()
{
    if (mModel.doc().validIndex(mModel.doc().CurrentLine))
        CheckBoxMark->setChecked(!mModel.doc().line(mModel.doc().CurrentLine).Mark);
}

} // namespace cuefold

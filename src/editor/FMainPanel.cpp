// The current-subtitle panel: its controls, typed input and navigation keys.
#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/NamedWidget.h"
#include "editor/frame_input.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace cuefold {

namespace {

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

Qt::KeyboardModifiers plainModifiers(const QKeyEvent *k)
{
    return k->modifiers() & ~Qt::KeypadModifier;
}

} // namespace

void TForm1::buildPanel()
{
    Panel1 = named<QFrame>(this, "Panel1");
    auto *grid = new QGridLayout(Panel1);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    LabelHeadLine = named<QLabel>(Panel1, "LabelHeadLine");
    LabelHeadFrom = named<QLabel>(Panel1, "LabelHeadFrom");
    LabelHeadLast = named<QLabel>(Panel1, "LabelHeadLast");
    LabelHeadText = named<QLabel>(Panel1, "LabelHeadText");
    ImageLock = named<QLabel>(Panel1, "ImageLock");
    ImageMark = named<QLabel>(Panel1, "ImageMark");
    ImageLock->setPixmap(style()->standardIcon(QStyle::SP_DialogNoButton).pixmap(14, 14));
    ImageMark->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(14, 14));
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
    auto neighbourRow = [&](int row, const char *const names[5], QLabel *&from, QLabel *&last, QLabel *&text,
                            QCheckBox *&lock, QCheckBox *&mark) {
        from = named<QLabel>(Panel1, names[0]);
        last = named<QLabel>(Panel1, names[1]);
        text = named<QLabel>(Panel1, names[2]);
        text->setTextFormat(Qt::PlainText);
        lock = flagBox(Panel1, names[3], false);
        mark = flagBox(Panel1, names[4], false);
        grid->addWidget(from, row, 1);
        grid->addWidget(last, row, 2);
        grid->addWidget(text, row, 3);
        grid->addWidget(lock, row, 4, Qt::AlignHCenter);
        grid->addWidget(mark, row, 5, Qt::AlignHCenter);
    };
    static const char *const previousNames[5] = {"LabelFRFP", "LabelFRLP", "LabelTXTP", "CheckBoxLOLP", "CheckBoxMALP"};
    static const char *const nextNames[5] = {"LabelFRFN", "LabelFRLN", "LabelTXTN", "CheckBoxLOLN", "CheckBoxMALN"};
    neighbourRow(1, previousNames, LabelFRFP, LabelFRLP, LabelTXTP, CheckBoxLOLP, CheckBoxMALP);

    auto *indexBox = new QWidget(Panel1);
    auto *indexRow = new QHBoxLayout(indexBox);
    indexRow->setContentsMargins(0, 0, 0, 0);
    indexRow->setSpacing(1);
    BitBtnCurrentLineIndexDec = named<QToolButton>(indexBox, "BitBtnCurrentLineIndexDec");
    BitBtnCurrentLineIndexDec->setArrowType(Qt::LeftArrow);
    BitBtnCurrentLineIndexDec->setFocusPolicy(Qt::NoFocus);
    EditCurrentLineIndex = named<QLineEdit>(indexBox, "EditCurrentLineIndex");
    EditCurrentLineIndex->setMaxLength(4);
    EditCurrentLineIndex->setFixedWidth(48);
    EditCurrentLineIndex->setAlignment(Qt::AlignRight);
    BitBtnCurrentLineIndexInc = named<QToolButton>(indexBox, "BitBtnCurrentLineIndexInc");
    BitBtnCurrentLineIndexInc->setArrowType(Qt::RightArrow);
    BitBtnCurrentLineIndexInc->setFocusPolicy(Qt::NoFocus);
    indexRow->addWidget(BitBtnCurrentLineIndexDec);
    indexRow->addWidget(EditCurrentLineIndex);
    indexRow->addWidget(BitBtnCurrentLineIndexInc);
    grid->addWidget(indexBox, 2, 0);

    auto addSteps = [](QFrame *panel, QToolButton *up, QToolButton *down) {
        auto *steps = new QVBoxLayout;
        steps->setSpacing(0);
        steps->addWidget(up);
        steps->addWidget(down);
        static_cast<QHBoxLayout *>(panel->layout())->addLayout(steps);
    };
    PanelFrameFrom = fieldPanel(Panel1, "PanelFrameFrom", EditFrameFrom, "EditFrameFrom");
    ButtonFrameFromInc = stepButton(PanelFrameFrom, "ButtonFrameFromInc", Qt::UpArrow);
    ButtonFrameFromDec = stepButton(PanelFrameFrom, "ButtonFrameFromDec", Qt::DownArrow);
    addSteps(PanelFrameFrom, ButtonFrameFromInc, ButtonFrameFromDec);
    PanelFrameLast = fieldPanel(Panel1, "PanelFrameLast", EditFrameLast, "EditFrameLast");
    ButtonFrameLastInc = stepButton(PanelFrameLast, "ButtonFrameLastInc", Qt::UpArrow);
    ButtonFrameLastDec = stepButton(PanelFrameLast, "ButtonFrameLastDec", Qt::DownArrow);
    addSteps(PanelFrameLast, ButtonFrameLastInc, ButtonFrameLastDec);
    for (QLineEdit *e : {EditFrameFrom, EditFrameLast}) {
        e->setMaxLength(7);
        e->setFixedWidth(64);
        e->setAlignment(Qt::AlignRight);
    }
    PanelSubtitle = fieldPanel(Panel1, "PanelSubtitle", EditSubtitle, "EditSubtitle");
    BitBtnSubtitleUndo = named<QToolButton>(PanelSubtitle, "BitBtnSubtitleUndo");
    BitBtnSubtitleUndo->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    BitBtnSubtitleUndo->setFocusPolicy(Qt::NoFocus);
    BitBtnSubtitleUndo->hide();
    PanelSubtitle->layout()->addWidget(BitBtnSubtitleUndo);
    CheckBoxLock = flagBox(Panel1, "CheckBoxLock", true);
    CheckBoxMark = flagBox(Panel1, "CheckBoxMark", true);
    grid->addWidget(PanelFrameFrom, 2, 1);
    grid->addWidget(PanelFrameLast, 2, 2);
    grid->addWidget(PanelSubtitle, 2, 3);
    grid->addWidget(CheckBoxLock, 2, 4, Qt::AlignHCenter);
    grid->addWidget(CheckBoxMark, 2, 5, Qt::AlignHCenter);

    neighbourRow(3, nextNames, LabelFRFN, LabelFRLN, LabelTXTN, CheckBoxLOLN, CheckBoxMALN);

    RTFpreview = named<QTextEdit>(Panel1, "RTFpreview");
    RTFpreview->setReadOnly(true);
    RTFpreview->setFocusPolicy(Qt::ClickFocus);
    RTFpreview->setMinimumHeight(70);
    grid->addWidget(RTFpreview, 4, 0, 1, 6);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(4, 1);
    setCentralWidget(Panel1);

    setTabOrder(EditCurrentLineIndex, EditFrameFrom);
    setTabOrder(EditFrameFrom, EditFrameLast);
    setTabOrder(EditFrameLast, EditSubtitle);
    setTabOrder(EditSubtitle, CheckBoxLock);
    setTabOrder(CheckBoxLock, CheckBoxMark);

    for (QWidget *w : {static_cast<QWidget *>(EditCurrentLineIndex), static_cast<QWidget *>(EditFrameFrom),
                       static_cast<QWidget *>(EditFrameLast), static_cast<QWidget *>(EditSubtitle),
                       static_cast<QWidget *>(RTFpreview)})
        w->installEventFilter(this);

    connect(BitBtnCurrentLineIndexDec, &QToolButton::clicked, this, &TForm1::BitBtnCurrentLineIndexDecClick);
    connect(BitBtnCurrentLineIndexInc, &QToolButton::clicked, this, &TForm1::BitBtnCurrentLineIndexIncClick);
    // The step buttons take no focus: a value typed into their field is
    // stored first, so the step starts from it.
    auto step = [this](bool first, bool up) {
        storeFrameField(first);
        stepFrame(first, up);
    };
    connect(ButtonFrameFromInc, &QToolButton::clicked, this, [step] { step(true, true); });
    connect(ButtonFrameFromDec, &QToolButton::clicked, this, [step] { step(true, false); });
    connect(ButtonFrameLastInc, &QToolButton::clicked, this, [step] { step(false, true); });
    connect(ButtonFrameLastDec, &QToolButton::clicked, this, [step] { step(false, false); });
    connect(CheckBoxLock, &QCheckBox::toggled, this, &TForm1::CheckBoxLockClick);
    connect(CheckBoxMark, &QCheckBox::toggled, this, &TForm1::CheckBoxMarkClick);
    connect(BitBtnSubtitleUndo, &QToolButton::clicked, this, &TForm1::MenuEditUndoWholeLineClick);
}

void TForm1::retranslatePanel()
{
    auto u = [](const QByteArray &b) { return CodePage::toUnicode(b); };
    LabelHeadLine->setText(u(Texts.HeadLine));
    LabelHeadFrom->setText(u(Texts.TableFirst));
    LabelHeadLast->setText(u(Texts.TableLast));
    LabelHeadText->setText(u(Texts.TableTitle));
    ImageLock->setToolTip(u(Texts.TableLock));
    ImageMark->setToolTip(u(Texts.TableMark));
    BitBtnCurrentLineIndexDec->setToolTip(u(Texts.HintIndexDec));
    BitBtnCurrentLineIndexInc->setToolTip(u(Texts.HintIndexInc));
    EditCurrentLineIndex->setToolTip(u(Texts.EditCurrentLineIndex));
    EditFrameFrom->setToolTip(u(Texts.EditFirstFrame));
    EditFrameLast->setToolTip(u(Texts.EditLastFrame));
    EditSubtitle->setToolTip(u(Texts.EditSubtitle));
    BitBtnSubtitleUndo->setToolTip(u(Texts.HintUndoWholeLine));
}

void TForm1::applyPreviewFont()
{
    const TFontOptions &f = Settings.Font;
    QFont font(CodePage::toUnicode(f.Name), f.Size);
    font.setBold(f.Style & FontBold);
    font.setItalic(f.Style & FontItalic);
    font.setUnderline(f.Style & FontUnderline);
    font.setStrikeOut(f.Style & FontStrikeOut);
    RTFpreview->setFont(font);
    resetPreviewColour();
    ShowPreview();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == RTFpreview) {
            EditSubtitle->setFocus();
            return true;
        }
        // Coming back from another window or a message box is no new entry:
        // Esc must still return to what the field held when the user came in.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return QMainWindow::eventFilter(watched, event);
        if (watched == EditFrameFrom)
            mFromTexts.entry = EditFrameFrom->text();
        else if (watched == EditFrameLast)
            mLastTexts.entry = EditFrameLast->text();
        else if (watched == EditSubtitle)
            mTextTexts.entry = EditSubtitle->text();
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == EditCurrentLineIndex)
            EditCurrentLineIndexExit();
        else if (watched == EditFrameFrom)
            storeFrameField(true);
        else if (watched == EditFrameLast)
            storeFrameField(false);
        else if (watched == EditSubtitle)
            EditSubtitleExit();
    } else if (event->type() == QEvent::ShortcutOverride) {
        // The program's commands win over the fields' own editing keys
        // (Shift+Ctrl+Z would otherwise be the field's redo); the clipboard
        // commands reach the focused field anyway.
        auto *k = static_cast<QKeyEvent *>(event);
        if (mCommands.ownsShortcut(QKeySequence(k->keyCombination())))
            return true;
    } else if (event->type() == QEvent::KeyPress) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            if (edit == EditCurrentLineIndex || edit == EditFrameFrom || edit == EditFrameLast || edit == EditSubtitle)
                return panelKey(edit, static_cast<QKeyEvent *>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::CommitEdits()
{
    storeFrameField(true);
    storeFrameField(false);
    EditSubtitleExit();
}

void TForm1::EditCurrentLineIndexExit()
{
    const Document &d = *mDoc;
    if (!d.isLoaded())
        return;
    const int n = ParseIndexInput(EditCurrentLineIndex->text().toLatin1());
    if (n >= 1 && n <= d.LineCount)
        ShowLine(n, ShowKeepTyped);
    else if (n < 1)
        ShowLine(1, ShowFull);
    else
        ShowLine(d.LineCount, ShowFull);
}

void TForm1::BitBtnCurrentLineIndexDecClick()
{
    // The buttons take no focus, so typing in a field is stored here.
    CommitEdits();
    if (mDoc->CurrentLine > 1)
        ShowLine(mDoc->CurrentLine - 1, ShowStep);
    EditSubtitle->setFocus();
}

void TForm1::BitBtnCurrentLineIndexIncClick()
{
    CommitEdits();
    if (mDoc->CurrentLine < mDoc->LineCount)
        ShowLine(mDoc->CurrentLine + 1, ShowStep);
    EditSubtitle->setFocus();
}

void TForm1::storeFrameField(bool first)
{
    const Document &d = *mDoc;
    const int i = d.CurrentLine;
    QLineEdit *edit = first ? EditFrameFrom : EditFrameLast;
    FieldTexts &texts = first ? mFromTexts : mLastTexts;
    if (!d.validIndex(i) || edit->text() == texts.stored)
        return;
    double fallback;
    if (first)
        fallback = i > 1 ? d.line(i - 1).Last : d.line(i).Last;
    else
        fallback = i < d.LineCount ? d.line(i + 1).From : d.line(i).Last;
    const FrameInput in = ParseFrameInput(edit->text().toLatin1(), FullPrecision(fallback));
    setFrameField(first, in.asTyped ? ShowKeepTyped : ShowFieldEdit, in.value);
}

void TForm1::stepFrame(bool first, bool up)
{
    const Document &d = *mDoc;
    if (!d.validIndex(d.CurrentLine))
        return;
    const double v = first ? d.line(d.CurrentLine).From : d.line(d.CurrentLine).Last;
    const double next = up ? (v >= 1 ? v + 1 : 1) : (v > 1 ? v - 1 : 1);
    setFrameField(first, ShowStep, next);
    // Esc still returns to the text the user started from.
    FieldTexts &texts = first ? mFromTexts : mLastTexts;
    const QString entry = texts.entry;
    (first ? EditFrameFrom : EditFrameLast)->setFocus();
    texts.entry = entry;
}

void TForm1::EditSubtitleExit()
{
    const Document &d = *mDoc;
    if (!d.validIndex(d.CurrentLine))
        return;
    const QString text = EditSubtitle->text();
    const QByteArray bytes = CodePage::fromUnicode(text);
    if (text == mTextTexts.stored && bytes == d.line(d.CurrentLine).Text)
        return;
    SetText(bytes, ShowKeepTyped);
}

bool TForm1::panelKey(QLineEdit *edit, QKeyEvent *k)
{
    const Qt::KeyboardModifiers mods = plainModifiers(k);
    const int key = k->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    Document &d = *mDoc;
    auto commit = [&] {
        if (edit == EditCurrentLineIndex)
            EditCurrentLineIndexExit();
        else if (edit == EditSubtitle)
            EditSubtitleExit();
        else
            storeFrameField(edit == EditFrameFrom);
    };
    auto move = [&](int delta) {
        commit();
        const int target = d.CurrentLine + delta;
        if (target >= 1 && target <= d.LineCount)
            ShowLine(target, ShowStep);
    };
    auto escape = [&](FieldTexts &texts) {
        const QString typed = edit->text();
        edit->setText(texts.entry);
        texts.entry = typed;
        commit();
    };

    if (edit == EditCurrentLineIndex) {
        if (mods != Qt::NoModifier)
            return false;
        switch (key) {
        case Qt::Key_Up: commit(); BitBtnCurrentLineIndexDecClick(); return true;
        case Qt::Key_Down: commit(); BitBtnCurrentLineIndexIncClick(); return true;
        case Qt::Key_Escape: edit->setText(QString::number(d.CurrentLine)); return true;
        default: if (enter) { commit(); return true; }
        }
        return false;
    }
    if (edit == EditSubtitle) {
        if (mods != Qt::NoModifier)
            return false;
        switch (key) {
        case Qt::Key_Up: move(-1); return true;
        case Qt::Key_Down: move(1); return true;
        case Qt::Key_Escape: escape(mTextTexts); return true;
        default: if (enter) { commit(); return true; }
        }
        return false;
    }

    const bool first = edit == EditFrameFrom;
    const int i = d.CurrentLine;
    if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        commit();
        stepFrame(first, key == Qt::Key_Up);
        return true;
    }
    if (mods == Qt::AltModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        if (!d.validIndex(i))
            return true;
        double v = 0;
        bool have = true;
        if (first)
            key == Qt::Key_Up ? (have = i >= 2, v = have ? d.line(i - 1).Last : 0) : (v = d.line(i).Last);
        else
            key == Qt::Key_Up ? (v = d.line(i).From) : (have = i < d.LineCount, v = have ? d.line(i + 1).From : 0);
        if (have)
            edit->setText(QString::fromLatin1(FrameText(v)));
        return true;
    }
    if (mods != Qt::NoModifier)
        return key == Qt::Key_Up || key == Qt::Key_Down; // other modified arrows do nothing here
    switch (key) {
    case Qt::Key_Up: move(-1); return true;
    case Qt::Key_Down: move(1); return true;
    case Qt::Key_Escape: escape(first ? mFromTexts : mLastTexts); return true;
    default: if (enter) { commit(); return true; }
    }
    return false;
}

} // namespace cuefold

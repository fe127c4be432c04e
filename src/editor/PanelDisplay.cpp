// What the panel shows: the current subtitle, its neighbours, the preview,
// and the changed look of fields that differ from the saved file.
#include "editor/CurrentSubtitlePanel.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/document_model.h"
#include "document/frame_text.h"
#include "document/reading_speed.h"
#include "document/text_codec.h"
#include "editor/ReadingSpeedBar.h"
#include "editor/preview_format.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

namespace cuefold {

namespace {

QString frameField(double v) { return QString::fromLatin1(PanelFrameText(v)); }

// The preview and the neighbour rows show a subtitle's beginning only: laying
// out a text of megabytes would block the window, and no screen shows more.
constexpr qsizetype ShownTextLimit = 2000;

QByteArray shownPart(const QByteArray &text)
{
    if (text.size() <= ShownTextLimit)
        return text;
    // Cut between characters, never inside one.
    return text.left(DocumentCodec().charStart(text, ShownTextLimit)) + "...";
}

// A frame field's typed number, or the stored frame while it holds none.
double typedFrame(const QLineEdit *edit, double stored)
{
    double value = stored;
    return ParseDecimal(CommaToPoint(edit->text().toLatin1()), value) ? value : stored;
}

} // namespace

void CurrentSubtitlePanel::ShowLine(int index, int mode)
{
    // The fields are filled one after another; the reading speed is measured
    // once, when they all show the subtitle.
    QScopedValueRollback filling(mFillingFields, true);
    const Document &d = mModel.doc();
    // The stored texts are renewed only when the panel is redrawn: a field
    // emptied while the same subtitle is shown again must still differ from
    // them, or the typing would be lost.
    if (index < 1 || index > d.LineCount) {
        mFromTexts.stored.clear();
        mLastTexts.stored.clear();
        mTextTexts.stored.clear();
        EditCurrentLineIndex->setText(QStringLiteral("?"));
        EditFrameFrom->clear();
        EditFrameLast->clear();
        EditSubtitle->clear();
    } else if (index != mShownLine || mode == ShowFull) {
        refreshUndoState(index);
        mShownLine = index;
        mModel.setCurrent(index, mode);
        if (mode != ShowKeepTyped)
            EditCurrentLineIndex->setText(QString::number(index));
        const TSubLine &l = d.line(index);
        SetFrom(ShowFull, l.From);
        SetLast(ShowFull, l.Last);
        SetText(l.Text, ShowFull);
        {
            const QSignalBlocker b1(CheckBoxLock), b2(CheckBoxMark);
            CheckBoxLock->setChecked(l.Lock);
            CheckBoxMark->setChecked(l.Mark);
        }
        const bool lockChanged = l.Lock != d.SavedLines[index].Lock;
        setFieldChanged(CheckBoxLock, lockChanged);
        if (lockChanged)
            mModel.markModified();
        showNeighbour(0, index - 1);
        showNeighbour(1, index + 1);
    }
    renewEntryTexts(index);
    mFillingFields = false;
    showReadingSpeed();
}

void CurrentSubtitlePanel::redraw(int mode)
{
    mShownLine = -1;
    ShowLine(mModel.doc().CurrentLine, mode);
}

// The texts Esc returns to.
void CurrentSubtitlePanel::renewEntryTexts(int index)
{
    if (index >= 1 && index <= Document::Capacity) {
        const TSubLine &l = mModel.doc().line(index);
        mFromTexts.entry = frameField(l.From);
        mLastTexts.entry = frameField(l.Last);
        mTextTexts.entry = DocumentCodec().toUnicode(l.Text);
    } else {
        mFromTexts.entry.clear();
        mLastTexts.entry.clear();
        mTextTexts.entry.clear();
    }
}

void CurrentSubtitlePanel::showNeighbour(int row, int index)
{
    const NeighbourRow &r = mNeighbours[row];
    const Document &d = mModel.doc();
    if (!d.validIndex(index)) {
        for (QLabel *l : {r.from, r.last, r.text})
            l->setText(QStringLiteral("-"));
        r.lock->setChecked(false);
        r.mark->setChecked(false);
        return;
    }
    const TSubLine &l = d.line(index);
    r.from->setText(QString::fromLatin1(CellFrameText(l.From)));
    r.last->setText(QString::fromLatin1(CellFrameText(l.Last)));
    r.text->setText(DocumentCodec().toUnicode(shownPart(l.Text)));
    r.lock->setChecked(l.Lock);
    r.mark->setChecked(l.Mark);
}

void CurrentSubtitlePanel::clearFields()
{
    EditCurrentLineIndex->clear();
    EditFrameFrom->clear();
    EditFrameLast->clear();
    EditSubtitle->clear();
    for (const NeighbourRow &r : mNeighbours)
        for (QLabel *l : {r.from, r.last, r.text})
            l->setText(QStringLiteral("-"));
    RTFpreview->clear();
    mPreviewText.reset();
    mShownLine = -1;
    mFromTexts = mLastTexts = mTextTexts = FieldTexts();
    clearChangedLook();
    mReadingSpeed->showSpeed({}, Settings.Main.Reading);
}

void CurrentSubtitlePanel::showReadingSpeed()
{
    if (mFillingFields)
        return;
    const Document &d = mModel.doc();
    const int i = d.CurrentLine;
    if (!d.validIndex(i) || IsFrameRateLine(d, i)) {
        mReadingSpeed->showSpeed({}, Settings.Main.Reading);
        return;
    }
    const TSubLine &l = d.line(i);
    mReadingSpeed->showSpeed(MeasureReading(DocumentCodec().fromUnicode(EditSubtitle->text()),
                                            typedFrame(EditFrameFrom, l.From), typedFrame(EditFrameLast, l.Last),
                                            d.FPS),
                             Settings.Main.Reading);
}

void CurrentSubtitlePanel::refreshUndoState(int index)
{
    setUndoAvailable(!mModel.doc().fieldsEqualSaved(index));
}

void CurrentSubtitlePanel::setUndoAvailable(bool available)
{
    BitBtnSubtitleUndo->setVisible(available);
    emit undoAvailableChanged(available);
}

void CurrentSubtitlePanel::setFieldChanged(QWidget *w, bool changed)
{
    QPalette p = w->palette();
    const QColor colour = changed ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Button);
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    w->setAutoFillBackground(true);
    w->setPalette(p);
    w->setProperty("changed", changed);
}

void CurrentSubtitlePanel::clearChangedLook()
{
    for (QWidget *w : {static_cast<QWidget *>(PanelFrameFrom), static_cast<QWidget *>(PanelFrameLast),
                       static_cast<QWidget *>(PanelSubtitle), static_cast<QWidget *>(CheckBoxLock)})
        setFieldChanged(w, false);
}

void CurrentSubtitlePanel::setFrameField(bool first, int mode, double value)
{
    const Document &d = mModel.doc();
    const int i = d.CurrentLine;
    if (!d.validIndex(i))
        return;
    const QString text = frameField(value);
    const DocumentModel::Edit step(mModel, StepName(first ? Texts.MenuFirstFrame : Texts.MenuLastFrame));
    mModel.setFrame(i, first, value);
    QLineEdit *edit = first ? EditFrameFrom : EditFrameLast;
    if (mode != ShowKeepTyped)
        edit->setText(text);
    const TSubLine &saved = d.SavedLines[i];
    const bool same = text == frameField(first ? saved.From : saved.Last);
    setFieldChanged(first ? PanelFrameFrom : PanelFrameLast, !same);
    if (same) {
        refreshUndoState(i);
    } else {
        setUndoAvailable(true);
        mModel.markModified();
    }
    (first ? mFromTexts : mLastTexts).stored = text;
    showReadingSpeed();
}

void CurrentSubtitlePanel::SetFrom(int mode, double value) { setFrameField(true, mode, value); }
void CurrentSubtitlePanel::SetLast(int mode, double value) { setFrameField(false, mode, value); }

void CurrentSubtitlePanel::SetText(const QByteArray &text, int mode)
{
    const Document &d = mModel.doc();
    const int i = d.CurrentLine;
    if (!d.validIndex(i))
        return;
    const QString shown = DocumentCodec().toUnicode(text);
    if (mode != ShowKeepTyped)
        EditSubtitle->setText(shown);
    const DocumentModel::Edit step(mModel, StepName(Texts.MenuEditLine));
    mModel.setText(i, text);
    const bool same = text == d.SavedLines[i].Text;
    setFieldChanged(PanelSubtitle, !same);
    if (same) {
        refreshUndoState(i);
    } else {
        setUndoAvailable(true);
        mModel.markModified();
    }
    mTextTexts.stored = shown;
    ShowPreview();
    showReadingSpeed();
}

void CurrentSubtitlePanel::ShowPreview()
{
    const Document &d = mModel.doc();
    const std::optional<QByteArray> text =
        d.validIndex(d.CurrentLine) ? std::optional(shownPart(d.line(d.CurrentLine).Text)) : std::nullopt;
    // Laying the preview out again costs more than the rest of a step to
    // the next subtitle: a frame command or a text the same as the last
    // one's leaves it as it is.
    if (text == mPreviewText)
        return;
    mPreviewText = text;
    QTextCursor cursor(RTFpreview->document());
    // One layout for the whole text, not one after every run, and none for
    // the old text's removal.
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    if (!text) {
        cursor.endEditBlock();
        return;
    }
    bool firstRow = true;
    for (const PreviewRow &row : FormatPreview(*text)) {
        if (!firstRow)
            cursor.insertBlock();
        firstRow = false;
        for (const PreviewRun &run : row) {
            QTextCharFormat f;
            f.setFontWeight(run.style & StyleBold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(run.style & StyleItalic);
            f.setFontStrikeOut(run.style & StyleStrikeOut);
            f.setFontUnderline(run.style & StyleUnderline);
            cursor.insertText(DocumentCodec().toUnicode(run.text), f);
        }
    }
    cursor.endEditBlock();
}

void CurrentSubtitlePanel::storeFlag(bool lock)
{
    const Document &d = mModel.doc();
    const int i = d.CurrentLine;
    if (!d.validIndex(i))
        return;
    const DocumentModel::Edit step(mModel, StepName(lock ? Texts.MenuLockLine : Texts.MenuMarkLine));
    if (!lock) {
        mModel.setMark(i, CheckBoxMark->isChecked());
        return;
    }
    mModel.setLock(i, CheckBoxLock->isChecked());
    const bool changed = d.line(i).Lock != d.SavedLines[i].Lock;
    setFieldChanged(CheckBoxLock, changed);
    if (changed)
        mModel.markModified();
}

} // namespace cuefold

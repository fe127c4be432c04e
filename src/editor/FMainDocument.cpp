// The document routines of the main window: showing the current subtitle,
// storing typed fields and keeping the modified state.
#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/preview_format.h"
#include "operations/overlap_repair.h"
#include "search/FProperties.h"
#include "search/FTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QToolButton>

namespace cuefold {

namespace {

QString frameField(double v) { return QString::fromLatin1(PanelFrameText(v)); }

} // namespace

void TForm1::ResetDocument()
{
    FormTable->ClearTable();
    EditCurrentLineIndex->clear();
    EditFrameFrom->clear();
    EditFrameLast->clear();
    EditSubtitle->clear();
    for (QLabel *l : {LabelFRFP, LabelFRLP, LabelTXTP, LabelFRFN, LabelFRLN, LabelTXTN})
        l->setText(QStringLiteral("-"));
    MarkSaved();
    mDoc->reset();
    RTFpreview->clear();
    mShownLine = -1;
    ShowFPS();
    mFromTexts = mLastTexts = mTextTexts = FieldTexts();
    mMainCaption = QStringLiteral("Cuefold");
    setCaption();
    SetStatusText(1, QString());
    UnloadMovie();
    mPlayer.MovieFromOpen = false;
    mPlayer.ReloadFailureShown = false;
}

void TForm1::NewDocument()
{
    ResetDocument();
    mSubShortName = CodePage::toUnicode(Texts.DefaultNewName);
    mDoc->SubFileName.clear();
    mMainCaption = QStringLiteral("Cuefold - ") + mSubShortName;
    setCaption();
    mDoc->LineCount = 1;
    TSubLine &first = mDoc->line(1);
    first.clear();
    first.From = 1;
    first.Last = 1;
    FormTable->FillTable();
    mDoc->markSaved();
    ShowLine(1, ShowFull);
}

void TForm1::ShowLine(int index, int mode)
{
    Document &d = *mDoc;
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
        mShownLine = d.CurrentLine = index;
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
            MarkModified();
        if (mode != ShowKeepTable)
            FormTable->selectRow(index);
        if (mPlayer.PlayerSeeking && mode != ShowNoSeek && syncChecked())
            MenuPlayerSeekPlayerClick();
        showNeighbour(index - 1, LabelFRFP, LabelFRLP, LabelTXTP, CheckBoxLOLP, CheckBoxMALP);
        showNeighbour(index + 1, LabelFRFN, LabelFRLN, LabelTXTN, CheckBoxLOLN, CheckBoxMALN);
    }
    // The texts Esc returns to.
    if (index >= 1 && index <= Document::Capacity) {
        const TSubLine &l = d.line(index);
        mFromTexts.entry = frameField(l.From);
        mLastTexts.entry = frameField(l.Last);
        mTextTexts.entry = CodePage::toUnicode(l.Text);
    } else {
        mFromTexts.entry.clear();
        mLastTexts.entry.clear();
        mTextTexts.entry.clear();
    }
}

void TForm1::showNeighbour(int index, QLabel *from, QLabel *last, QLabel *text, QCheckBox *lock, QCheckBox *mark)
{
    if (!mDoc->validIndex(index)) {
        from->setText(QStringLiteral("-"));
        last->setText(QStringLiteral("-"));
        text->setText(QStringLiteral("-"));
        lock->setChecked(false);
        mark->setChecked(false);
        return;
    }
    const TSubLine &l = mDoc->line(index);
    from->setText(QString::fromLatin1(CellFrameText(l.From)));
    last->setText(QString::fromLatin1(CellFrameText(l.Last)));
    text->setText(CodePage::toUnicode(l.Text));
    lock->setChecked(l.Lock);
    mark->setChecked(l.Mark);
}

void TForm1::refreshUndoState(int index)
{
    setUndoAvailable(!mDoc->fieldsEqualSaved(index));
}

void TForm1::setFieldChanged(QWidget *w, bool changed)
{
    QPalette p = w->palette();
    const QColor colour = changed ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Button);
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    w->setAutoFillBackground(true);
    w->setPalette(p);
    w->setProperty("changed", changed);
}

void TForm1::setFrameField(bool first, int mode, double value)
{
    Document &d = *mDoc;
    const int i = d.CurrentLine;
    if (!d.validIndex(i))
        return;
    TSubLine &l = d.line(i);
    const QString text = frameField(value);
    (first ? l.From : l.Last) = value;
    QByteArray &raw = first ? l.FErr : l.LErr;
    const QByteArray &other = first ? l.LErr : l.FErr;
    bool rowDirty = false;
    if (l.Find == 1 && !raw.isEmpty() && value > 0) {
        raw.clear();
        if (other.isEmpty())
            l.Find = 0;
        rowDirty = true;
        --d.SyntaxErrorCount;
    }
    QLineEdit *edit = first ? EditFrameFrom : EditFrameLast;
    if (mode != ShowKeepTyped)
        edit->setText(text);
    if ((mode != ShowFull && mode != ShowKeepTable) || rowDirty)
        FormTable->ShowTableRow(i);
    const TSubLine &saved = d.SavedLines[i];
    const bool same = text == frameField(first ? saved.From : saved.Last);
    setFieldChanged(first ? PanelFrameFrom : PanelFrameLast, !same);
    if (same) {
        refreshUndoState(i);
    } else {
        setUndoAvailable(true);
        MarkModified();
    }
    (first ? mFromTexts : mLastTexts).stored = text;
}

void TForm1::SetFrom(int mode, double value) { setFrameField(true, mode, value); }
void TForm1::SetLast(int mode, double value) { setFrameField(false, mode, value); }

void TForm1::SetText(const QByteArray &text, int mode)
{
    Document &d = *mDoc;
    const int i = d.CurrentLine;
    if (!d.validIndex(i))
        return;
    const QString shown = CodePage::toUnicode(text);
    if (mode != ShowKeepTyped)
        EditSubtitle->setText(shown);
    d.line(i).Text = text;
    if (mode != ShowFull && mode != ShowKeepTable)
        FormTable->ShowTableRow(i);
    const bool same = text == d.SavedLines[i].Text;
    setFieldChanged(PanelSubtitle, !same);
    if (same) {
        refreshUndoState(i);
    } else {
        setUndoAvailable(true);
        MarkModified();
    }
    mTextTexts.stored = shown;
    ShowPreview();
}

void TForm1::ShowPreview()
{
    RTFpreview->clear();
    const Document &d = *mDoc;
    if (!d.validIndex(d.CurrentLine))
        return;
    QTextCursor cursor(RTFpreview->document());
    bool firstRow = true;
    for (const PreviewRow &row : FormatPreview(d.line(d.CurrentLine).Text)) {
        if (!firstRow)
            cursor.insertBlock();
        firstRow = false;
        for (const PreviewRun &run : row) {
            QTextCharFormat f;
            f.setFontWeight(run.style & StyleBold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(run.style & StyleItalic);
            f.setFontStrikeOut(run.style & StyleStrikeOut);
            f.setFontUnderline(run.style & StyleUnderline);
            cursor.insertText(CodePage::toUnicode(run.text), f);
        }
    }
}

void TForm1::MarkModified()
{
    if (mDoc->DocSaved)
        setWindowTitle(mMainCaption + QStringLiteral(" *"));
    mDoc->DocSaved = false;
}

void TForm1::MarkSaved()
{
    setWindowTitle(mMainCaption);
    for (QWidget *w : {static_cast<QWidget *>(PanelFrameFrom), static_cast<QWidget *>(PanelFrameLast),
                       static_cast<QWidget *>(PanelSubtitle)})
        setFieldChanged(w, false);
    mDoc->markSaved();
    // Nothing differs from the saved state any more.
    setFieldChanged(CheckBoxLock, false);
    if (mDoc->validIndex(mDoc->CurrentLine))
        refreshUndoState(mDoc->CurrentLine);
}

void TForm1::CheckModified()
{
    if (mDoc->recount())
        MarkModified();
    else
        MarkSaved();
}

void TForm1::ShowFPS()
{
    const QString text = (IsValidFPS(mDoc->FPS) ? QString::fromLatin1(FpsText(mDoc->FPS)) : QStringLiteral("?"))
                         + QStringLiteral(" fps");
    SetStatusText(3, text);
}

void TForm1::RefreshProperties()
{
    if (RepairOverlapPairs(*mDoc, [this](int row) { FormTable->ShowTableRow(row); })) {
        // Redraw the panel with the repaired frames, without moving the player.
        mShownLine = -1;
        ShowLine(mDoc->CurrentLine, ShowNoSeek);
    }
    CheckModified();
    FormFileProperties->fill(*mDoc, mSubShortName);
    FormFileProperties->fillPlayer(mFilter, mPlayer.MovieLoaded && mPlayer.MovieFromOpen ? mDoc->MovieFileName : QString());
}

void TForm1::CheckBoxLockClick()
{
    Document &d = *mDoc;
    const int i = d.CurrentLine;
    if (!d.validIndex(i))
        return;
    d.line(i).Lock = CheckBoxLock->isChecked();
    FormTable->ShowTableRow(i);
    const bool changed = d.line(i).Lock != d.SavedLines[i].Lock;
    setFieldChanged(CheckBoxLock, changed);
    if (changed)
        MarkModified();
}

void TForm1::CheckBoxMarkClick()
{
    Document &d = *mDoc;
    const int i = d.CurrentLine;
    if (!d.validIndex(i))
        return;
    d.line(i).Mark = CheckBoxMark->isChecked();
    FormTable->ShowTableRow(i);
}

} // namespace cuefold

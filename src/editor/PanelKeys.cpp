// What the panel takes from the user: typed fields stored on leaving, the
// navigation and editing keys, Esc's swap with the entry text.
#include "editor/CurrentSubtitlePanel.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/document_model.h"
#include "document/frame_text.h"
#include "document/text_codec.h"
#include "editor/frame_input.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

namespace cuefold {

namespace {

Qt::KeyboardModifiers plainModifiers(const QKeyEvent *k)
{
    return k->modifiers() & ~Qt::KeypadModifier;
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

bool CurrentSubtitlePanel::eventFilter(QObject *watched, QEvent *event)
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
            return QFrame::eventFilter(watched, event);
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
        if (mOwnsShortcut && mOwnsShortcut(QKeySequence(k->keyCombination())))
            return true;
    } else if (event->type() == QEvent::KeyPress) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            return panelKey(edit, static_cast<QKeyEvent *>(event));
    }
    return QFrame::eventFilter(watched, event);
}

void CurrentSubtitlePanel::CommitEdits()
{
    storeFrameField(true);
    storeFrameField(false);
    EditSubtitleExit();
}

bool CurrentSubtitlePanel::hasUnstoredTyping() const
{
    if (!mModel.doc().validIndex(mModel.doc().CurrentLine))
        return false;
    return EditFrameFrom->text() != mFromTexts.stored || EditFrameLast->text() != mLastTexts.stored
           || EditSubtitle->text() != mTextTexts.stored;
}

void CurrentSubtitlePanel::EditCurrentLineIndexExit()
{
    const Document &d = mModel.doc();
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

void CurrentSubtitlePanel::stepLine(int delta)
{
    CommitEdits();
    const int target = mModel.doc().CurrentLine + delta;
    if (target >= 1 && target <= mModel.doc().LineCount)
        ShowLine(target, ShowStep);
    EditSubtitle->setFocus();
}

void CurrentSubtitlePanel::storeFrameField(bool first)
{
    const Document &d = mModel.doc();
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
    if (!IsTypedFrameInRange(in.value)) {
        // Never store a frame the file cannot hold: the old value stays.
        edit->setText(texts.stored);
        emit notice(CodePage::toUnicode(Texts.FrameOutOfRange));
        return;
    }
    setFrameField(first, in.asTyped ? ShowKeepTyped : ShowFieldEdit, in.value);
}

void CurrentSubtitlePanel::stepFrame(bool first, bool up)
{
    const Document &d = mModel.doc();
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

void CurrentSubtitlePanel::EditSubtitleExit()
{
    const Document &d = mModel.doc();
    if (!d.validIndex(d.CurrentLine))
        return;
    const QString text = EditSubtitle->text();
    const QByteArray bytes = DocumentCodec().fromUnicode(text);
    if (text == mTextTexts.stored && bytes == d.line(d.CurrentLine).Text)
        return;
    SetText(bytes, ShowKeepTyped);
}

bool CurrentSubtitlePanel::panelKey(QLineEdit *edit, QKeyEvent *k)
{
    const Qt::KeyboardModifiers mods = plainModifiers(k);
    const int key = k->key();
    const Document &d = mModel.doc();
    if (edit == EditCurrentLineIndex) {
        if (mods != Qt::NoModifier)
            return false;
        switch (key) {
        case Qt::Key_Up: EditCurrentLineIndexExit(); stepLine(-1); return true;
        case Qt::Key_Down: EditCurrentLineIndexExit(); stepLine(1); return true;
        case Qt::Key_Escape: edit->setText(QString::number(d.CurrentLine)); return true;
        default: if (isEnter(key)) { EditCurrentLineIndexExit(); return true; }
        }
        return false;
    }
    if (edit != EditSubtitle)
        return frameFieldKey(edit, k);
    if (mods != Qt::NoModifier)
        return false;
    auto move = [&](int delta) {
        EditSubtitleExit();
        const int target = d.CurrentLine + delta;
        if (target >= 1 && target <= d.LineCount)
            ShowLine(target, ShowStep);
    };
    switch (key) {
    case Qt::Key_Up: move(-1); return true;
    case Qt::Key_Down: move(1); return true;
    case Qt::Key_Escape: {
        const QString typed = edit->text();
        edit->setText(mTextTexts.entry);
        mTextTexts.entry = typed;
        EditSubtitleExit();
        return true;
    }
    default: if (isEnter(key)) { EditSubtitleExit(); return true; }
    }
    return false;
}

bool CurrentSubtitlePanel::frameFieldKey(QLineEdit *edit, QKeyEvent *k)
{
    const Qt::KeyboardModifiers mods = plainModifiers(k);
    const int key = k->key();
    const Document &d = mModel.doc();
    const bool first = edit == EditFrameFrom;
    const int i = d.CurrentLine;
    if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        storeFrameField(first);
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
    case Qt::Key_Up:
    case Qt::Key_Down: {
        storeFrameField(first);
        const int target = i + (key == Qt::Key_Up ? -1 : 1);
        if (target >= 1 && target <= d.LineCount)
            ShowLine(target, ShowStep);
        return true;
    }
    case Qt::Key_Escape: {
        FieldTexts &texts = first ? mFromTexts : mLastTexts;
        const QString typed = edit->text();
        edit->setText(texts.entry);
        texts.entry = typed;
        storeFrameField(first);
        return true;
    }
    default: if (isEnter(key)) { storeFrameField(first); return true; }
    }
    return false;
}

} // namespace cuefold

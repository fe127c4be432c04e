#pragma once

#include <QFrame>
#include <functional>
#include <optional>

class QCheckBox;
class QFont;
class QKeyEvent;
class QKeySequence;
class QLabel;
class QLineEdit;
class QTextEdit;
class QToolButton;

namespace cuefold {

class DocumentModel;
class ReadingSpeedBar;
class SpellChecking;

// The current-subtitle panel: the number, frame and text fields of the
// current subtitle with its neighbours and the formatted preview. It shows
// what the document holds and stores what the user types; it announces its
// changes through the document model.
class CurrentSubtitlePanel : public QFrame {
    Q_OBJECT

public:
    enum class Field { Index, From, Last, Text };

    CurrentSubtitlePanel(DocumentModel &model, QWidget *parent);

    // A key the program's commands answer wins over the fields' own
    // editing keys.
    void setShortcutOwner(std::function<bool(const QKeySequence &)> ownsShortcut);

    // Shows subtitle `index` as `mode` (a ShowMode) asks.
    void ShowLine(int index, int mode);
    // Redraws the current subtitle even though it is shown already.
    void redraw(int mode);
    void SetFrom(int mode, double value);
    void SetLast(int mode, double value);
    void SetText(const QByteArray &text, int mode);
    // Stores whatever is typed in the frame and text fields.
    void CommitEdits();
    // Stores the text field only.
    void EditSubtitleExit();
    // A frame or text field holds typing that is not stored yet.
    bool hasUnstoredTyping() const;
    void ShowPreview();
    // The reading speed and row lengths of what the fields hold now, typing
    // included, against the settings' limits.
    void showReadingSpeed();
    // The speller of the text field, which Find shares.
    SpellChecking &spelling() { return *mSpelling; }
    // Empties every field: the state between two documents.
    void clearFields();
    void focusField(Field field);
    // The lock and mark boxes; toggling them stores the flag.
    void toggleLock();
    void toggleMark();

    void retranslate();
    void setPreviewFont(const QFont &font);
    // The font the preview shows subtitles in, which widths are measured in.
    QFont previewFont() const;
    // The preview's text colour, stored as 0x00BBGGRR.
    void setPreviewColour(quint32 colour);

signals:
    // Whether the current subtitle differs from its saved record.
    void undoAvailableChanged(bool available);
    void undoWholeLineRequested();
    // A short notice for the status bar's message panel.
    void notice(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct FieldTexts {
        QString stored; // what the setter last stored; leaving stores only on a difference
        QString entry;  // the text on entering the field; Esc swaps with it
    };

    void build();
    QWidget *buildIndexBox();
    void connectControls();
    void showNeighbour(int row, int index);
    void refreshUndoState(int index);
    void setUndoAvailable(bool available);
    void setFieldChanged(QWidget *panel, bool changed);
    void clearChangedLook();
    void storeFrameField(bool first);
    void setFrameField(bool first, int mode, double value);
    void stepFrame(bool first, bool up);
    void storeFlag(bool lock);
    void EditCurrentLineIndexExit();
    void stepLine(int delta);
    bool panelKey(QLineEdit *edit, QKeyEvent *key);
    bool frameFieldKey(QLineEdit *edit, QKeyEvent *key);
    void renewEntryTexts(int index);

    DocumentModel &mModel;
    std::function<bool(const QKeySequence &)> mOwnsShortcut;
    int mShownLine = -1;
    bool mFillingFields = false; // ShowLine is filling the fields
    FieldTexts mFromTexts, mLastTexts, mTextTexts;
    std::optional<QByteArray> mPreviewText; // what the preview shows, none when empty

    QLabel *LabelHeadLine, *LabelHeadFrom, *LabelHeadLast, *LabelHeadText;
    QLabel *ImageLock, *ImageMark;
    // The previous (0) and the next (1) subtitle's read-only row.
    struct NeighbourRow {
        QLabel *from, *last, *text;
        QCheckBox *lock, *mark;
    } mNeighbours[2];
    QToolButton *BitBtnCurrentLineIndexDec, *BitBtnCurrentLineIndexInc;
    QLineEdit *EditCurrentLineIndex;
    QFrame *PanelFrameFrom, *PanelFrameLast, *PanelSubtitle;
    QLineEdit *EditFrameFrom, *EditFrameLast, *EditSubtitle;
    QToolButton *ButtonFrameFromInc, *ButtonFrameFromDec;
    QToolButton *ButtonFrameLastInc, *ButtonFrameLastDec;
    QToolButton *BitBtnSubtitleUndo;
    QCheckBox *CheckBoxLock, *CheckBoxMark;
    QTextEdit *RTFpreview;
    ReadingSpeedBar *mReadingSpeed;
    SpellChecking *mSpelling;
};

} // namespace cuefold

#pragma once

#include "document/document.h"
#include "editor/CommandTable.h"

#include <QMainWindow>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QToolButton;
class QTimer;
class QFrame;
class QToolButton;

namespace cuefold {

struct ListEdit;
enum class SplitMode;
class TFormTable;
class TFormFileProperties;
class TFormOperations;

// Modes of ShowLine and the field setters.
enum ShowMode {
    ShowFull = 1,        // redraw even when the index is already shown
    ShowKeepTable = 2,   // leave the overview table's selection alone
    ShowKeepTyped = 3,   // the user is typing: leave the edited field alone
    ShowFieldEdit = 5,   // a field setter replacing the typed text
    ShowStep = 6,        // previous/next buttons
    ShowNoSeek = 7,      // do not seek the player
    ShowPlain = 8,       // a plain move
    ShowCommand = 9,     // a command rewrote the stored text
};

// The main window: owns the one document, the current-subtitle panel, the
// status bar and every tool window.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // settingsPath: the settings file beside the executable;
    // commandLineFile: the first command-line parameter (may be empty).
    TForm1(const QString &settingsPath, const QString &commandLineFile, QWidget *parent = nullptr);
    ~TForm1() override;

    Document &doc() { return *mDoc; }
    CommandBar &commands() { return mCommands; }
    TFormTable *formTable() const { return FormTable; }
    TFormFileProperties *formFileProperties() const { return FormFileProperties; }

    // Document routines.
    void ResetDocument();
    void NewDocument();
    void OpenDocument(const QString &path);
    void ShowLine(int index, int mode);
    void SetFrom(int mode, double value);
    void SetLast(int mode, double value);
    void SetText(const QByteArray &text, int mode);
    void MarkModified();
    void MarkSaved();
    void CheckModified();
    void CommitEdits();
    bool ConfirmDiscard();
    // Ctrl+Tab cycling through the shown windows; `from` is the caller's number.
    void FocusNextWindow(int from, bool forward);
    void ShowFPS();
    void RefreshProperties();
    void ShowPreview();
    // The five status-bar panels (0 label, 1 frame, 2 line count, 3 fps, 4 messages).
    void SetStatusText(int panel, const QString &text);
    QString statusText(int panel) const;
    QString MainCaption() const { return mMainCaption; }
    int ShownLine() const { return mShownLine; }

    // Applies the language texts to every control.
    void retranslate();
    // The bounding box of all monitors.
    static QRect VirtualDesktop();

    // Commands (menu handlers).
    void MenuFileNewClick();
    void MenuFileOpenClick();
    void MenuFileSaveClick();
    void MenuFileSaveAsClick();
    void MenuFileExportToClick();
    void MenuFilePropertiesClick();
    void MenuFileExitClick();
    void MenuShowTableClick();
    void MenuEditUndoClick();
    void MenuEditCutClick();
    void MenuEditCopyClick();
    void MenuEditPasteClick();
    void MenuEditSelectAllClick();
    void MenuEditUndoWholeLineClick();
    void MenuTitleGoToLineClick();
    void MenuTitleFrameStartClick();
    void MenuTitleFrameLastClick();
    void MenuTitleTextEditClick();
    void MenuTitleLineLockClick();
    void MenuTitleLineMarkClick();
    void MenuTitleBreakLineLeftClick();
    void MenuTitleBreakLineRightClick();
    void MenuTitleSecondBreakLineLeftClick();
    void MenuTitleSecondBreakLineRightClick();
    void MenuTitleBreakLineRemoveClick();
    void MenuTitleDirectSpeechClick();
    void MenuTitleDirectSpeechRemoveClick();
    void MenuTitleInsertEmptyLineClick();
    void MenuTitleAddEmptyLineClick();
    void MenuTitleSplit2LineClick();
    void MenuTitleSplit1LineClick();
    void MenuTitleJoinLinesClick();
    void MenuTitleDeleteLineClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct FieldTexts {
        QString stored; // what the setter last stored; leaving stores only on a difference
        QString entry;  // the text on entering the field; Esc swaps with it
    };

    void Timer2Timer();
    void LoadSettings();
    void SaveSettings();
    void ApplySettings();
    void openCommandLineFile();

    void buildPanel();
    void retranslatePanel();
    void applyPreviewFont();
    void updateShowTableCommand();
    void CheckBoxLockClick();
    void CheckBoxMarkClick();
    void setUndoAvailable(bool available);
    void transformText(QByteArray (*transform)(const QByteArray &), bool clearsMessage);
    bool refuseWhenFull();
    void showListEdit(const ListEdit &edit);
    void splitCurrent(SplitMode mode);
    void buildStatusBar();
    void setCaption();
    void setFieldChanged(QWidget *panel, bool changed);
    void refreshUndoState(int index);
    void showNeighbour(int index, QLabel *from, QLabel *last, QLabel *text, QCheckBox *lock, QCheckBox *mark);
    void storeFrameField(bool first);
    void setFrameField(bool first, int mode, double value);
    void stepFrame(bool first, bool up);

    // Panel events.
    void EditCurrentLineIndexExit();
    void BitBtnCurrentLineIndexDecClick();
    void BitBtnCurrentLineIndexIncClick();
    void EditSubtitleExit();
    bool panelKey(QLineEdit *edit, QKeyEvent *key);

    // File commands' shared steps.
    bool writeDocument(const QString &path, bool exportOnly);
    bool saveAs(bool exportOnly);
    bool askFrameRate();
    void showProperties(bool afterOpen);

    std::unique_ptr<Document> mDoc;
    QString mSettingsPath;
    QString mCommandLineFile;
    CommandBar mCommands;
    QTimer *Timer2 = nullptr;
    bool mStartingUp = true;
    bool mClosing = false;
    bool mPreviewFailed = false;
    bool mTableShown = false;
    int mShownLine = -1;
    QString mMainCaption = QStringLiteral("Cuefold");
    QString mSubShortName;
    QString mOpenFolder, mSaveFolder, mExportFolder;

    TFormTable *FormTable = nullptr;
    TFormFileProperties *FormFileProperties = nullptr;
    TFormOperations *FormOperations = nullptr;

    // Panel controls, named as the rest of the program knows them.
public:
    QFrame *Panel1 = nullptr;
    QLabel *LabelHeadLine = nullptr, *LabelHeadFrom = nullptr, *LabelHeadLast = nullptr, *LabelHeadText = nullptr;
    QLabel *ImageLock = nullptr, *ImageMark = nullptr;
    QLabel *LabelFRFP = nullptr, *LabelFRLP = nullptr, *LabelTXTP = nullptr;
    QCheckBox *CheckBoxLOLP = nullptr, *CheckBoxMALP = nullptr;
    QToolButton *BitBtnCurrentLineIndexDec = nullptr, *BitBtnCurrentLineIndexInc = nullptr;
    QLineEdit *EditCurrentLineIndex = nullptr;
    QFrame *PanelFrameFrom = nullptr, *PanelFrameLast = nullptr, *PanelSubtitle = nullptr;
    QLineEdit *EditFrameFrom = nullptr, *EditFrameLast = nullptr, *EditSubtitle = nullptr;
    QToolButton *ButtonFrameFromInc = nullptr, *ButtonFrameFromDec = nullptr;
    QToolButton *ButtonFrameLastInc = nullptr, *ButtonFrameLastDec = nullptr;
    QToolButton *BitBtnSubtitleUndo = nullptr;
    QCheckBox *CheckBoxLock = nullptr, *CheckBoxMark = nullptr;
    QLabel *LabelFRFN = nullptr, *LabelFRLN = nullptr, *LabelTXTN = nullptr;
    QCheckBox *CheckBoxLOLN = nullptr, *CheckBoxMALN = nullptr;
    QTextEdit *RTFpreview = nullptr;
    QLabel *StatusPanels[5] = {};

private:
    FieldTexts mFromTexts, mLastTexts, mTextTexts;
};

} // namespace cuefold

#pragma once

#include "document/document.h"
#include "editor/CommandTable.h"
#include "player/player_state.h"
#include "player/subtitle_filter.h"

#include <QMainWindow>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QToolButton;
class QTimer;
class QFrame;

namespace cuefold {

struct ListEdit;
enum class SplitMode;
class TFormTable;
class TFormFileProperties;
class TFormOperations;
class TFormWMP;
class TFormMovieProperties;
class MediaPlayer;

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

    // The player (src/player/): movie, window, filter layer and remote control.
    TFormWMP *formWMP() const { return FormWMP; }
    MediaPlayer *player() const;
    const PlayerState &playerState() const { return mPlayer; }
    const FilterState &filterState() const { return mFilter; }
    QComboBox *playerZoomList() const { return ComboBoxPlayerZoom; }
    void LoadMovie(const QString &path, bool exact);
    void UnloadMovie();
    void ShowPlayer(int mode);
    void SetPlayerSeeking(bool flag);
    bool ReloadMovie(bool allow);
    // The settings and help windows keep the remote-control keys off while open.
    void setOptionsOpen(bool open);

    void MenuPlayerShowClick();
    void MenuPlayerCloseClick();
    void MenuZoom050procentClick();
    void MenuZoom100procentClick();
    void MenuZoom200procentClick();
    void MenuPlayerSyncClick();
    void MenuPlayerPlayPauseClick();
    void MenuPlayerPlayClick();
    void MenuPlayerPauseClick();
    void MenuPlayerStopClick();
    void MenuPlayerStepBackClick();
    void MenuPlayerStepForwardClick();
    void MenuPlayerStep1BackClick();
    void MenuPlayerStep1ForwardClick();
    void MenuPlayerLocateSubtitleClick();
    void MenuPlayerSeekPlayerClick();
    void MenuPlayerSeekPlayerToLastClick();
    void MenuPlayerCopyFrameClick();
    void MenuPlayerCaptureFrameClick();
    void MenuPlayerAutomateClick();
    void MenuPlayerOpenMovieClick();
    void MenuGirderInUseClick();
    void MenuGirderBreakLineLeftClick();
    void MenuGirderBreakLineRightClick();
    void MenuGirderCurrentLineIndexDecClick();
    void MenuGirderCurrentLineIndexIncClick();

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

    // Player internals.
    void buildPlayer();
    void loadPlayerSettings();
    void savePlayerSettings();
    void Timer1Timer();
    void followPlayer(double position);
    void applyTransportLook(int playState);
    void enableFrameCommands(bool enable);
    void applyNoMovieLook();
    void playerBeforeSave();
    void playerAfterSave();
    int showMovieSubtitles();
    void playerPositionChange(double oldFrame, double newFrame);
    void FormWMPClose();
    void FormWMPResize();
    void SyncToggled();
    void ConfigureSeconds();
    void ConfigureWMP();
    void zoomTo(int index);
    void setPreviewColour(quint32 colour);
    void resetPreviewColour();
    void stepPlayer(double frames, bool onlyWhenNotPlaying);
    void seekToCurrent(bool toLast);
    void girderBreakLine(void (TForm1::*titleCommand)());
    void girderStep(int delta);
    bool syncChecked() const;
    double playerFps() const;
    void updateShowPlayerCommand();
    void movieLoaded();
    bool saveToFilterFolder();

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
    bool mTableShown = false;
    int mShownLine = -1;
    QString mMainCaption = QStringLiteral("Cuefold");
    QString mSubShortName;
    QString mOpenFolder, mSaveFolder, mExportFolder;

    TFormTable *FormTable = nullptr;
    TFormFileProperties *FormFileProperties = nullptr;
    TFormOperations *FormOperations = nullptr;
    TFormWMP *FormWMP = nullptr;
    TFormMovieProperties *FormMovieProperties = nullptr;
    QTimer *Timer1 = nullptr;
    QComboBox *ComboBoxPlayerZoom = nullptr;
    PlayerState mPlayer;
    FilterState mFilter;
    int mOptionsOpenCount = 0;
    bool mAdoptMovieFps = false; // take the movie's frame rate once it has loaded
    QString mMovieFolder; // initial folder of the movie dialog

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

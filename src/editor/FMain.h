#pragma once

#include "document/document_model.h"
#include "editor/CommandTable.h"
#include "editor/ToolWindows.h"

#include <QMainWindow>
#include <memory>

class QTimer;

namespace cuefold {

struct EditorContext;
class CurrentSubtitlePanel;
class StatusPanels;
class FileCommands;
class EditCommands;
class TitleCommands;
class SearchCommands;
class BulkCommands;
class PlayerController;
class ConfigCommands;
class RecoveryKeeper;

// The main window: the menus and tool bars the subsystem controllers
// register, the status bar, the caption, the current-subtitle panel, the
// window's placement and the start-up and closing order.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // settingsPath: the settings file beside the executable;
    // commandLineFile: the first command-line parameter (may be empty).
    // AtOnce: the program's own window, shown while it is being built.
    enum class Showing { Later, AtOnce };
    TForm1(const QString &settingsPath, const QString &commandLineFile, Showing showing = Showing::Later);
    ~TForm1() override;

    EditorContext &context() { return *mCtx; }
    CommandBar &commands() { return mCommands; }

    // Applies the language texts to every control.
    void retranslate();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void wireControllers();
    void Timer2Timer();
    // True on the first run, when the settings name no language yet.
    bool LoadSettings();
    void SaveSettings();
    void applyLanguage(const QByteArray &language);
    void openCommandLineFile();

    DocumentModel mModel;
    QString mSettingsPath;
    QString mCommandLineFile;
    CommandBar mCommands;
    std::unique_ptr<StatusPanels> mStatus;
    CurrentSubtitlePanel *mPanel = nullptr;
    ToolWindows mWindows;
    std::unique_ptr<EditorContext> mCtx;
    std::unique_ptr<FileCommands> mFile;
    std::unique_ptr<EditCommands> mEdit;
    std::unique_ptr<TitleCommands> mTitle;
    std::unique_ptr<SearchCommands> mSearch;
    std::unique_ptr<BulkCommands> mBulk;
    std::unique_ptr<PlayerController> mPlayer;
    std::unique_ptr<ConfigCommands> mConfig;
    std::unique_ptr<RecoveryKeeper> mRecovery;
    QTimer *Timer2;
    bool mStartingUp = true;
};

} // namespace cuefold

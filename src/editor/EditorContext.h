#pragma once

#include "document/document_model.h"
#include "editor/FirstUse.h"

#include <functional>

class QWidget;

namespace cuefold {

class CommandBar;
class CurrentSubtitlePanel;
class StatusPanels;
class FileCommands;
class EditCommands;
class TitleCommands;
class SearchCommands;
class BulkCommands;
class PlayerController;
class ConfigCommands;
class TFormOperations;
class ToolWindows;
class RecoveryKeeper;

// What a command needs of the editor: the document model, the panel, the
// status bar, the registered commands, the window message boxes belong to,
// the declared program windows, and the controllers of the other subsystems
// it may hand over to.
struct EditorContext {
    DocumentModel &model;
    CurrentSubtitlePanel &panel;
    StatusPanels &status;
    CommandBar &commands;
    QWidget *window; // parent of message boxes and dialogs
    ToolWindows &windows;
    // The texts of a language loaded and shown in every window.
    std::function<void(const QByteArray &language)> applyLanguage{};
    // Every setting, the windows' own included, written to the settings file.
    std::function<void()> saveSettings{};

    FileCommands *file = nullptr;
    EditCommands *edit = nullptr;
    TitleCommands *title = nullptr;
    SearchCommands *search = nullptr;
    BulkCommands *bulk = nullptr;
    PlayerController *player = nullptr;
    ConfigCommands *config = nullptr;
    RecoveryKeeper *recovery = nullptr;
    FirstUse<TFormOperations> operations{}; // the number dialog of the bulk commands

    const Document &doc() const { return model.doc(); }
};

} // namespace cuefold

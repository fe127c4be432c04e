#pragma once

#include "editor/CommandTable.h"
#include "editor/FirstUse.h"

#include <QObject>

namespace cuefold {

struct EditorContext;
class TFormHelp;
class TFormAbout;
class TFormOptions;

// The settings window and the Help menu with the windows behind it: the
// manual and the version history, the program's web pages, the
// contributors and the about window.
class ConfigCommands : public QObject {
public:
    explicit ConfigCommands(EditorContext &ctx);
    MenuTable menuTable();
    TFormHelp *help() const;
    TFormOptions *options() const;
    void retranslate();

    // The language list of the settings just read.
    void loadSettings();
    // The settings applied to the program, and to the settings window's controls once it exists.
    void ApplySettings();
    // The first run: the settings window, modally, to choose the language.
    void chooseFirstLanguage();
    void MenuFileOptionsClick();

private:
    EditorContext &mCtx;
    FirstUse<TFormAbout> FormAbout;
};

} // namespace cuefold

#pragma once

#include "editor/CommandTable.h"

#include <QObject>

namespace cuefold {

struct EditorContext;
class TFormHelp;
class TFormAbout;

// The Help menu and the windows behind it: the manual and the version
// history, the program's web pages, the contributors and the about window.
class ConfigCommands : public QObject {
public:
    explicit ConfigCommands(EditorContext &ctx);
    MenuTable menuTable();
    TFormHelp *help() const { return FormHelp; }
    void retranslate();

private:
    EditorContext &mCtx;
    TFormHelp *FormHelp;
    TFormAbout *FormAbout;
};

} // namespace cuefold

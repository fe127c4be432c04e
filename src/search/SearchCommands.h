#pragma once

#include "editor/CommandTable.h"

#include <QObject>

namespace cuefold {

struct EditorContext;
class TFormTable;
class TFormFileProperties;

// The Search menu and the windows behind it: the overview grid and the file
// properties with their statistics.
class SearchCommands : public QObject {
public:
    explicit SearchCommands(EditorContext &ctx);
    MenuTable menuTable();

    TFormTable *table() const { return FormTable; }
    TFormFileProperties *properties() const { return FormFileProperties; }
    bool tableShown() const { return mTableShown; }

    void MenuShowTableClick();
    // The statistics refresh, with the automatic overlap repair.
    void RefreshProperties();
    // The properties window, modal; after an open it offers to play the movie.
    void showProperties(bool afterOpen);
    void retranslate();

private:
    void updateShowTableCommand();

    EditorContext &mCtx;
    TFormTable *FormTable;
    TFormFileProperties *FormFileProperties;
    bool mTableShown = false;
};

} // namespace cuefold

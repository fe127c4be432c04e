#pragma once

#include "editor/CommandTable.h"
#include "search/find_state.h"

#include <QObject>

namespace cuefold {

struct EditorContext;
class TFormTable;
class TFormFileProperties;
class TFormFindWhat;

// The Search menu and the windows behind it: the find dialog, the overview
// grid and the file properties with their statistics.
class SearchCommands : public QObject {
public:
    explicit SearchCommands(EditorContext &ctx);
    MenuTable menuTable();

    TFormTable *table() const { return FormTable; }
    TFormFileProperties *properties() const { return FormFileProperties; }
    TFormFindWhat *findDialog() const { return FormFindWhat; }
    const FindState &findState() const { return mFind; }
    bool tableShown() const { return mTableShown; }

    void MenuFindClick();
    void MenuFindNextClick();
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
    TFormFindWhat *FormFindWhat;
    FindState mFind;
    bool mTableShown = false;
};

} // namespace cuefold

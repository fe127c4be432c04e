#pragma once

#include "editor/CommandTable.h"
#include "editor/FirstUse.h"
#include "search/find_state.h"

#include <QObject>
#include <QRect>
#include <optional>

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

    TFormTable *table() const;
    // The properties window, filled with the statistics of the last refresh.
    TFormFileProperties *properties();
    TFormFileProperties *builtProperties() const { return FormFileProperties.ifBuilt(); }
    TFormFindWhat *findDialog() const { return FormFindWhat.get(); }
    const FindState &findState() const { return mFind; }
    bool tableShown() const { return mTableShown; }

    void MenuFindClick();
    void MenuFindNextClick();
    void MenuShowTableClick();
    // The statistics refresh, with the automatic overlap repair. The window
    // is filled at once while it shows, else when it is next asked for.
    void RefreshProperties();
    // The properties window, modal; after an open it offers to play the movie.
    void showProperties(bool afterOpen);
    void retranslate();
    // The settings' reading limits changed: the grid colours its rows anew.
    void readingLimitsChanged();
    // The grid's settings, read now or by the grid once it is built.
    void loadTableSettings(const QRect &desktop);
    void saveTableSettings();

private:
    void updateShowTableCommand();
    TFormTable *createTable();
    TFormFileProperties *createProperties();
    void fillProperties();

    EditorContext &mCtx;
    FirstUse<TFormFileProperties> FormFileProperties;
    FirstUse<TFormFindWhat> FormFindWhat;
    std::optional<QRect> mTableDesktop; // the grid's settings have been read
    FindState mFind;
    bool mTableShown = false;
    bool mPropertiesStale = true; // refreshed since the window was last filled
};

} // namespace cuefold

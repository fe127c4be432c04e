#pragma once

#include "config/language_table.h"
#include "config/settings.h"

#include <QHash>
#include <QKeySequence>
#include <QStyle>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
class QMainWindow;

namespace cuefold {

class TForm1;

// A submenu that groups consecutive commands of a menu.
struct SubMenu {
    const char *name;                          // "MenuPlayerZoom"
    QByteArray LanguageTexts::*caption;
};

enum class CommandKind {
    Plain,
    Check, // a check item; its tool button is pressed while checked
    Radio, // one of the exclusive items of its submenu
};

// One command of a menu: its stable item name (also the QAction's object
// name), caption key, shortcut, tool button and handler.
struct Command {
    const char *item;
    QByteArray LanguageTexts::*caption = nullptr;
    QKeySequence shortcut{};
    const char *toolButton = nullptr;          // object name of its tool button
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    void (TForm1::*handler)() = nullptr;
    bool separatorBefore = false;
    bool hidden = false;                       // reachable by shortcut only
    const char *fixedCaption = nullptr;        // caption of an item without a key
    CommandKind kind = CommandKind::Plain;
    bool checked = false;                      // initial check mark
    const SubMenu *submenu = nullptr;
    QByteArray LanguageTexts::*hint = nullptr; // tool button hint other than the caption
    void (TForm1::*buttonHandler)() = nullptr; // what the tool button runs, when not the item
};

struct MenuTable {
    const char *name;                          // "MenuFile"
    QByteArray LanguageTexts::*caption;
    int toolBar;                               // ToolBarId, or -1
    std::vector<Command> commands;
};

// The menu areas built so far, in menu-bar order; each area's table lives in
// the file that implements its commands.
const MenuTable &FileMenuTable();
const MenuTable &EditMenuTable();
const MenuTable &SearchMenuTable();
const MenuTable &TitleMenuTable();
const MenuTable &PlayerMenuTable();
const MenuTable &GirderMenuTable();

// Builds the menus and tool bars of the main window from the tables and keeps
// their captions in step with the language texts.
class CommandBar {
public:
    void build(TForm1 *form, const std::vector<const MenuTable *> &tables);
    void retranslate();
    // Tool bars docked in rows: a stored Top picks the row (rows ordered by
    // Top), a stored Left the order within it; -1 keeps where the layout put
    // the bar.
    void placeToolBars(QMainWindow *window, const std::array<WindowBounds, ToolBarCount> &stored);
    void storeToolBarPositions(std::array<WindowBounds, ToolBarCount> &stored) const;

    QAction *action(const char *item) const { return mActions.value(QByteArray(item)); }
    // A command of the tables answers this key (so a text field must not
    // take it for its own editing keys).
    bool ownsShortcut(const QKeySequence &keys) const;
    QToolBar *toolBar(int id) const { return mToolBars[id]; }
    QToolButton *toolButton(const char *name) const { return mButtons.value(QByteArray(name)); }

private:
    struct Built {
        const MenuTable *table;
        QMenu *menu;
    };
    QMenu *subMenu(QMenu *parent, const SubMenu &sub);

    std::vector<Built> mBuilt;
    std::vector<std::pair<QMenu *, QByteArray LanguageTexts::*>> mSubMenuCaptions;
    QHash<QByteArray, QAction *> mActions;
    QHash<QByteArray, QToolButton *> mButtons;
    QHash<QByteArray, QMenu *> mSubMenus;
    std::array<QToolBar *, ToolBarCount> mToolBars{};
};

} // namespace cuefold

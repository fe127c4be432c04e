#pragma once

#include "config/language_table.h"
#include "config/settings.h"
#include "editor/CommandId.h"

#include <QIcon>
#include <QKeySequence>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QMainWindow;

namespace cuefold {

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

using CommandHandler = std::function<void()>;

// A handler that runs `method` of the controller that owns the command.
template<typename Controller>
CommandHandler Bind(Controller *controller, void (Controller::*method)())
{
    return [controller, method] { (controller->*method)(); };
}

// One command of a menu: its id (whose name is also the QAction's object
// name), caption key, shortcut, tool button, handler and enabled rule.
struct Command {
    CommandId id;
    QByteArray LanguageTexts::*caption = nullptr;
    QKeySequence shortcut{};
    const char *toolButton = nullptr;          // object name of its tool button
    const char *icon = nullptr;                // icon-theme name of its picture
    CommandHandler handler{};
    bool separatorBefore = false;
    bool hidden = false;                       // reachable by shortcut only
    const char *fixedCaption = nullptr;        // caption of an item without a key
    CommandKind kind = CommandKind::Plain;
    bool checked = false;                      // initial check mark
    const SubMenu *submenu = nullptr;
    QByteArray LanguageTexts::*hint = nullptr; // tool button hint other than the caption
    CommandHandler buttonHandler{};             // what the tool button runs, when not the item
    std::function<bool()> enabled{};            // when the command is available; none: always
    std::function<bool()> buttonEnabled{};      // its tool button's own rule, when not the item's
    std::function<QByteArray()> captionNow{};   // a caption that follows the program's state
};

// The picture of an icon-theme name: the desktop theme's when it has one,
// otherwise our own resources/icons/<name>.svg.
QIcon CommandIcon(const char *name);

struct MenuTable {
    const char *name;                          // "MenuFile"
    QByteArray LanguageTexts::*caption;
    int toolBar;                               // ToolBarId, or -1
    std::vector<Command> commands;
};

// The menus and tool bars of the main window, built from the tables the
// subsystem controllers register, in menu-bar order. Keeps their captions in
// step with the language texts and their enabled state with the rules.
class CommandBar {
public:
    void add(QMainWindow *window, MenuTable table);
    void retranslate();
    // Applies every enabled rule of the registered commands.
    void refreshEnabled();
    // Applies one command's enabled rule and caption.
    void refresh(CommandId id);
    // The history's name for what the command being run changes (its
    // caption), empty when no command of the tables is running.
    QByteArray runningStepName() const;
    // Tool bars docked in rows: a stored Top picks the row (rows ordered by
    // Top), a stored Left the order within it; -1 keeps where the layout put
    // the bar.
    void placeToolBars(QMainWindow *window, const std::array<WindowBounds, ToolBarCount> &stored);
    void storeToolBarPositions(QMainWindow *window, std::array<WindowBounds, ToolBarCount> &stored) const;

    QAction *action(CommandId id) const { return mActions[static_cast<int>(id)]; }
    QToolButton *toolButton(CommandId id) const { return mButtons[static_cast<int>(id)]; }
    QToolBar *toolBar(int id) const { return mToolBars[id]; }
    // A command of the tables answers this key (so a text field must not
    // take it for its own editing keys).
    bool ownsShortcut(const QKeySequence &keys) const;

private:
    struct Built {
        MenuTable table;
        QMenu *menu;
    };
    QMenu *subMenu(QMenu *parent, const SubMenu &sub);
    QToolButton *addToolButton(QToolBar *tools, const Command &c, QAction *action);
    // `handler`, run as command `id`.
    CommandHandler tracked(CommandId id, const CommandHandler &handler);
    const Command *find(CommandId id) const;
    void applyCaption(const Command &c);
    void applyEnabled(const Command &c);

    std::vector<Built> mBuilt;
    std::vector<std::pair<QMenu *, QByteArray LanguageTexts::*>> mSubMenus;
    std::array<QAction *, CommandCount> mActions{};
    std::array<QToolButton *, CommandCount> mButtons{};
    std::array<QToolBar *, ToolBarCount> mToolBars{};
    int mDefaultRow = 0; // the default row of the bars added last
    int mRunning = -1;   // the CommandId being run, -1: none
};

} // namespace cuefold

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
class QMainWindow;

namespace cuefold {

class TForm1;

// One command of a menu: its stable item name (also the QAction's object
// name), caption key, shortcut, tool button and handler.
struct Command {
    const char *item;
    QByteArray LanguageTexts::*caption = nullptr;
    QKeySequence shortcut;
    const char *toolButton = nullptr;          // object name of its tool button
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    void (TForm1::*handler)() = nullptr;
    bool separatorBefore = false;
    bool hidden = false;                       // reachable by shortcut only
    const char *fixedCaption = nullptr;        // caption of an item without a key
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

// Builds the menus and tool bars of the main window from the tables and keeps
// their captions in step with the language texts.
class CommandBar {
public:
    void build(TForm1 *form, const std::vector<const MenuTable *> &tables);
    void retranslate();

    QAction *action(const char *item) const { return mActions.value(QByteArray(item)); }
    // A command of the tables answers this key (so a text field must not
    // take it for its own editing keys).
    bool ownsShortcut(const QKeySequence &keys) const;
    QToolBar *toolBar(int id) const { return mToolBars[id]; }

private:
    struct Built {
        const MenuTable *table;
        QMenu *menu;
    };
    std::vector<Built> mBuilt;
    QHash<QByteArray, QAction *> mActions;
    std::array<QToolBar *, ToolBarCount> mToolBars{};
};

} // namespace cuefold

#include "editor/CommandTable.h"
#include "document/code_page.h"
#include "editor/DeferredIcon.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <utility>

namespace cuefold {

namespace {

const char *const ToolBarNames[ToolBarCount] = {
    "ToolBarFile", "ToolBarEdit", "ToolBarSearch", "ToolBarTitle", "ToolBarCommon", "ToolBarPlayer",
};
// Until the user arranges them, the editing bars share the first row and
// the bulk and player bars the second; with pictures of this size a window
// of the default width shows every button without the overflow arrow.
constexpr int DefaultRow[ToolBarCount] = {0, 0, 0, 0, 1, 1};
constexpr int ToolIconSize = 20;

QByteArray captionOf(const Command &c)
{
    if (c.captionNow)
        return c.captionNow();
    return c.caption ? Texts.*(c.caption) : QByteArray(c.fixedCaption);
}

} // namespace

const char *CommandName(CommandId id)
{
    static const char *const names[] = {
#define CUEFOLD_COMMAND_NAME(name) #name,
        CUEFOLD_COMMANDS(CUEFOLD_COMMAND_NAME)
#undef CUEFOLD_COMMAND_NAME
    };
    return names[static_cast<int>(id)];
}

QIcon CommandIcon(const char *name)
{
    const QString theme = QString::fromLatin1(name);
    return DeferredIcon([theme] { return QIcon::fromTheme(theme, QIcon(QStringLiteral(":/icons/%1.svg").arg(theme))); });
}

void CommandBar::add(QMainWindow *window, MenuTable table)
{
    QMenu *menu = window->menuBar()->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(table.name));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { refreshEnabled(); });
    QToolBar *tools = nullptr;
    if (table.toolBar >= 0) {
        QToolBar *&slot = mToolBars[table.toolBar];
        if (!slot) {
            if (DefaultRow[table.toolBar] > mDefaultRow) {
                window->addToolBarBreak();
                mDefaultRow = DefaultRow[table.toolBar];
            }
            slot = window->addToolBar(QString());
            slot->setObjectName(QString::fromLatin1(ToolBarNames[table.toolBar]));
            slot->setIconSize(QSize(ToolIconSize, ToolIconSize));
        }
        tools = slot;
    }
    QActionGroup *radios = nullptr;
    for (const Command &c : table.commands) {
        auto *action = new QAction(window);
        action->setObjectName(QString::fromLatin1(CommandName(c.id)));
        action->setShortcut(c.shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setCheckable(c.kind != CommandKind::Plain);
        action->setChecked(c.checked);
        if (c.icon)
            action->setIcon(CommandIcon(c.icon));
        QObject::connect(action, &QAction::triggered, window, tracked(c.id, c.handler));
        QMenu *target = menu;
        if (c.hidden) {
            window->addAction(action); // active through its shortcut only
        } else {
            target = c.submenu ? subMenu(menu, *c.submenu) : menu;
            if (c.separatorBefore)
                target->addSeparator();
            target->addAction(action);
        }
        if (c.kind == CommandKind::Radio) {
            if (!radios || radios->parent() != target)
                radios = new QActionGroup(target);
            radios->addAction(action);
        }
        if (c.toolButton && tools)
            mButtons[static_cast<int>(c.id)] = addToolButton(tools, c, action);
        mActions[static_cast<int>(c.id)] = action;
    }
    mBuilt.push_back({std::move(table), menu});
}

QToolButton *CommandBar::addToolButton(QToolBar *tools, const Command &c, QAction *action)
{
    // A button of its own, so that its hint can differ from the menu caption.
    auto *button = new QToolButton(tools);
    button->setObjectName(QString::fromLatin1(c.toolButton));
    button->setIcon(action->icon());
    button->setFocusPolicy(Qt::NoFocus);
    if (c.kind == CommandKind::Check) {
        button->setCheckable(true);
        button->setChecked(c.checked);
        QObject::connect(action, &QAction::toggled, button, &QToolButton::setChecked);
    }
    if (c.buttonHandler)
        QObject::connect(button, &QToolButton::clicked, button, tracked(c.id, c.buttonHandler));
    else
        QObject::connect(button, &QToolButton::clicked, action, [action, button] {
            // A check button shows the item's state, not its own toggling.
            if (action->isCheckable())
                button->setChecked(action->isChecked());
            action->trigger();
        });
    tools->addWidget(button);
    return button;
}

CommandHandler CommandBar::tracked(CommandId id, const CommandHandler &handler)
{
    return [this, id, handler] {
        const int outer = std::exchange(mRunning, static_cast<int>(id));
        handler();
        mRunning = outer;
    };
}

const Command *CommandBar::find(CommandId id) const
{
    for (const Built &b : mBuilt)
        for (const Command &c : b.table.commands)
            if (c.id == id)
                return &c;
    return nullptr;
}

QByteArray CommandBar::runningStepName() const
{
    const Command *c = mRunning >= 0 ? find(static_cast<CommandId>(mRunning)) : nullptr;
    return c ? StepName(captionOf(*c)) : QByteArray();
}

void CommandBar::refresh(CommandId id)
{
    const Command *c = find(id);
    if (!c)
        return;
    applyEnabled(*c);
    if (c->captionNow)
        applyCaption(*c);
}

void CommandBar::applyCaption(const Command &c)
{
    const QByteArray caption = captionOf(c);
    action(c.id)->setText(CodePage::toUnicode(caption));
    if (QToolButton *button = toolButton(c.id))
        button->setToolTip(CodePage::toUnicode(c.hint ? Texts.*(c.hint) : StripHotKeys(caption)));
}

void CommandBar::applyEnabled(const Command &c)
{
    if (c.enabled)
        action(c.id)->setEnabled(c.enabled());
    const auto &buttonRule = c.buttonEnabled ? c.buttonEnabled : c.enabled;
    QToolButton *button = toolButton(c.id);
    if (button && buttonRule)
        button->setEnabled(buttonRule());
}

void CommandBar::refreshEnabled()
{
    for (const Built &b : mBuilt)
        for (const Command &c : b.table.commands)
            applyEnabled(c);
}

QMenu *CommandBar::subMenu(QMenu *parent, const SubMenu &sub)
{
    const QString name = QString::fromLatin1(sub.name);
    for (const auto &[menu, caption] : mSubMenus)
        if (menu->objectName() == name)
            return menu;
    QMenu *menu = parent->addMenu(QString());
    menu->setObjectName(name);
    mSubMenus.push_back({menu, sub.caption});
    return menu;
}

void CommandBar::placeToolBars(QMainWindow *window, const std::array<WindowBounds, ToolBarCount> &stored)
{
    struct Placed {
        QToolBar *bar;
        int top, left;
    };
    std::vector<Placed> bars;
    for (int id = 0; id < ToolBarCount; ++id)
        if (QToolBar *bar = mToolBars[id])
            bars.push_back({bar, stored[id].Top != -1 ? stored[id].Top : bar->y(),
                            stored[id].Left != -1 ? stored[id].Left : bar->x()});
    std::stable_sort(bars.begin(), bars.end(), [](const Placed &a, const Placed &b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    for (size_t i = 0; i < bars.size(); ++i) {
        const bool visible = bars[i].bar->isVisibleTo(window);
        window->removeToolBar(bars[i].bar);
        if (i > 0 && bars[i].top != bars[i - 1].top)
            window->addToolBarBreak();
        window->addToolBar(bars[i].bar);
        bars[i].bar->setVisible(visible);
    }
}

void CommandBar::storeToolBarPositions(QMainWindow *window, std::array<WindowBounds, ToolBarCount> &stored) const
{
    // A hidden bar has no place of its own in the layout: it keeps the one
    // it was given, so it comes back there when it is shown again.
    for (int id = 0; id < ToolBarCount; ++id)
        if (const QToolBar *bar = mToolBars[id]; bar && bar->isVisibleTo(window))
            stored[id] = {bar->y(), bar->x(), -1, -1};
}

bool CommandBar::ownsShortcut(const QKeySequence &keys) const
{
    for (const QAction *a : mActions)
        if (a && a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == keys)
            return true;
    return false;
}

void CommandBar::retranslate()
{
    for (const Built &b : mBuilt) {
        b.menu->setTitle(CodePage::toUnicode(Texts.*(b.table.caption)));
        for (const Command &c : b.table.commands)
            applyCaption(c);
    }
    for (const auto &[menu, caption] : mSubMenus)
        menu->setTitle(CodePage::toUnicode(Texts.*caption));
}

} // namespace cuefold

#include "editor/CommandTable.h"
#include "editor/FMain.h"
#include "document/code_page.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace cuefold {

namespace {

const char *const ToolBarNames[ToolBarCount] = {
    "ToolBarFile", "ToolBarEdit", "ToolBarSearch", "ToolBarTitle", "ToolBarCommon", "ToolBarPlayer",
};

QByteArray captionOf(const Command &c)
{
    return c.caption ? Texts.*(c.caption) : QByteArray(c.fixedCaption);
}

} // namespace

void CommandBar::build(TForm1 *form, const std::vector<const MenuTable *> &tables)
{
    QMenuBar *bar = form->menuBar();
    for (const MenuTable *table : tables) {
        QMenu *menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(table->name));
        QToolBar *tools = nullptr;
        if (table->toolBar >= 0) {
            QToolBar *&slot = mToolBars[table->toolBar];
            if (!slot) {
                slot = form->addToolBar(QString());
                slot->setObjectName(QString::fromLatin1(ToolBarNames[table->toolBar]));
            }
            tools = slot;
        }
        QMenu *target = menu;
        QActionGroup *radios = nullptr;
        for (const Command &c : table->commands) {
            auto *action = new QAction(form);
            action->setObjectName(QString::fromLatin1(c.item));
            action->setShortcut(c.shortcut);
            action->setShortcutContext(Qt::ApplicationShortcut);
            action->setCheckable(c.kind != CommandKind::Plain);
            action->setChecked(c.checked);
            if (c.icon != QStyle::SP_CustomBase)
                action->setIcon(QApplication::style()->standardIcon(c.icon));
            QObject::connect(action, &QAction::triggered, form, c.handler);
            if (c.hidden) {
                form->addAction(action); // active through its shortcut only
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
            if (c.toolButton && tools) {
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
                    QObject::connect(button, &QToolButton::clicked, form, c.buttonHandler);
                else
                    QObject::connect(button, &QToolButton::clicked, action, [action, button] {
                    // A check button shows the item's state, not its own toggling.
                    if (action->isCheckable())
                        button->setChecked(action->isChecked());
                    action->trigger();
                });
                tools->addWidget(button);
                mButtons.insert(QByteArray(c.toolButton), button);
            }
            mActions.insert(QByteArray(c.item), action);
        }
        mBuilt.push_back({table, menu});
    }
}

QMenu *CommandBar::subMenu(QMenu *parent, const SubMenu &sub)
{
    QMenu *&menu = mSubMenus[QByteArray(sub.name)];
    if (!menu) {
        menu = parent->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(sub.name));
        mSubMenuCaptions.push_back({menu, sub.caption});
    }
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

void CommandBar::storeToolBarPositions(std::array<WindowBounds, ToolBarCount> &stored) const
{
    for (int id = 0; id < ToolBarCount; ++id)
        if (const QToolBar *bar = mToolBars[id])
            stored[id] = {bar->y(), bar->x(), -1, -1};
}

bool CommandBar::ownsShortcut(const QKeySequence &keys) const
{
    for (const QAction *a : mActions)
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == keys)
            return true;
    return false;
}

void CommandBar::retranslate()
{
    for (const Built &b : mBuilt) {
        b.menu->setTitle(CodePage::toUnicode(Texts.*(b.table->caption)));
        for (const Command &c : b.table->commands) {
            const QByteArray caption = captionOf(c);
            mActions.value(QByteArray(c.item))->setText(CodePage::toUnicode(caption));
            if (QToolButton *button = c.toolButton ? mButtons.value(QByteArray(c.toolButton)) : nullptr)
                button->setToolTip(CodePage::toUnicode(c.hint ? Texts.*(c.hint) : StripHotKeys(caption)));
        }
    }
    for (const auto &[menu, caption] : mSubMenuCaptions)
        menu->setTitle(CodePage::toUnicode(Texts.*caption));
}

} // namespace cuefold

#include "editor/CommandTable.h"
#include "editor/FMain.h"
#include "document/code_page.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

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
        for (const Command &c : table->commands) {
            auto *action = new QAction(form);
            action->setObjectName(QString::fromLatin1(c.item));
            action->setShortcut(c.shortcut);
            action->setShortcutContext(Qt::ApplicationShortcut);
            if (c.icon != QStyle::SP_CustomBase)
                action->setIcon(QApplication::style()->standardIcon(c.icon));
            QObject::connect(action, &QAction::triggered, form, c.handler);
            if (c.hidden) {
                form->addAction(action); // active through its shortcut only
            } else {
                if (c.separatorBefore)
                    menu->addSeparator();
                menu->addAction(action);
            }
            if (c.toolButton && tools) {
                // A button of its own, so that its hint can differ from the menu caption.
                auto *button = new QToolButton(tools);
                button->setObjectName(QString::fromLatin1(c.toolButton));
                button->setIcon(action->icon());
                button->setFocusPolicy(Qt::NoFocus);
                QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
                tools->addWidget(button);
            }
            mActions.insert(QByteArray(c.item), action);
        }
        mBuilt.push_back({table, menu});
    }
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
            if (!c.toolButton)
                continue;
            for (QToolBar *tools : mToolBars)
                if (tools)
                    if (auto *button = tools->findChild<QToolButton *>(QString::fromLatin1(c.toolButton)))
                        button->setToolTip(CodePage::toUnicode(StripHotKeys(caption)));
        }
    }
}

} // namespace cuefold

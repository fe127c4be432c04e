// The declared windows: the Ctrl+Tab cycle, the clipboard's reach and the
// kept positions all follow the declaration rows alone.
#include "config/settings.h"
#include "editor/ToolWindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace cuefold;

namespace {

class ToolWindowsTest : public ::testing::Test {
protected:
    // A shown top-level window holding one line edit named `field`.
    QWidget *window(const char *field)
    {
        auto &w = mWindows.emplace_back(std::make_unique<QWidget>());
        auto *edit = new QLineEdit(w.get());
        edit->setObjectName(QString::fromLatin1(field));
        w->show();
        return w.get();
    }
    static bool activates(QWidget *from, Qt::KeyboardModifiers modifiers, QWidget *to)
    {
        QTest::keyClick(from, Qt::Key_Tab, modifiers);
        return QTest::qWaitFor([to] { return QApplication::activeWindow() == to; }, 2000);
    }

    std::vector<std::unique_ptr<QWidget>> mWindows;
    ToolWindows declared;
};

TEST_F(ToolWindowsTest, CycleVisitsTheShownOfferedWindowsInDeclaredPlaceOrder)
{
    QWidget *main = window("EditMain");
    QWidget *third = window("EditThird");
    QWidget *second = window("EditSecond");
    QWidget *withdrawn = window("EditWithdrawn");
    QWidget *hidden = window("EditHidden");
    hidden->hide();
    // Declared out of place order: the places, not the declaring order, rule.
    declared.declare({.window = third, .cyclePlace = 7});
    declared.declare({.window = main, .cyclePlace = 1});
    declared.declare({.window = withdrawn, .cyclePlace = 4, .offered = [] { return false; }});
    declared.declare({.window = hidden, .cyclePlace = 5});
    declared.declare({.window = second, .cyclePlace = 3});

    QApplication::setActiveWindow(main);
    EXPECT_TRUE(activates(main, Qt::ControlModifier, second));
    EXPECT_TRUE(activates(second, Qt::ControlModifier, third));
    EXPECT_TRUE(activates(third, Qt::ControlModifier, main));
    EXPECT_TRUE(activates(main, Qt::ControlModifier | Qt::ShiftModifier, third));
    EXPECT_TRUE(activates(third, Qt::ControlModifier | Qt::ShiftModifier, second));
    EXPECT_TRUE(activates(second, Qt::ControlModifier | Qt::ShiftModifier, main));
}

TEST_F(ToolWindowsTest, ClipboardReachesOnlyTheFieldsDeclaredForTheirOwnWindow)
{
    QWidget *a = window("EditShared");
    QWidget *b = window("EditShared");
    QWidget *undeclared = window("EditShared");
    declared.declare({.window = a, .cyclePlace = 1, .clipboardFields = {"EditOther", "EditShared"}});
    declared.declare({.window = b, .cyclePlace = 2, .clipboardFields = {"EditOther"}});
    EXPECT_TRUE(declared.reachesField(a->findChild<QLineEdit *>()));
    EXPECT_FALSE(declared.reachesField(b->findChild<QLineEdit *>()));
    EXPECT_FALSE(declared.reachesField(undeclared->findChild<QLineEdit *>()));
}

TEST_F(ToolWindowsTest, OnlyDeclaredPlacementsAreKept)
{
    const ProgramSettings before = Settings;
    QWidget *placed = window("EditPlaced");
    QWidget *unplaced = window("EditUnplaced");
    declared.declare({.window = placed, .cyclePlace = 1, .placement = &MainSettings::RangeWindow});
    declared.declare({.window = unplaced, .cyclePlace = 2});
    Settings.Main.SaveWindowPosition = true;
    Settings.Main.RangeWindow = {40, 30, -1, -1};
    declared.place(QRect(0, 0, 2000, 1500));
    EXPECT_EQ(placed->pos(), QPoint(30, 40));
    placed->move(60, 50);
    declared.store();
    EXPECT_EQ(Settings.Main.RangeWindow.Top, 50);
    EXPECT_EQ(Settings.Main.RangeWindow.Left, 60);
    Settings = before;
}

TEST_F(ToolWindowsTest, ARowBuildsItsWindowOnFirstAskPlacedAndInTheCycle)
{
    const ProgramSettings before = Settings;
    QWidget *main = window("EditMain");
    int builds = 0;
    QWidget *made = nullptr;
    declared.declare({.window = main, .cyclePlace = 1});
    declared.declare({.cyclePlace = 2, .placement = &MainSettings::RangeWindow, .create = [&] {
                          ++builds;
                          made = window("EditLater");
                          made->hide();
                          return made;
                      }});
    Settings.Main.SaveWindowPosition = true;
    Settings.Main.RangeWindow = {40, 30, -1, -1};
    declared.place(QRect(0, 0, 2000, 1500));
    declared.store();
    EXPECT_EQ(builds, 0);
    EXPECT_EQ(declared.ifBuilt<QWidget>(2), nullptr);
    EXPECT_EQ(Settings.Main.RangeWindow.Left, 30); // kept as read while there is no window

    QWidget *later = declared.window(2);
    EXPECT_EQ(declared.window(2), later);
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(declared.ifBuilt<QWidget>(2), made);
    EXPECT_EQ(later->pos(), QPoint(30, 40)); // placed as if it had been there at start-up
    later->show();
    QApplication::setActiveWindow(main);
    EXPECT_TRUE(activates(main, Qt::ControlModifier, later));
    EXPECT_TRUE(activates(later, Qt::ControlModifier, main));
    Settings = before;
}

} // namespace

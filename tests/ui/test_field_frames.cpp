// A field's panel and a scroll bar drawn from kept pictures look as the
// style draws them.
#include "editor/FieldFrameStyle.h"
#include "editor/ScrollBarStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage Drawn(QLineEdit &edit) { return edit.grab().toImage(); }

TEST(FieldFrames, KeptPicturesMatchTheStyle)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    cuefold::FieldFrameStyle kept(QStyleFactory::create(QStringLiteral("fusion")));
    QApplication::setCursorFlashTime(0); // a focused field shows its cursor steadily
    QWidget window;
    QLineEdit plain(&window), cached(&window);
    plain.setStyle(fusion.get());
    cached.setStyle(&kept);
    for (QLineEdit *e : {&plain, &cached}) {
        e->setText(QStringLiteral("1234"));
        e->resize(80, 24);
        e->setFocusPolicy(Qt::NoFocus);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // Each look twice: the second comes from the kept picture.
    const auto sameLook = [&](const char *what) {
        for (int pass = 0; pass < 2; ++pass)
            EXPECT_EQ(Drawn(plain), Drawn(cached)) << what << " pass " << pass;
    };
    sameLook("plain");
    QPalette red = plain.palette();
    red.setColor(QPalette::Base, Qt::red);
    plain.setPalette(red);
    cached.setPalette(red);
    sameLook("red base");
    plain.setEnabled(false);
    cached.setEnabled(false);
    sameLook("disabled");
    plain.setEnabled(true);
    cached.setEnabled(true);
    for (QLineEdit *e : {&plain, &cached})
        e->resize(120, 30);
    sameLook("wider");

    // The focused look, one field at a time, and the kept field unfocused
    // again after it.
    const QImage unfocused = Drawn(plain);
    QImage focused[2];
    for (QLineEdit *e : {&cached, &plain}) {
        e->setFocusPolicy(Qt::StrongFocus);
        e->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([e] { return e->hasFocus(); }));
        focused[e == &cached] = Drawn(*e);
    }
    EXPECT_EQ(focused[0], focused[1]);
    EXPECT_NE(focused[1], unfocused);
    EXPECT_EQ(Drawn(cached), unfocused);
    QApplication::setCursorFlashTime(1000);
}

// The handle anywhere along the bar, at both ends, a bar with nothing to
// scroll, a pressed button, a disabled bar and the other orientation: each
// drawn twice, the second time from the kept picture.
TEST(FieldFrames, KeptScrollBarsMatchTheStyle)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    cuefold::ScrollBarStyle kept(QStyleFactory::create(QStringLiteral("fusion")));
    QWidget window;
    QScrollBar plain(Qt::Vertical, &window), cached(Qt::Vertical, &window);
    plain.setStyle(fusion.get());
    cached.setStyle(&kept);
    // Away from the pointer, which rests at the screen's corner.
    window.resize(800, 800);
    plain.move(50, 50);
    cached.move(400, 400);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto sameLook = [&](const char *what) {
        for (int pass = 0; pass < 2; ++pass)
            EXPECT_EQ(plain.grab().toImage(), cached.grab().toImage()) << what << " pass " << pass;
    };
    const auto both = [&](const std::function<void(QScrollBar &)> &change) {
        change(plain);
        change(cached);
    };
    for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        both([orientation](QScrollBar &bar) {
            bar.setOrientation(orientation);
            bar.resize(orientation == Qt::Vertical ? QSize(16, 300) : QSize(300, 16));
            bar.setRange(0, 1000);
            bar.setPageStep(100);
        });
        for (int value : {0, 1, 350, 999, 1000}) {
            both([value](QScrollBar &bar) { bar.setValue(value); });
            sameLook("value");
        }
        both([](QScrollBar &bar) {
            QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 4, bar.height() - 4));
        });
        sameLook("pressed");
        both([](QScrollBar &bar) {
            QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 4, bar.height() - 4));
        });
        both([](QScrollBar &bar) { bar.setRange(0, 0); });
        sameLook("nothing to scroll");
        both([](QScrollBar &bar) {
            bar.setRange(0, 1000);
            bar.setEnabled(false);
        });
        sameLook("disabled");
        both([](QScrollBar &bar) { bar.setEnabled(true); });
    }
}

} // namespace

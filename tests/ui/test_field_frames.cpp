// A field's panel drawn from the kept picture looks as the style draws it.
#include "editor/FieldFrameStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>
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

} // namespace

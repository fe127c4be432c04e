// The pictures of the tool buttons: every command its own.
#include "gui_support.h"

#include "editor/CommandTable.h"

#include <QAction>
#include <QDir>
#include <QToolButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

QImage picture(const QIcon &icon, QIcon::State state = QIcon::Off)
{
    return icon.pixmap(16, 16, QIcon::Normal, state).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

TEST(ToolIcons, EveryOwnPictureRendersThroughTheSvgEngine)
{
    const QDir icons(QStringLiteral(":/icons"));
    const QStringList files = icons.entryList({QStringLiteral("*.svg")});
    ASSERT_GE(files.size(), 53);
    for (const QString &file : files)
        EXPECT_TRUE(hasInk(picture(QIcon(icons.filePath(file))))) << file.toStdString();
    EXPECT_TRUE(hasInk(picture(CommandIcon("cuefold-sync-off"))));
}

using ToolIconsTest = MainWindowFixture;

TEST_F(ToolIconsTest, NoTwoCommandsShareAToolButtonPicture)
{
    start();
    std::vector<std::pair<const char *, QImage>> seen;
    for (int i = 0; i < CommandCount; ++i) {
        const auto id = static_cast<CommandId>(i);
        const QToolButton *button = form->commands().toolButton(id);
        if (!button)
            continue;
        const QImage image = picture(button->icon());
        ASSERT_TRUE(hasInk(image)) << CommandName(id);
        // The menu item shows the picture of its button.
        EXPECT_EQ(picture(form->commands().action(id)->icon()), image) << CommandName(id);
        for (const auto &[other, otherImage] : seen)
            EXPECT_NE(otherImage, image) << CommandName(id) << " looks like " << other;
        seen.emplace_back(CommandName(id), image);
    }
    EXPECT_GE(seen.size(), 53u);
}

TEST_F(ToolIconsTest, SyncButtonShowsWhetherThePictureFollows)
{
    start();
    const QIcon on = form->commands().action(CommandId::MenuPlayerSync)->icon();
    const QToolButton *button = form->commands().toolButton(CommandId::MenuPlayerSync);
    trigger(CommandId::MenuPlayerSync);
    EXPECT_NE(picture(button->icon(), QIcon::On), picture(on, QIcon::On));
    trigger(CommandId::MenuPlayerSync);
    EXPECT_EQ(picture(button->icon(), QIcon::On), picture(on, QIcon::On));
}

} // namespace

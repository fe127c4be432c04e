#include "config/FBrowse.h"
#include "config/language_table.h"
#include "gui_support.h"

#include <QDir>
#include <QTreeView>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class BrowseFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadDefaultTexts();
        browser.retranslate();
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("a/b")));
        QObject::connect(&clicker, &QTimer::timeout, [this] {
            if (toClick && QApplication::activeModalWidget() == &browser)
                toClick->click();
        });
        clicker.start(10);
    }

    // Clicks a button of the modal window on every tick until it has closed.
    void clickWhenShown(QPushButton *button) { toClick = button; }

    QTemporaryDir dir;
    TFormBrowseFolder browser;
    QTimer clicker;
    QPushButton *toClick = nullptr;
};

} // namespace

TEST_F(BrowseFolder, OnlyAbsoluteFolderPathsAreUsable)
{
    const struct {
        QString path;
        bool usable;
    } cases[] = {
        {QStringLiteral("/"), true},
        {QDir::homePath(), true},
        {QString(), false},
        {QStringLiteral("relative/folder"), false},
        {QStringLiteral("."), false},
        {QStringLiteral("/no/such/folder/here"), false},
        {QStringLiteral(CUEFOLD_DEFAULT_INI), false}, // a file, not a folder
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsUsableFolderPath(c.path), c.usable) << c.path.toStdString();
}

TEST_F(BrowseFolder, LabelAndOkFollowTheSelection)
{
    const QString folder = dir.filePath(QStringLiteral("a/b"));
    browser.selectFolder(folder);
    EXPECT_EQ(browser.selectedFolder(), folder);
    EXPECT_EQ(browser.label()->text(), folder);
    EXPECT_TRUE(browser.okButton()->isEnabled());
    // No folder at all (a path the tree cannot name) cannot be used.
    browser.selectFolder(QString());
    EXPECT_EQ(browser.label()->text(), QStringLiteral("Název složky nelze použít"));
    EXPECT_FALSE(browser.okButton()->isEnabled());
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Výběr složky"));
    EXPECT_EQ(browser.tree()->toolTip(), QStringLiteral("Šipkami nebo myší vyber složku"));
}

TEST_F(BrowseFolder, OkGivesTheFolderAndCancelKeepsTheField)
{
    const QString folder = dir.filePath(QStringLiteral("a"));
    browser.selectFolder(folder);
    clickWhenShown(browser.okButton());
    EXPECT_EQ(browser.browse(QStringLiteral("/typed/before")), folder);

    browser.selectFolder(dir.filePath(QStringLiteral("a/b")));
    clickWhenShown(browser.findChild<QPushButton *>(QStringLiteral("BrowseFolderButtonCancel")));
    EXPECT_EQ(browser.browse(QStringLiteral("/typed/before")), QStringLiteral("/typed/before"));
    // The next use starts where the last one ended.
    EXPECT_EQ(browser.selectedFolder(), dir.filePath(QStringLiteral("a/b")));
}

TEST_F(BrowseFolder, TreeShowsFoldersOnly)
{
    WriteAll(dir.filePath(QStringLiteral("a/file.sub")), "{1}{2}x");
    browser.selectFolder(dir.filePath(QStringLiteral("a")));
    auto *model = browser.tree()->model();
    const QModelIndex a = browser.tree()->currentIndex();
    browser.tree()->expand(a);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(a) > 0; }, 5000));
    ASSERT_EQ(model->rowCount(a), 1);
    EXPECT_EQ(model->index(0, 0, a).data().toString(), QStringLiteral("b"));
}

// The tool windows of a fresh program are built when first asked for, and
// each takes its place in the Ctrl+Tab cycle once it is.
#include "gui_support.h"

#include "config/FAbout.h"
#include "config/FBrowse.h"
#include "config/FHelp.h"
#include "config/FOptions.h"
#include "operations/FAnalysis.h"
#include "operations/FOperations.h"
#include "operations/FRange.h"
#include "operations/FRecalculate.h"
#include "operations/FTest.h"
#include "player/FPlayer.h"
#include "search/FFind.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QCheckBox>
#include <QToolBar>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class FirstUseWindows : public MainWindowFixture {
protected:
    template<typename W>
    W *built() const
    {
        const QList<W *> all = form->findChildren<W *>();
        return all.size() == 1 ? all.front() : nullptr;
    }
    template<typename W>
    bool none() const { return form->findChildren<W *>().isEmpty(); }

    // The command shows its window, built by it.
    template<typename W>
    W *opens(CommandId id)
    {
        trigger(id);
        W *window = built<W>();
        EXPECT_TRUE(window && window->isVisible()) << W::staticMetaObject.className();
        return window;
    }
};

TEST_F(FirstUseWindows, EachToolWindowIsBuiltOnFirstUseInCycleOrder)
{
    QByteArray file = "{1}{1}25\r\n";
    for (int i = 1; i <= 6; ++i)
        file += "{" + QByteArray::number(i * 100) + "}{" + QByteArray::number(i * 100 + 50) + "}Radek\r\n";
    startWith(file);
    EXPECT_TRUE(none<TFormTable>() && none<TFormHelp>() && none<TFormOptions>() && none<TFormRecalculate>()
                && none<TFormAnalysis>() && none<TFormTest>() && none<TFormRange>() && none<TFormAbout>()
                && none<TFormFindWhat>() && none<TFormOperations>() && none<TFormBrowseFolder>());

    // Places 2 to 9; the timing windows and the modal settings close again,
    // as only one of them may be open.
    TFormTable *table = opens<TFormTable>(CommandId::MenuShowTable);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->model()->rowCount(), 7);
    TFormWMP *player = opens<TFormWMP>(CommandId::MenuPlayerShow);
    TFormHelp *help = opens<TFormHelp>(CommandId::MenuHelpMain);
    if (auto *options = opens<TFormOptions>(CommandId::MenuFileOptions))
        options->reject();
    answers = {MsgResult::Cancel}; // no frame rate set for the two-point window
    if (auto *recalculate = opens<TFormRecalculate>(CommandId::MenuCommonRecalculateSubtitle))
        recalculate->close();
    TFormAnalysis *analysis = opens<TFormAnalysis>(CommandId::MenuCommonAnalyzeWidths);
    if (auto *test = opens<TFormTest>(CommandId::MenuCommonTestSpeed))
        test->close();
    TFormRange *range = opens<TFormRange>(CommandId::MenuCommonLockAll);

    const auto activates = [](QWidget *from, QWidget *to) {
        QTest::keyClick(from->focusWidget() ? from->focusWidget() : from, Qt::Key_Tab, Qt::ControlModifier);
        return QTest::qWaitFor([to] { return QApplication::activeWindow() == to; }, 2000);
    };
    QApplication::setActiveWindow(form.get());
    QWidget *cycle[] = {form.get(), table, player, help, analysis, range, form.get()};
    for (int i = 0; i + 1 < int(std::size(cycle)); ++i)
        EXPECT_TRUE(activates(cycle[i], cycle[i + 1])) << "step " << i;

    answerModal<TFormAbout>([](TFormAbout *about) { about->reject(); });
    trigger(CommandId::MenuHelpAbout);
    EXPECT_TRUE(built<TFormAbout>());
}

TEST_F(FirstUseWindows, StoredSettingsApplyWithoutTheSettingsWindow)
{
    QByteArray ini = ReadAll(mIni);
    ini.replace("ShowToolbarFile=1", "ShowToolbarFile=0");
    ini.replace("[DefaultPath]\r\nOpen=", "[DefaultPath]\r\nOpen=" + path("open").toLocal8Bit());
    WriteAll(mIni, ini);
    start();
    EXPECT_TRUE(none<TFormOptions>());
    EXPECT_FALSE(form->commands().toolBar(ToolBarFileId)->isVisible());
    EXPECT_TRUE(form->commands().toolBar(ToolBarEditId)->isVisible());
    trigger(CommandId::MenuFileOpen);
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back().folder, path("open"));

    // Built later, the window shows what was applied.
    auto *options = opens<TFormOptions>(CommandId::MenuFileOptions);
    ASSERT_TRUE(options);
    EXPECT_FALSE(options->findChild<QCheckBox *>(QStringLiteral("CheckBoxShowToolbarFile"))->isChecked());
    options->reject();
    EXPECT_FALSE(form->commands().toolBar(ToolBarFileId)->isVisible());
}

} // namespace

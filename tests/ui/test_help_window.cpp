#include "config/FHelp.h"
#include "config/language_table.h"
#include "config/rtf_reader.h"
#include "config/settings.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "gui_support.h"

#include <QSignalSpy>
#include <QTextEdit>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadDefaultTexts();
        SetMessageHandler([this](const MessageRequest &r) {
            messages.push_back(r);
            return answer;
        });
        SetFileDialogHandler([this](const FileDialogRequest &r) {
            dialogs.push_back(r);
            return chosen;
        });
    }
    void TearDown() override
    {
        SetMessageHandler({});
        SetFileDialogHandler({});
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    TFormHelp help;
    QString chosen;
    MsgResult answer = MsgResult::No;
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> dialogs;
};

} // namespace

TEST_F(HelpWindow, SavesUnderTheCompletedName)
{
    help.showManual();
    const struct {
        const char *typed, *written;
    } cases[] = {
        {"manual", "manual.RTF"},
        {"manual.RTF", "manual.RTF"},
        {"kept.rtf", "kept.rtf"},
        {"notes.RTF.txt", "notes.txt"},
        {"dotted.RTF/inner", "dotted.RTF/inner.RTF"},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dotted.RTF")));
    for (const auto &c : cases) {
        chosen = path(c.typed);
        help.RTFSaveAsClick();
        EXPECT_EQ(ReadAll(path(c.written)), help.documentBytes()) << c.typed;
    }
    EXPECT_FALSE(QFile::exists(path("kept.rtf.RTF")));
    ASSERT_FALSE(dialogs.empty());
    EXPECT_TRUE(dialogs.back().save);
    EXPECT_EQ(dialogs.back().title, QStringLiteral("Uložit nápovědu do souboru"));
    EXPECT_EQ(dialogs.back().filter, QByteArray("Rich Text Format (*.RTF)|*.RTF"));
    EXPECT_TRUE(help.documentBytes().startsWith("{\\rtf1\\ansi\\ansicpg1250"));
}

TEST_F(HelpWindow, OverwritesOnlyAfterYes)
{
    help.showHistory();
    chosen = path("old.RTF");
    WriteAll(chosen, "old");
    help.RTFSaveAsClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages[0].defaultButton, MsgResult::No);
    EXPECT_EQ(ReadAll(chosen), QByteArray("old"));
    answer = MsgResult::Yes;
    help.RTFSaveAsClick();
    EXPECT_EQ(ReadAll(chosen), help.documentBytes());
    // Cancelling the dialog writes nothing and asks nothing.
    chosen.clear();
    help.RTFSaveAsClick();
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(HelpWindow, EscapeWithoutModifiersCloses)
{
    QSignalSpy visible(&help, &TFormHelp::helpVisibleChanged);
    help.showManual();
    ASSERT_TRUE(help.isVisible());
    QTest::keyClick(help.richEdit(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(help.isVisible());
    QTest::keyClick(help.richEdit(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    ASSERT_EQ(visible.size(), 2);
    EXPECT_TRUE(visible[0][0].toBool());
    EXPECT_FALSE(visible[1][0].toBool());
}

TEST_F(HelpWindow, ManualReplacesTheShownHistory)
{
    help.showHistory();
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Historie..."));
    EXPECT_TRUE(help.richEdit()->toPlainText().contains(QStringLiteral("historie verzí")));
    EXPECT_TRUE(help.richEdit()->isReadOnly());
    help.showManual();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Nápověda..."));
    EXPECT_TRUE(help.richEdit()->toPlainText().startsWith(QStringLiteral("Cuefold – nápověda")));
    // The context menu's captions come from the main window's menu texts.
    auto *saveAs = help.findChild<QAction *>(QStringLiteral("RTFSaveAs"));
    ASSERT_TRUE(saveAs);
    EXPECT_EQ(saveAs->text(), QStringLiteral("Uložit j&ako..."));
}

// Each document in the chosen language, Czech for any language the program
// carries no translation of; a translation has every paragraph of the original.
TEST_F(HelpWindow, ShowsTheDocumentsOfTheChosenLanguage)
{
    using M = TFormHelp::HelpMode;
    EXPECT_EQ(HelpResource(M::Manual, "English"), QStringLiteral(":/RFTHLP.English"));
    EXPECT_EQ(HelpResource(M::History, "English"), QStringLiteral(":/RFTVER.English"));
    for (const QByteArray &language : {QByteArray("\xC8" "esky"), QByteArray(), QByteArray("Deutsch"), QByteArray("a=b")}) {
        EXPECT_EQ(HelpResource(M::Manual, language), QStringLiteral(":/RFTHLP")) << language.toStdString();
        EXPECT_EQ(HelpResource(M::History, language), QStringLiteral(":/RFTVER"));
    }
    for (const char *name : {":/RFTHLP", ":/RFTVER"}) {
        QFile czech(QString::fromLatin1(name)), english(QString::fromLatin1(name) + QStringLiteral(".English"));
        ASSERT_TRUE(czech.open(QIODevice::ReadOnly) && english.open(QIODevice::ReadOnly));
        EXPECT_EQ(ReadRtf(english.readAll()).paragraphs.size(), ReadRtf(czech.readAll()).paragraphs.size()) << name;
    }

    const QByteArray chosen = Settings.Language.Preferred;
    Settings.Language.Preferred = "English";
    help.showHistory();
    EXPECT_TRUE(help.richEdit()->toPlainText().startsWith(QStringLiteral("Cuefold – version history")));
    help.showManual();
    EXPECT_TRUE(help.richEdit()->toPlainText().startsWith(QStringLiteral("Cuefold – help")));
    EXPECT_TRUE(help.documentBytes().startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    Settings.Language.Preferred = chosen;
}

#include "config/ini_file.h"
#include "config/language_table.h"
#include "document/code_page.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

QString englishPath()
{
    return QFileInfo(QStringLiteral(CUEFOLD_DEFAULT_INI)).path() + QStringLiteral("/cuefold.English");
}

QByteArray englishBytes()
{
    QFile f(englishPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const char *czechOf(const QByteArray &key)
{
    for (const LanguageKey &k : LanguageKeys)
        if (key == k.name)
            return k.czech;
    return nullptr;
}

// The letter after the single "&" of a caption, or 0.
char accelerator(const QByteArray &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return char(QChar::toLower(char16_t(uchar(caption[i + 1]))));
        ++i;
    }
    return 0;
}

} // namespace

TEST(EnglishTexts, HoldEveryKeyOnceAndNoOther)
{
    const QByteArray bytes = englishBytes();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    QSet<QByteArray> seen;
    bool inSection = false;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.isEmpty() || text.startsWith(';'))
            continue;
        if (text.startsWith('[')) {
            EXPECT_EQ(text, QByteArray("[English]"));
            inSection = true;
            continue;
        }
        ASSERT_TRUE(inSection) << text.constData();
        const qsizetype eq = text.indexOf('=');
        ASSERT_GT(eq, 0) << text.constData();
        const QByteArray key = text.left(eq);
        const QByteArray value = text.mid(eq + 1);
        const char *czech = czechOf(key);
        ASSERT_TRUE(czech) << "unknown key " << key.constData();
        EXPECT_FALSE(seen.contains(key)) << "twice: " << key.constData();
        seen.insert(key);
        EXPECT_FALSE(value.isEmpty()) << key.constData();
        // Line breaks stay where the Czech text has them.
        EXPECT_EQ(value.count("\\N"), QByteArray(czech).count("\\N")) << key.constData();
        EXPECT_EQ(CodePage::fromUnicode(CodePage::toUnicode(value)), value) << key.constData();
    }
    EXPECT_EQ(std::size_t(seen.size()), LanguageKeyCount);
}

TEST(EnglishTexts, AcceleratorsDifferWithinEachMenu)
{
    CodePage::select("windows-1250");
    IniFile file;
    ASSERT_TRUE(file.load(englishPath()));
    const LanguageTexts texts = ReadLanguageTexts(file, "English");
    EXPECT_EQ(texts.MenuFile, QByteArray("&File"));
    EXPECT_EQ(texts.HintPlay, QByteArray("Play\r(Shift+Ctrl+Space)"));

    auto text = [&](const char *key) {
        for (std::size_t i = 0; i < LanguageKeyCount; ++i)
            if (qstrcmp(LanguageKeys[i].name, key) == 0)
                return texts.*LanguageTextMembers[i];
        return QByteArray();
    };
    const std::vector<std::vector<const char *>> menus = {
        {"MenuFile", "MenuEdit", "MenuSearch", "MenuSubtitle", "MenuCommon", "MenuPlayer", "MenuGirder", "MenuHelp"},
        {"MenuNew", "MenuOpen", "MenuSave", "MenuSaveAs", "MenuExport", "MenuProperties", "MenuOptions", "MenuExit"},
        {"MenuUndo", "MenuCut", "MenuCopy", "MenuPaste", "MenuSelectAll", "MenuUndoWholeLine"},
        {"MenuFind", "MenuFindNext", "MenuShowTable"},
        {"MenuGoTo", "MenuFirstFrame", "MenuLastFrame", "MenuEditLine", "MenuLockLine", "MenuMarkLine",
         "MenuBreakLeft", "MenuBreakRight", "MenuSecondBreakLeft", "MenuSecondBreakRight", "MenuBreakRemove",
         "MenuInsertLine", "MenuAddLine", "MenuSplitLine", "MenuSplit1Line", "MenuMergeLines", "MenuDeleteLine"},
        {"MenuShiftTitle", "MenuShiftTitleTo", "MenuEnlargeTitle", "MenuDepressDelay", "MenuInsertDelay",
         "MenuRecalculateSubtitle", "MenuRemoveLineWrappings", "MenuRepairOverlaps", "MenuAccept", "MenuLockAll",
         "MenuUnlockAll", "MenuUnmarkAll", "MenuAnalyzeWidths", "MenuTestSpeed", "MenuRecalcPerSpeed", "MenuSetFPS"},
        {"MenuShowPlayer", "MenuZoom", "MenuClose", "MenuSync", "MenuPlayPause", "MenuStop", "MenuStepBackB",
         "MenuStepForwardB", "MenuStep1Back", "MenuStep1Forward", "MenuLocateSubtitle", "MenuSeekPlayer",
         "MenuSeekPlayerToEOT", "MenuCopyFrame", "MenuCaptureFrameNumber", "MenuPlayerAutomate", "MenuOpenVideoFile"},
        {"MenuHelpMain", "MenuHistory", "MenuWeb", "MenuMirror", "MenuHome", "MenuEmail", "MenuParticipants", "MenuAbout"},
        {"Find0", "Find1", "Find2", "Find3", "Find4", "Find5", "Find6", "Find7", "Find8", "Find9", "FindCheckBoxCase"},
    };
    for (const auto &menu : menus) {
        QSet<char> used;
        for (const char *key : menu) {
            const char a = accelerator(text(key));
            if (a == 0)
                continue;
            EXPECT_FALSE(used.contains(a)) << key << " repeats &" << a;
            used.insert(a);
        }
    }
}

// The English texts name what this program really uses, not the parts of
// another system that are not here.
TEST(EnglishTexts, NameNoForeignSystemParts)
{
    for (const QByteArray &line : englishBytes().split('\n')) {
        const QByteArray text = line.mid(line.indexOf('=') + 1);
        for (const char *foreign : {"DivXG400", "DirectShow", "RUNDLL", "Windows Media"})
            EXPECT_FALSE(text.contains(foreign)) << line.constData();
    }
}

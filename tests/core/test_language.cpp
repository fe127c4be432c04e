#include "config/ini_file.h"
#include "config/language_table.h"
#include "document/code_page.h"
#include "raw_bytes.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

const QByteArray Czech = "\xC8" "esky";

std::size_t indexOfKey(const char *name)
{
    for (std::size_t i = 0; i < LanguageKeyCount; ++i)
        if (qstrcmp(LanguageKeys[i].name, name) == 0)
            return i;
    return LanguageKeyCount;
}

// An executable in a temporary folder, with its settings file and optional
// language files beside it.
class LanguageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mDir.isValid());
        CodePage::select("windows-1250");
        LoadDefaultTexts();
        writeFile(settingsPath(), "[Main]\r\nDelayFrames=2\r\n");
    }
    void TearDown() override { LoadDefaultTexts(); }

    QString exePath() const { return mDir.filePath("cuefold"); }
    QString settingsPath() const { return mDir.filePath("cuefold.INI"); }
    QString languagePath(const char *suffix) const { return mDir.filePath(QString("cuefold.") + suffix); }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void load(const QByteArray &language) { LoadLanguage(language, exePath(), settingsPath()); }

    // Number of texts differing from the Czech defaults.
    static int changedTexts()
    {
        int changed = 0;
        for (std::size_t i = 0; i < LanguageKeyCount; ++i)
            if (Texts.*LanguageTextMembers[i] != ConvertText(LanguageKeys[i].czech, LanguageKeys[i].conversion))
                ++changed;
        return changed;
    }

    QTemporaryDir mDir;
};

} // namespace

TEST(LanguageTable, HasEveryKeyOnceWithASensibleCzechDefault)
{
    ASSERT_GE(LanguageKeyCount, StandardLanguageKeyCount);
    QSet<QByteArray> names;
    int bulk = 0, breaks = 0;
    for (const LanguageKey &key : LanguageKeys) {
        const QByteArray czech = key.czech;
        names.insert(key.name);
        EXPECT_FALSE(czech.isEmpty()) << key.name;
        // Every default survives the trip through Unicode: it is valid text
        // in the code page, not stray bytes.
        EXPECT_EQ(CodePage::fromUnicode(CodePage::toUnicode(czech)), czech) << key.name;
        for (char c : czech)
            EXPECT_GE(uchar(c), 0x20u) << key.name;
        // A line break in a text that is never converted would show as "\N".
        if (key.conversion == TextConversion::Plain) {
            EXPECT_FALSE(czech.contains("\\N")) << key.name;
        }
        if (names.size() > int(StandardLanguageKeyCount))
            continue;
        bulk += key.conversion == TextConversion::Bulk;
        breaks += key.conversion == TextConversion::Breaks;
    }
    EXPECT_EQ(names.size(), int(LanguageKeyCount));
    EXPECT_EQ(bulk, 16);
    EXPECT_EQ(breaks, 72 + 42); // message texts + hints and multi-line labels
}

TEST(LanguageTable, KeepsReadingOrderAndQuotedDefaults)
{
    EXPECT_STREQ(LanguageKeys.front().name, "MenuFile");
    EXPECT_STREQ(LanguageKeys[StandardLanguageKeyCount - 1].name, "NoValidFile");
    EXPECT_EQ(indexOfKey("ExamLSpeed"), indexOfKey("DwellC") + 1);
    EXPECT_EQ(indexOfKey("ExamLFix"), indexOfKey("DwellC") + 2);

    LoadDefaultTexts();
    EXPECT_EQ(Texts.NoMoreLines, "Dal\x9A\xED titulky ji\x9E nelze p\xF8idat");
    EXPECT_EQ(Texts.FileNotOpen, "Soubor nen\xED otev\xF8" "en");
    EXPECT_EQ(Texts.HintPlay, "Spustit\r(Shift+Ctrl+mezera)");
    EXPECT_EQ(Texts.MenuStepBackB, "P\xF8" "evinout o ");
    EXPECT_EQ(Texts.MenuStepForwardB, "P\xF8" "evinout o");
    EXPECT_EQ(Texts.OptionsLabelSavePathCaption, "Implicitn\xED slo\x9Eka pro \"Ulo\x9Eit\" a \"Ulo\x9Eit jako...\"");
    EXPECT_EQ(Texts.DivXG400Req2.count('\r'), 1);
    EXPECT_EQ(TextByKey("NoMoreLines"), Texts.NoMoreLines);
    EXPECT_TRUE(TextByKey("NoSuchKey").isEmpty());
}

TEST(LanguageTable, TextConversions)
{
    struct Case {
        QByteArray in, breaks, noCr, noHotKeys;
    };
    const Case cases[] = {
        {"A\\NB", "A\rB", "A\\NB", "A\\NB"},
        {"\\N\\N", "\r\r", "\\N\\N", "\\N\\N"},
        {"\\\\N", "\\\r", "\\\\N", "\\\\N"},
        {"a\\nb", "a\\nb", "a\\nb", "a\\nb"},
        {"&Soubor", "&Soubor", "&Soubor", "Soubor"},
        {"Tom && Jerry&", "Tom && Jerry&", "Tom && Jerry&", "Tom & Jerry"},
        {"&&&x", "&&&x", "&&&x", "&x"},
        {"a\rb", "a\rb", "a b", "a\rb"},
        {"", "", "", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ConvertLineBreaks(c.in), c.breaks) << c.in.constData();
        EXPECT_EQ(CrToSpace(c.in), c.noCr) << c.in.constData();
        EXPECT_EQ(StripHotKeys(c.in), c.noHotKeys) << c.in.constData();
    }
    EXPECT_EQ(ConvertText("A\\NB", TextConversion::Plain), "A\\NB");
    EXPECT_EQ(ConvertText("A\\NB", TextConversion::Breaks), "A\rB");
    EXPECT_EQ(ConvertText("A\\NB", TextConversion::Bulk), "A\rB");
}

TEST(LanguageTable, SectionNamesAndFileSuffixes)
{
    struct Case {
        QByteArray language, section, suffix;
    };
    const Case cases[] = {
        {"\xC8" "esky", "\xC8" "esky", "Cesky"},
        {"Espa\xF1ol", "Espa\xF1ol", "Espanol"},
        {"Portugu\xEAse", "Portugu\xEAse", "Portuguese"},
        {"Sloven\xE8ina", "Sloven\xE8ina", "Slovencina"},
        {"Sloven\x9A\xE8ina", "Sloven\x9A\xE8ina", "Slovenscina"},
        {"English", "English", "English"},
        {"\xE8" "esky", "\xE8" "esky", "\xE8" "esky"}, // compared as bytes
        {"A=B", "\xC8" "esky", "Cesky"},
        {"", "\xC8" "esky", "Cesky"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LanguageSectionName(c.language), c.section) << c.language.constData();
        EXPECT_EQ(LanguageSuffix(c.language), c.suffix) << c.language.constData();
    }
}

TEST_F(LanguageFiles, CzechWithoutAnyFileOrSectionGivesTheDefaults)
{
    load(Czech);
    EXPECT_EQ(changedTexts(), 0);
}

TEST_F(LanguageFiles, PartialTranslationChangesOnlyItsTexts)
{
    writeFile(languagePath("English"), "[English]\r\nMenuFile=&File\r\n");
    load("English");
    EXPECT_EQ(Texts.MenuFile, "&File");
    EXPECT_EQ(changedTexts(), 1);
}

TEST_F(LanguageFiles, SectionInTheSettingsFileWhenNoLanguageFileExists)
{
    writeFile(settingsPath(), "[Main]\r\nDelayFrames=2\r\n[Deutsch]\r\nMenuFile=&Datei\r\n");
    load("Deutsch");
    EXPECT_EQ(Texts.MenuFile, "&Datei");
    EXPECT_EQ(changedTexts(), 1);
}

TEST_F(LanguageFiles, LanguageFileWinsOverTheSettingsFile)
{
    writeFile(settingsPath(), "[English]\r\nMenuFile=from settings\r\nMenuNew=&New\r\n");
    writeFile(languagePath("English"), "[English]\r\nMenuFile=from file\r\n");
    load("English");
    EXPECT_EQ(Texts.MenuFile, "from file");
    EXPECT_EQ(Texts.MenuNew, "&Nov\xFD");
}

TEST_F(LanguageFiles, LineBreaksOnlyWhereTheKeyTakesThem)
{
    writeFile(languagePath("English"), "[English]\r\n"
                                       "HintPlay=A\\NB\r\n"
                                       "MenuFile=A\\NB\r\n"
                                       "NoMoreLines=A\\NB\r\n"
                                       "Error=A\\NB\r\n"
                                       "MenuShiftTitle=&Shift\\Nall\r\n");
    load("English");
    EXPECT_EQ(Texts.HintPlay, "A\rB");
    EXPECT_EQ(Texts.MenuFile, "A\\NB");
    EXPECT_EQ(Texts.NoMoreLines, "A\rB");
    EXPECT_EQ(Texts.Error, "A\\NB");
    // A bulk caption: one line in the menu, two in the tool-button hint.
    EXPECT_EQ(CrToSpace(Texts.MenuShiftTitle), "&Shift all");
    EXPECT_EQ(StripHotKeys(Texts.MenuShiftTitle), "Shift\rall");
}

TEST_F(LanguageFiles, NameWithEqualsSignUsesTheCzechSection)
{
    writeFile(languagePath("Cesky"), "[\xC8" "esky]\r\nMenuFile=&Soubor!\r\n");
    load("Bad=Name");
    EXPECT_EQ(Texts.MenuFile, "&Soubor!");
    EXPECT_EQ(changedTexts(), 1);
}

TEST_F(LanguageFiles, AccentedNameFindsItsPlainSuffixFile)
{
    writeFile(languagePath("Slovenscina"), "[Sloven\x9A\xE8ina]\r\nMenuFile=&Datoteka\r\n");
    load("Sloven\x9A\xE8ina");
    EXPECT_EQ(Texts.MenuFile, "&Datoteka");
}

TEST_F(LanguageFiles, NameThatLooksLikeAPathIsNotUsedAsAFileName)
{
    writeFile(mDir.filePath("evil"), "[../evil]\r\nMenuFile=outside\r\n");
    load("../evil");
    EXPECT_EQ(Texts.MenuFile, "&Soubor");
    EXPECT_EQ(LanguageFilePath(exePath(), "../evil", settingsPath()), settingsPath());
}

TEST_F(LanguageFiles, MalformedLanguageFilesGiveTheDefaults)
{
    const QByteArray files[] = {
        GarbageBytes(256 * 1024, 131),
        QByteArray(1024, '\0'),
        "[English]\r\nMenuFile" + QByteArray(4 * 1024 * 1024, 'x') + "\r\n",
        "[English\r\nMenuFile=&File\r\n",
        RawBytes("[English]\r\n\0MenuFile=&File\r\n"),
    };
    for (const QByteArray &bytes : files) {
        writeFile(languagePath("English"), bytes);
        load("English");
        EXPECT_EQ(changedTexts(), 0);
    }
}

TEST_F(LanguageFiles, DuplicateKeysTakeTheFirstAndKeepNulBytesInValues)
{
    writeFile(languagePath("English"), RawBytes("[English]\r\nMenuFile=&File\r\nMenuFile=&Other\r\nMenuNew=a\0b\r\n"));
    load("English");
    EXPECT_EQ(Texts.MenuFile, "&File");
    EXPECT_EQ(Texts.MenuNew, QByteArray("a\0b", 3));
}

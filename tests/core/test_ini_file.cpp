#include "config/ini_file.h"
#include "document/io_error.h"
#include "raw_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

IniFile fromBytes(const QByteArray &bytes)
{
    IniFile ini;
    ini.setBytes(bytes);
    return ini;
}

} // namespace

TEST(IniFile, KeepsEveryByteWhenNothingIsWritten)
{
    const QByteArray inputs[] = {
        "",
        "[Main]\r\nA=1\r\n",
        "; comment\n[Main]\r\nA=1\rB=2\n\n[\xC8" "esky]\r\nMenuFile=&Soubor",
        RawBytes("[Main]\r\nA=\0\x01\xFF\r\n\r\n\r\n"),
        "no section=1\r\n  [ Spaced ]  \r\nKey = value with blanks  \r\n",
        RawBytes("\xFF\xFE\0\0garbage\r\r\n\n"),
    };
    for (const QByteArray &input : inputs)
        EXPECT_EQ(fromBytes(input).bytes(), input);
}

TEST(IniFile, ReadsNamesCaseInsensitivelyAndTrimsBlanks)
{
    const IniFile ini = fromBytes("[Main]\r\n  DelayFrames =  7  \r\n[\xC8" "esky]\r\nMenuFile=&Soubor\r\n");
    EXPECT_EQ(ini.value("main", "delayframes"), QByteArray("7"));
    EXPECT_EQ(ini.value("MAIN", "DELAYFRAMES"), QByteArray("7"));
    EXPECT_EQ(ini.value("\xE8" "esky", "menufile"), QByteArray("&Soubor"));
    EXPECT_FALSE(ini.value("Main", "MenuFile"));
    EXPECT_FALSE(ini.value("Missing", "DelayFrames"));
    EXPECT_TRUE(ini.hasSection("main"));
    EXPECT_FALSE(ini.hasSection("Font"));
}

TEST(IniFile, FirstOccurrenceWins)
{
    IniFile ini = fromBytes("[A]\r\nK=first\r\nK=second\r\n[A]\r\nK=third\r\nL=other\r\n");
    EXPECT_EQ(ini.value("A", "K"), QByteArray("first"));
    // Keys of a repeated section are not merged into the first one.
    EXPECT_FALSE(ini.value("A", "L"));
    ini.writeString("A", "K", "new");
    EXPECT_EQ(ini.bytes(), "[A]\r\nK=new\r\nK=second\r\n[A]\r\nK=third\r\nL=other\r\n");
}

TEST(IniFile, IgnoresCommentsAndLinesWithoutEquals)
{
    const IniFile ini = fromBytes("[A]\r\n;K=commented\r\n#K=also\r\nK\r\n=novalue\r\nK=real\r\n");
    EXPECT_EQ(ini.value("A", "K"), QByteArray("real"));
}

TEST(IniFile, ReplacesInPlaceKeepingLineEnds)
{
    IniFile ini = fromBytes("[Main]\nA=1\nB=2\n[Font]\nName=Tahoma");
    ini.writeString("main", "a", "9");
    ini.writeString("Font", "Name", "Arial");
    EXPECT_EQ(ini.bytes(), "[Main]\na=9\nB=2\n[Font]\nName=Arial");
}

TEST(IniFile, AppendsNewKeysAtTheEndOfTheirSection)
{
    IniFile ini = fromBytes("[Main]\r\nA=1\r\n\r\n[Font]\r\nName=Tahoma\r\n");
    ini.writeInt("Main", "B", 2);
    ini.writeInt("Font", "Size", 14);
    ini.writeString("New", "Key", "v");
    EXPECT_EQ(ini.bytes(), "[Main]\r\nA=1\r\nB=2\r\n\r\n[Font]\r\nName=Tahoma\r\nSize=14\r\n[New]\r\nKey=v\r\n");
}

TEST(IniFile, TerminatesAnUnterminatedLastLineBeforeAppending)
{
    IniFile ini = fromBytes("[Main]\nA=1");
    ini.writeInt("Main", "B", 2);
    EXPECT_EQ(ini.bytes(), "[Main]\nA=1\nB=2\n");

    IniFile empty;
    empty.writeBool("Language", "Preferred", true);
    EXPECT_EQ(empty.bytes(), "[Language]\r\nPreferred=1\r\n");
}

TEST(IniFile, LineEndsInWrittenTextCannotSplitEntries)
{
    IniFile ini;
    ini.writeString("A", "Path", "one\r\nInjected=1");
    EXPECT_EQ(ini.value("A", "Path"), QByteArray("one  Injected=1"));
    EXPECT_FALSE(ini.value("A", "Injected"));
}

TEST(IniFile, TypedReadsFallBackToTheDefault)
{
    struct Case {
        QByteArray value;
        int asInt;
        bool asBool;
        double asFloat;
    };
    const Case cases[] = {
        {"1", 1, true, 1.0},
        {"0", 0, false, 0.0},
        {"-5", -5, true, -5.0},
        {"7", 7, true, 7.0},
        {"2.5", 42, true, 2.5},
        {"2,5", 42, true, 2.5},
        {"abc", 42, true, 9.5},
        {"", 42, true, 9.5},
        {"12abc", 42, true, 9.5},
        {"99999999999", 42, true, 99999999999.0},
        {"inf", 42, true, 9.5},
        {"nan", 42, true, 9.5},
        {"0x10", 42, true, 9.5},
    };
    for (const Case &c : cases) {
        const IniFile ini = fromBytes("[S]\r\nK=" + c.value + "\r\n");
        EXPECT_EQ(ini.readInt("S", "K", 42), c.asInt) << c.value.constData();
        EXPECT_EQ(ini.readBool("S", "K", true), c.asBool) << c.value.constData();
        EXPECT_DOUBLE_EQ(ini.readFloat("S", "K", 9.5), c.asFloat) << c.value.constData();
    }
    const IniFile empty;
    EXPECT_EQ(empty.readInt("S", "K", -1), -1);
    EXPECT_FALSE(empty.readBool("S", "K", false));
    EXPECT_EQ(empty.readString("S", "K", "Tahoma"), "Tahoma");
}

TEST(IniFile, WrittenValuesReadBackUnchanged)
{
    IniFile ini;
    const double floats[] = {5.0, 2.5, 0.1, -3.75, 1e-7, 123456789.125};
    for (double f : floats) {
        ini.writeFloat("P", "F", f);
        EXPECT_EQ(ini.readFloat("P", "F", -99), f);
    }
    ini.writeFloat("P", "F", 5.0);
    EXPECT_EQ(ini.value("P", "F"), QByteArray("5"));
    ini.writeInt("P", "I", -2147483647 - 1);
    EXPECT_EQ(ini.readInt("P", "I", 0), -2147483647 - 1);
    ini.writeString("P", "S", "\xC8" "esky");
    EXPECT_EQ(ini.readString("P", "S", ""), "\xC8" "esky");
}

TEST(IniFile, SurvivesHugeLinesAndBinaryGarbage)
{
    QByteArray garbage(3 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    const QByteArray huge(8 * 1024 * 1024, 'x');
    const QByteArray data = garbage + "\r\n[Main]\r\nLong=" + huge + "\r\nDelayFrames=3\r\n";
    IniFile ini = fromBytes(data);
    EXPECT_EQ(ini.bytes(), data);
    EXPECT_EQ(ini.readInt("Main", "DelayFrames", 2), 3);
    EXPECT_EQ(ini.value("Main", "Long")->size(), huge.size());
    ini.writeInt("Main", "DelayFrames", 4);
    EXPECT_EQ(ini.readInt("Main", "DelayFrames", 2), 4);
}

TEST(IniFile, SavesAndLoadsFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("x.INI");
    IniFile ini = fromBytes("[Other]\r\nKeep=\xE8" "\r\n");
    ini.writeInt("Main", "DelayFrames", 5);
    ASSERT_EQ(ini.save(path), NoIOError);

    IniFile loaded;
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.bytes(), "[Other]\r\nKeep=\xE8\r\n[Main]\r\nDelayFrames=5\r\n");

    EXPECT_FALSE(loaded.load(dir.filePath("missing.INI")));
    EXPECT_TRUE(loaded.bytes().isEmpty());
    EXPECT_EQ(ini.save(dir.filePath("no/such/folder/x.INI")), PathNotFoundCode);
}

TEST(IniFile, ByteOrderMarkHidesNoSectionAndIsKept)
{
    IniFile ini = fromBytes("\xEF\xBB\xBF[Main]\r\nDelayFrames=5\r\n");
    EXPECT_EQ(ini.readInt("Main", "DelayFrames", 2), 5);
    ini.writeInt("Main", "DelayFrames", 6);
    EXPECT_EQ(ini.bytes(), "\xEF\xBB\xBF[Main]\r\nDelayFrames=6\r\n");
}

// File names as the system keeps them: any bytes, also those that are not
// UTF-8, from the name to the file and back.
#include "document/file_name.h"
#include "document/io_error.h"
#include "document/writer.h"
#include "io_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

TEST(FileName, EveryNameKeepsItsBytesAndValidUtf8IsQtsOwn)
{
    const QByteArray valid[] = {"film.sub", "\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC\xD1\x8B",
                                "Espa\xC3\xB1" "a", "\xF0\x9F\x98\x80.sub", ""};
    for (const QByteArray &name : valid) {
        EXPECT_EQ(FileNameFromBytes(name), QString::fromUtf8(name)) << name.constData();
        EXPECT_EQ(FileNameBytes(FileNameFromBytes(name)), name) << name.constData();
    }
    // windows-1250, overlong, a surrogate, a cut sequence, a lone continuation.
    const QByteArray invalid[] = {"f\xE9lm.sub", "\xC0\xAF", "\xED\xA0\x80", "a\xE2\x82", "\x80z", "\xF0\x9F\x98\x80\x9F"};
    for (const QByteArray &name : invalid) {
        const QString kept = FileNameFromBytes(name);
        EXPECT_EQ(FileNameBytes(kept), name) << name.toHex().constData();
        EXPECT_TRUE(DisplayFileName(kept).contains(QChar::ReplacementCharacter)) << name.toHex().constData();
        EXPECT_NE(QFile::encodeName(kept), name); // what Qt itself would lose
    }
    EXPECT_EQ(DisplayFileName(FileNameFromBytes("f\xE9lm.sub")), QStringLiteral("f\uFFFDlm.sub"));
    const char *argv[] = {"cuefold", "f\xE9lm.sub"};
    EXPECT_EQ(FileNameBytes(CommandLineArguments(2, argv).at(1)), "f\xE9lm.sub");
}

TEST(FileName, AWindows1250NameOpensSavesAndBacksUpUnderItsOwnName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    ASSERT_TRUE(WriteRawNamed(folder + "f\xE9lm.sub", "{1}{1}25\r\n{10}{20}a\r\n"));
    const QString name = FileNameFromBytes(folder + "f\xE9lm.sub");

    ASSERT_TRUE(IsRegularFile(name));
    const std::vector<FolderEntry> listed = ListFolder(FileNameFromBytes(folder));
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(FileNameBytes(listed[0].name), "f\xE9lm.sub");

    const auto doc = ReadFileAt(name);
    ASSERT_EQ(doc->LineCount, 2);
    doc->SubLines[2].Text = "b";
    ASSERT_TRUE(SaveSubtitleFile(name, SerializeDocument(*doc, false), true).ok());
    EXPECT_EQ(ReadRawNamed(folder + "f\xE9lm.sub"), "{1}{1}25\r\n{10}{20}b\r\n");
    EXPECT_EQ(ReadRawNamed(folder + "f\xE9lm.BAK.0"), "{1}{1}25\r\n{10}{20}a\r\n");
    EXPECT_EQ(ListFolder(FileNameFromBytes(folder)).size(), 2u); // nothing else, no "f?lm" twin

    QFile missing(FileNameFromBytes(folder + "chyb\xED.sub"));
    EXPECT_EQ(OpenForReading(missing), FileNotFoundCode);
}

} // namespace

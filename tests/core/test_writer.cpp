#include "config/document_texts.h"
#include "config/language_table.h"
#include "document/io_error.h"
#include "document/writer.h"
#include "io_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>


using namespace cuefold;
using namespace cuefold::testing;

namespace {

class WriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadDefaultTexts();
        ASSERT_TRUE(dir.isValid());
    }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};

std::unique_ptr<Document> DocumentOf(std::initializer_list<TSubLine> lines)
{
    auto doc = std::make_unique<Document>();
    doc->reset();
    int i = 0;
    for (const TSubLine &l : lines)
        doc->SubLines[++i] = l;
    doc->LineCount = i;
    return doc;
}

TSubLine Line(double from, double last, const char *text, quint8 lock = 0)
{
    TSubLine l;
    l.From = from;
    l.Last = last;
    l.Text = text;
    l.Lock = lock;
    return l;
}

TEST(WriterFormat, LinesAndLockMarks)
{
    struct Case { TSubLine line; bool noLock; QByteArray expected; };
    const Case cases[] = {
        {Line(1200, 1275.5, "Ahoj|sv\xECte", 1), false, "{1200}{1276}}Ahoj|sv\xECte"},
        {Line(1200, 1275.5, "Ahoj|sv\xECte", 1), true, "{1200}{1276}Ahoj|sv\xECte"},
        {Line(1200, 1274.5, "a"), false, "{1200}{1275}a"},
        {Line(-1, -1, "x"), false, "{-1}{-1}x"},
        {Line(10.4, 20.6, ""), false, "{10}{21}"},
        {Line(10, 20, "}a", 1), false, "{10}{20}}}a"},
        {Line(10, 20, "{y:i}b"), false, "{10}{20}{y:i}b"},
    };
    for (const Case &c : cases) {
        const auto doc = DocumentOf({c.line});
        EXPECT_EQ(FormatLine(*doc, 1, c.noLock), c.expected);
    }
}

TEST(WriterFormat, WholeDocument)
{
    struct Case { std::unique_ptr<Document> doc; bool exportMode; QByteArray expected; };
    Case cases[] = {
        {DocumentOf({Line(1, 1, "")}), false, "{1}{1}\r\n"},
        {DocumentOf({Line(1, 1, "25", 1), Line(10, 20, "a", 1)}), false, "{1}{1}25\r\n{10}{20}}a\r\n"},
        {DocumentOf({Line(0, 0, "25", 1), Line(10, 20, "a", 1)}), false, "{0}{0}25\r\n{10}{20}}a\r\n"},
        {DocumentOf({Line(1, 1, "25", 1), Line(10, 20, "a", 1)}), true, "{1}{1}25\r\n{10}{20}a\r\n"},
        {DocumentOf({Line(1, 2, "x", 1)}), false, "{1}{2}}x\r\n"},  // not a frame-rate subtitle
    };
    for (const Case &c : cases)
        EXPECT_EQ(SerializeDocument(*c.doc, c.exportMode), c.expected) << c.expected.constData();

    // Text goes out byte for byte, NUL included.
    auto nul = DocumentOf({Line(5, 6, "")});
    nul->SubLines[1].Text = QByteArray("a\0b", 3);
    EXPECT_EQ(SerializeDocument(*nul, false), QByteArray("{5}{6}a\0b\r\n", 11));
}

TEST(WriterFormat, GoldenFilesSaveAndExport)
{
    const auto doc = ReadBytes(FileBytes(TestDataPath("golden_input.sub")));
    EXPECT_EQ(SerializeDocument(*doc, false), FileBytes(TestDataPath("golden_saved.sub")));
    EXPECT_EQ(SerializeDocument(*doc, true), FileBytes(TestDataPath("golden_exported.sub")));
    // What was saved reads back to the same lines.
    const QByteArray saved = FileBytes(TestDataPath("golden_saved.sub"));
    EXPECT_EQ(SerializeDocument(*ReadBytes(saved), false), saved);
}

TEST_F(WriterTest, WritesNewAndExistingFiles)
{
    const QString target = path("film.sub");
    ASSERT_EQ(WriteSubtitleFile(target, "{1}{2}a\r\n"), NoIOError);
    EXPECT_EQ(FileBytes(target), "{1}{2}a\r\n");
    ASSERT_EQ(WriteSubtitleFile(target, "{3}{4}b\r\n"), NoIOError);
    EXPECT_EQ(FileBytes(target), "{3}{4}b\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"film.sub"});
}

TEST_F(WriterTest, ALockedFirstSubtitleAtFrameZeroKeepsItsLockMark)
{
    // Frames 0/0 without a rate as text make no frame-rate line.
    const QByteArray bytes = "{0}{0}}Hned\r\n{100}{200}Druh\xFD\r\n";
    const QString target = path("film.sub");
    WriteBytes(target, bytes);
    ASSERT_TRUE(SaveSubtitleFile(target, SerializeDocument(*ReadFileAt(target), false), false).ok());
    EXPECT_EQ(FileBytes(target), bytes);
}

TEST_F(WriterTest, ThreeSavesLeaveThreeBackupsOldestFirst)
{
    const QString target = path("film.sub");
    WriteBytes(target, "version 0");
    for (int version = 1; version <= 3; ++version) {
        const SaveResult saved = SaveSubtitleFile(target, "version " + QByteArray::number(version), true);
        ASSERT_TRUE(saved.ok());
        EXPECT_EQ(saved.Backup.BackupName, path("film.BAK.") + QString::number(version - 1));
    }
    EXPECT_EQ(FileBytes(path("film.BAK.0")), "version 0");
    EXPECT_EQ(FileBytes(path("film.BAK.1")), "version 1");
    EXPECT_EQ(FileBytes(path("film.BAK.2")), "version 2");
    EXPECT_EQ(FileBytes(target), "version 3");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4); // no temporary files left
}

TEST_F(WriterTest, BackupOnlyWhenEnabledAndPresent)
{
    const QString target = path("film.sub");
    ASSERT_TRUE(SaveSubtitleFile(target, "first", true).ok()); // nothing to keep
    ASSERT_TRUE(SaveSubtitleFile(target, "second", false).ok());
    EXPECT_EQ(FileBytes(target), "second");
    EXPECT_FALSE(QFileInfo::exists(path("film.BAK.0")));
}

TEST_F(WriterTest, BackupNumbersRunOutAt999)
{
    const QString target = path("film.sub");
    WriteBytes(target, "old");
    for (int n = 0; n < MaxBackupCount; ++n)
        WriteBytes(path("film.BAK.") + QString::number(n), "");
    const SaveResult saved = SaveSubtitleFile(target, "new", true);
    EXPECT_EQ(saved.Backup.Status, BackupStatus::TooManyBackups);
    EXPECT_EQ(BackupErrorText(saved.Backup), "Too many BAK files, dude!");
    EXPECT_EQ(FileBytes(target), "old");
    EXPECT_FALSE(QFileInfo::exists(path("film.BAK.999")));

    QFile::remove(path("film.BAK.500"));              // a gap is reused
    EXPECT_EQ(SaveSubtitleFile(target, "new", true).Backup.BackupName, path("film.BAK.500"));
    EXPECT_EQ(FileBytes(path("film.BAK.500")), "old");
}

TEST(WriterBackupName, ExtensionBecomesBak)
{
    const struct { const char *path, *stem; } cases[] = {
        {"/d/film.sub", "/d/film.BAK"},
        {"/d/film.tar.TXT", "/d/film.tar.BAK"},
        {"/d/film", "/d/film.BAK"},
        {"/d.x/film", "/d.x/film.BAK"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BackupStem(c.path), QString(c.stem));
}

TEST_F(WriterTest, FolderTargetIsAccessDenied)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("film.sub"));
    EXPECT_EQ(WriteSubtitleFile(path("film.sub"), "x"), AccessDeniedCode);
    EXPECT_TRUE(QFileInfo(path("film.sub")).isDir());
}

TEST_F(WriterTest, MissingFolderIsPathNotFound)
{
    const int code = WriteSubtitleFile(path("missing/film.sub"), "x");
    EXPECT_EQ(code, PathNotFoundCode);
    EXPECT_EQ(IOErrorText(code, Texts.IOError), "Vstupn\xEC/V\xFDstupn\xED chyba 3: Cesta nebyla nalezena");
}

TEST(WriterDevice, FullDiskIsReported)
{
    LoadDefaultTexts();
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const int code = WriteSubtitleFile("/dev/full", "{1}{1}\r\n");
    EXPECT_EQ(code, DiskFullCode);
    EXPECT_EQ(IOErrorText(code, Texts.IOError), "Vstupn\xEC/V\xFDstupn\xED chyba 101: Pln\xFD disk");
    EXPECT_TRUE(QFileInfo("/dev/full").exists()); // a device is written, never replaced
}

TEST(WriterErrors, TextForEveryCode)
{
    LoadDefaultTexts();
    const struct { int code; const QByteArray *text; } cases[] = {
        {2, &Texts.FileNotFound}, {3, &Texts.PathNotFound}, {5, &Texts.AccessDenied},
        {32, &Texts.SharingViolation}, {100, &Texts.EndOfFile}, {101, &Texts.DiskFull},
        {102, &Texts.FileVariableNotAssigned}, {103, &Texts.FileNotOpen},
        {104, &Texts.FileNotOpenForInput}, {105, &Texts.FileNotOpenForOutput},
        {106, &Texts.ErrorInFormattedInput}, {107, &Texts.FileAlreadyOpen},
        {0, &Texts.CommonError}, {1, &Texts.CommonError}, {108, &Texts.CommonError},
        {1027, &Texts.CommonError}, {-3, &Texts.CommonError},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(c.text->isEmpty()) << c.code;
        EXPECT_EQ(IOErrorText(c.code, "Chyba"), "Chyba " + QByteArray::number(c.code) + ": " + *c.text);
    }
}

TEST(WriterErrors, BackupFailureBreaksTheLineBeforeTheName)
{
    LoadDefaultTexts();
    const BackupResult failed{BackupStatus::RenameFailed, QStringLiteral("/d/film.BAK.0")};
    EXPECT_EQ(BackupErrorText(failed), "Nepoda\xF8ilo se vytvo\xF8it z\xE1lo\x9En\xED soubor:\r /d/film.BAK.0");
}

TEST(WriterErrors, SystemErrorsMapToCodes)
{
    const QString inExistingFolder = QDir::tempPath() + "/film.sub";
    const struct { int error; QString path; int code; } cases[] = {
        {ENOENT, inExistingFolder, FileNotFoundCode},
        {ENOENT, "/nonexistent-folder-cuefold/film.sub", PathNotFoundCode},
        {ENOTDIR, inExistingFolder, PathNotFoundCode},
        {EACCES, inExistingFolder, AccessDeniedCode},
        {EPERM, inExistingFolder, AccessDeniedCode},
        {EROFS, inExistingFolder, AccessDeniedCode},
        {EBUSY, inExistingFolder, SharingViolationCode},
        {ETXTBSY, inExistingFolder, SharingViolationCode},
        {ENOSPC, inExistingFolder, DiskFullCode},
        {EDQUOT, inExistingFolder, DiskFullCode},
        {EFBIG, inExistingFolder, DiskFullCode},
        {EIO, inExistingFolder, OtherIOErrorBase + EIO},
        {0, inExistingFolder, OtherIOErrorBase},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IOErrorCodeFromErrno(c.error, c.path), c.code) << c.error;
}

TEST(WriterSaveName, Completion)
{
    const struct { const char *name, *completed; } cases[] = {
        {"/d/film", "/d/film.TXT"},
        {"/d/film..TXT", "/d/film.TXT"},
        {"/d/film.sub", "/d/film.sub"},
        {"/d/film.TXT", "/d/film.TXT"},
        {"/d/film..txt", "/d/film..txt"},   // compared case-sensitively
        {"/d.x/film", "/d.x/film.TXT"},
        {"/d/a..TXT..TXT", "/d/a.TXT..TXT"}, // only the first occurrence
    };
    for (const auto &c : cases)
        EXPECT_EQ(CompleteSaveName(c.name, ".TXT"), QString(c.completed)) << c.name;
}

} // namespace

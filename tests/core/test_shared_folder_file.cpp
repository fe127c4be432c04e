// The program's own files in a folder others may write to: made only at a
// free name, never through a link, and cleaned up after a killed run.
#include "child_process.h"
#include "config/settings.h"
#include "document/io_error.h"
#include "io_test_support.h"
#include "player/shared_folder_file.h"
#include "player/subtitle_filter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class SharedFolderFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder())); }
    QString folder() const { return dir.filePath(QStringLiteral("filter")); }
    QString inFolder(const char *name) const { return folder() + QLatin1Char('/') + QLatin1String(name); }
    // The record folders in the filter folder.
    QStringList records() const
    {
        return QDir(folder()).entryList({QStringLiteral("Cuefold-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    }
    static bool isLink(const QString &path) { return QFileInfo(path).isSymLink(); }

    QTemporaryDir dir;
};

TEST_F(SharedFolderFileTest, APlantedLinkIsNeverWrittenThroughNorRemoved)
{
    const QString outside = dir.filePath(QStringLiteral("outside.txt"));
    WriteBytes(outside, "keep me");
    const QString nowhere = dir.filePath(QStringLiteral("made-by-link.txt"));
    for (const QString &target : {outside, nowhere}) {
        const QString name = inFolder("film.SUB");
        QFile::remove(name);
        ASSERT_TRUE(QFile::link(target, name));
        EXPECT_EQ(ExamineSharedName(name), SharedName::Refused);
        SharedFolderFile file(name);
        EXPECT_EQ(file.write("{1}{1}25\r\n"), AccessDeniedCode);
        EXPECT_FALSE(file.written());
        file.remove();
        EXPECT_TRUE(isLink(name));
    }
    EXPECT_EQ(FileBytes(outside), "keep me");
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    EXPECT_TRUE(records().isEmpty());
}

TEST_F(SharedFolderFileTest, ItsOwnFileIsRecordedRewrittenAndRemoved)
{
    const QString name = inFolder("film.SUB");
    EXPECT_EQ(ExamineSharedName(name), SharedName::Free);
    {
        SharedFolderFile file(name);
        ASSERT_EQ(file.write("first"), NoIOError);
        EXPECT_EQ(ExamineSharedName(name), SharedName::PlainFile);
        ASSERT_EQ(records().size(), 1);
        EXPECT_TRUE(records()[0].startsWith(QStringLiteral("Cuefold-%1-").arg(QCoreApplication::applicationPid())));
        ASSERT_EQ(file.write("second"), NoIOError);
        EXPECT_EQ(FileBytes(name), "second");
        EXPECT_EQ(records().size(), 1);
    }
    EXPECT_FALSE(QFileInfo::exists(name));
    EXPECT_TRUE(records().isEmpty());

    // A file someone else put in its place is theirs: it stays.
    SharedFolderFile file(name);
    ASSERT_EQ(file.write("mine"), NoIOError);
    ASSERT_TRUE(QFile::remove(name));
    WriteBytes(name, "theirs");
    file.remove();
    EXPECT_EQ(FileBytes(name), "theirs");
}

TEST_F(SharedFolderFileTest, WhatAKilledRunLeftIsRemovedWhenTheFolderIsFound)
{
    // Each child writes a file and ends without cleaning up, as if killed.
    const auto leaveBehind = [](const QString &name) {
        return RunInChild([&] { return (new SharedFolderFile(name))->write("{1}{1}25\r\n"); });
    };
    ASSERT_EQ(leaveBehind(inFolder("film.SUB")), NoIOError);
    ASSERT_EQ(leaveBehind(inFolder("other.SUB")), NoIOError);
    ASSERT_EQ(records().size(), 2);
    // Someone replaced one of them since: it is no longer the program's own.
    ASSERT_TRUE(QFile::remove(inFolder("other.SUB")));
    WriteBytes(inFolder("other.SUB"), "theirs");
    WriteBytes(inFolder("unrecorded.SUB"), "x");

    SubtitleFilterSettings settings = ProgramSettings().SubtitleFilter;
    settings.SubPath = folder();
    ASSERT_TRUE(DetectFilter(settings).FilterFolderFound);
    EXPECT_FALSE(QFileInfo::exists(inFolder("film.SUB")));
    EXPECT_EQ(FileBytes(inFolder("other.SUB")), "theirs");
    EXPECT_TRUE(QFileInfo::exists(inFolder("unrecorded.SUB")));
    EXPECT_TRUE(records().isEmpty());
}

} // namespace

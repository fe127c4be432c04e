#include "child_process.h"
#include "document/io_error.h"
#include "document/safe_write.h"
#include "document/writer.h"
#include "io_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

constexpr uid_t Nobody = 65534;

class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QByteArray native(const char *name) const { return QFile::encodeName(path(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
    void clear() const
    {
        for (const QString &name : files())
            QFile::remove(dir.filePath(name));
    }

    QTemporaryDir dir;
};

struct stat StatOf(const QString &path)
{
    struct stat info {};
    stat(QFile::encodeName(path).constData(), &info);
    return info;
}

TEST_F(SafeSaveTest, FileWithoutItsOwnersWriteBitIsRefusedEvenForRoot)
{
    const QString target = path("film.sub");
    for (mode_t mode : {0444, 0464, 0466}) {
        for (bool backups : {false, true}) {
            WriteBytes(target, "old");
            chmod(native("film.sub"), mode);
            const SaveResult saved = SaveSubtitleFile(target, "new", backups);
            EXPECT_TRUE(saved.Backup.ok());
            EXPECT_EQ(saved.IOCode, AccessDeniedCode) << mode << backups;
            EXPECT_EQ(FileBytes(target), "old");
            EXPECT_EQ(StatOf(target).st_mode & 07777, mode);
            EXPECT_EQ(files(), QStringList{"film.sub"});
            clear();
        }
    }
}

TEST_F(SafeSaveTest, AnotherUsersFileOrAFolderWithoutRoomIsRefused)
{
    const QByteArray folder = QFile::encodeName(dir.path());
    chmod(folder.constData(), 0755); // nobody cannot make a file here...
    ASSERT_TRUE(QDir(dir.path()).mkdir("open"));
    chmod(native("open").constData(), 0777); // ...but can here
    WriteBytes(path("own.sub"), "nobody's");
    ASSERT_EQ(chown(native("own.sub").constData(), Nobody, Nobody), 0);
    WriteBytes(path("open/root.sub"), "root's");
    // Root's file by its bits; nobody's own file because no temporary file
    // can be made beside it, rather than writing it in place.
    for (const char *name : {"open/root.sub", "own.sub"}) {
        for (bool backups : {false, true}) {
            EXPECT_EQ(RunInChild([&] {
                return BecomeNobodyIn(folder.constData())
                           ? SaveSubtitleFile(QString::fromLatin1(name), QByteArray(64 * 1024, 'x'), backups).IOCode
                           : ChildDied;
            }), AccessDeniedCode) << name << backups;
        }
    }
    EXPECT_EQ(FileBytes(path("own.sub")), "nobody's");
    EXPECT_EQ(FileBytes(path("open/root.sub")), "root's");
    EXPECT_EQ(files(), QStringList{"own.sub"});
    EXPECT_EQ(QDir(path("open")).entryList(QDir::Files | QDir::Hidden), QStringList{"root.sub"});
    chmod(folder.constData(), 0700);
}

TEST_F(SafeSaveTest, FileSizeLimitIsAFullDiskAndKeepsTheOldFile)
{
    const QString target = path("film.sub");
    for (bool backups : {false, true}) {
        WriteBytes(target, "old contents\r\n");
        const int code = RunInChild([&] {
            LimitFileSize(1024);
            return SaveSubtitleFile(target, QByteArray(64 * 1024, 'x'), backups).IOCode;
        });
        EXPECT_EQ(code, DiskFullCode);
        EXPECT_EQ(FileBytes(target), "old contents\r\n");
        EXPECT_EQ(files(), QStringList{"film.sub"});
    }
}

// In a child: a mount namespace of its own with a 64 KiB file system at
// `folder`. False where the system does not allow it.
bool MountSmallFileSystem(const char *folder)
{
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
           && mount("tmpfs", folder, "tmpfs", 0, "size=64k") == 0;
}

TEST_F(SafeSaveTest, FullFileSystemIsAFullDiskAndKeepsTheOldFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("small"));
    const QString target = path("small/film.sub");
    const int outcome = RunInChild([&] {
        if (!MountSmallFileSystem(native("small").constData()))
            return ChildDied;
        WriteBytes(target, "old");
        const int code = SaveSubtitleFile(target, QByteArray(256 * 1024, 'x'), true).IOCode;
        const bool kept = FileBytes(target) == "old" && QDir(path("small")).entryList(QDir::Files | QDir::Hidden).size() == 1;
        return kept ? code : -1;
    });
    if (outcome == ChildDied)
        GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(outcome, DiskFullCode);
}

TEST(SafeSaveDevice, DeviceIsWrittenDirectlyAndNeverBackedUp)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(SaveSubtitleFile("/dev/full", "{1}{1}\r\n", true).IOCode, DiskFullCode);
    EXPECT_TRUE(S_ISCHR(StatOf("/dev/full").st_mode));
    EXPECT_FALSE(QFileInfo::exists("/dev/full.BAK.0"));
}

TEST_F(SafeSaveTest, SymbolicLinksAreFollowedAndKept)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    WriteBytes(path("real/film.sub"), "old");
    ASSERT_EQ(symlink("real/film.sub", native("film.sub").constData()), 0);
    ASSERT_EQ(symlink("film.sub", native("second.sub").constData()), 0); // a link to the link
    for (const char *name : {"film.sub", "second.sub"}) {
        const SaveResult saved = SaveSubtitleFile(path(name), QByteArray("new ") + name, true);
        ASSERT_TRUE(saved.ok()) << name;
        EXPECT_TRUE(QFileInfo(path(name)).isSymLink());
        EXPECT_EQ(FileBytes(path("real/film.sub")), QByteArray("new ") + name);
    }
    EXPECT_EQ(FileBytes(path("real/film.BAK.0")), "old");
    EXPECT_EQ(FileBytes(path("real/film.BAK.1")), "new film.sub");
    EXPECT_EQ(files(), (QStringList{"film.sub", "second.sub"})); // no backup beside the links

    // A link that leads nowhere yet: the file is made where it points.
    ASSERT_EQ(symlink("real/made.sub", native("made.sub").constData()), 0);
    EXPECT_TRUE(SaveSubtitleFile(path("made.sub"), "made", true).ok());
    EXPECT_TRUE(QFileInfo(path("made.sub")).isSymLink());
    EXPECT_EQ(FileBytes(path("real/made.sub")), "made");

    ASSERT_EQ(symlink("loop.sub", native("loop.sub").constData()), 0);
    EXPECT_NE(SaveSubtitleFile(path("loop.sub"), "x", true).IOCode, NoIOError);
    EXPECT_TRUE(QFileInfo(path("loop.sub")).isSymLink());
}

// Someone else's link in a folder others may write to could send the save
// anywhere; the writer's own links, and links in private folders, are followed.
TEST_F(SafeSaveTest, ALinkPlantedInASharedFolderIsNotFollowed)
{
    WriteBytes(path("outside.sub"), "keep me");
    for (const char *folder : {"shared", "private"}) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
        chmod(native(folder), strcmp(folder, "shared") == 0 ? 0777 : 0755);
    }
    ASSERT_EQ(symlink("../outside.sub", native("shared/film.sub").constData()), 0);
    ASSERT_EQ(lchown(native("shared/film.sub").constData(), Nobody, Nobody), 0);
    EXPECT_EQ(SaveSubtitleFile(path("shared/film.sub"), "new", true).IOCode, AccessDeniedCode);
    EXPECT_EQ(FileBytes(path("outside.sub")), "keep me");
    EXPECT_TRUE(QFileInfo(path("shared/film.sub")).isSymLink());

    ASSERT_EQ(symlink("../outside.sub", native("private/film.sub").constData()), 0);
    ASSERT_EQ(lchown(native("private/film.sub").constData(), Nobody, Nobody), 0);
    ASSERT_EQ(symlink("../outside.sub", native("shared/mine.sub").constData()), 0);
    for (const char *link : {"private/film.sub", "shared/mine.sub"}) {
        EXPECT_TRUE(SaveSubtitleFile(path(link), link, false).ok()) << link;
        EXPECT_EQ(FileBytes(path("outside.sub")), link);
    }
}

// The program's own file in such a folder: a new name only, never a link.
TEST_F(SafeSaveTest, ExclusiveCreationTakesOnlyAFreeName)
{
    WriteBytes(path("outside.sub"), "keep me");
    ASSERT_EQ(symlink("outside.sub", native("link.sub").constData()), 0);
    ASSERT_EQ(symlink("nowhere.sub", native("dangling.sub").constData()), 0);
    for (const char *taken : {"outside.sub", "link.sub", "dangling.sub"})
        EXPECT_NE(CreateExclusively(path(taken), "new"), NoIOError) << taken;
    EXPECT_EQ(FileBytes(path("outside.sub")), "keep me");
    EXPECT_FALSE(QFileInfo::exists(path("nowhere.sub")));

    struct stat created {};
    ASSERT_EQ(CreateExclusively(path("own.sub"), "mine", &created), NoIOError);
    EXPECT_EQ(FileBytes(path("own.sub")), "mine");
    EXPECT_EQ(created.st_ino, StatOf(path("own.sub")).st_ino);
    EXPECT_EQ(created.st_size, 4);
}

TEST_F(SafeSaveTest, NewFileKeepsTheOldModeAndOwner)
{
    const QString target = path("film.sub");
    for (bool backups : {false, true}) {
        WriteBytes(target, "old");
        chmod(native("film.sub"), 0600);
        ASSERT_EQ(chown(native("film.sub"), Nobody, Nobody), 0);
        ASSERT_TRUE(SaveSubtitleFile(target, "new", backups).ok());
        const struct stat info = StatOf(target);
        EXPECT_EQ(info.st_mode & 07777, 0600u) << backups;
        EXPECT_EQ(info.st_uid, Nobody);
        EXPECT_EQ(info.st_gid, Nobody);
        EXPECT_EQ(FileBytes(target), "new");
    }
    // A file new to its folder gets what the umask leaves.
    const mode_t mask = umask(027);
    ASSERT_TRUE(SaveSubtitleFile(path("fresh.sub"), "x", true).ok());
    umask(mask);
    EXPECT_EQ(StatOf(path("fresh.sub")).st_mode & 07777, 0640u);
}

// Subtitle file number `version`: 2500 subtitles, the version in each.
QByteArray Version(int version)
{
    const QByteArray v = QByteArray::number(version);
    QByteArray out = "{1}{1}25\r\n{10}{20}version " + v + "\r\n";
    for (int i = 3; i <= Document::Capacity; ++i)
        out += '{' + QByteArray::number(i * 100) + "}{" + QByteArray::number(i * 100 + 50) + "}}Titulek " + v
               + "|druh\xFD \xF8\xE1" "dek\r\n";
    return out;
}

// The bytes are one of the versions, whole.
bool IsWholeVersion(const QByteArray &bytes)
{
    const qsizetype start = bytes.indexOf("version ");
    const qsizetype end = bytes.indexOf('\r', start);
    bool ok = false;
    const int version = start < 0 ? -1 : bytes.mid(start + 8, end - start - 8).toInt(&ok);
    return ok && bytes == Version(version);
}

TEST_F(SafeSaveTest, KilledAtAnyMomentLeavesTheOldOrTheNewContents)
{
    const QString target = path("film.sub");
    std::mt19937 rng(2500);
    std::uniform_int_distribution<int> delayMicroseconds(0, 25000);
    for (int round = 0; round < 40; ++round) {
        WriteBytes(target, Version(0));
        const pid_t saver = fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            for (int version = 1;; ++version)
                SaveSubtitleFile(target, Version(version), round % 4 != 3);
        }
        usleep(useconds_t(delayMicroseconds(rng)));
        kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);

        if (!IsWholeVersion(FileBytes(target))) {
            // Only a missing target is allowed, with the newest backup whole.
            EXPECT_FALSE(QFileInfo::exists(target)) << "round " << round;
            int newest = 0;
            while (QFileInfo::exists(path("film.BAK.") + QString::number(newest + 1)))
                ++newest;
            EXPECT_TRUE(IsWholeVersion(FileBytes(path("film.BAK.") + QString::number(newest)))) << "round " << round;
        }
        clear();
    }
}

} // namespace

#include "document/file_name.h"
#include "document/recovery_copy.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace cuefold;

namespace {

class RecoveryCopyTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString folder() const { return dir.filePath(QStringLiteral("state/cuefold/recovery")); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files); }
    static RecoveryRecord record(const QByteArray &bytes)
    {
        return {FileNameFromBytes("/films/f\xE9lm.sub"), 23.976, 7, bytes};
    }
    static int mode(const QString &path)
    {
        struct stat info;
        return stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
    }

    QTemporaryDir dir;
};

TEST(RecoveryRecord, KeepsNameBytesFrameRateCurrentAndBytes)
{
    const RecoveryRecord in{FileNameFromBytes("/films/f\xE9lm.sub"), 23.976, 42, "{1}{1}23.976\r\n\n\n{2}{3}a\r\n"};
    const std::optional<RecoveryRecord> out = ParseRecoveryRecord(FormatRecoveryRecord(in));
    ASSERT_TRUE(out);
    EXPECT_EQ(FileNameBytes(out->path), QByteArray("/films/f\xE9lm.sub"));
    EXPECT_EQ(out->fps, 23.976);
    EXPECT_EQ(out->current, 42);
    EXPECT_EQ(out->bytes, in.bytes);
    // A document never saved has no name; a copy cut short is no copy.
    EXPECT_TRUE(ParseRecoveryRecord(FormatRecoveryRecord({QString(), -1, 1, {}})));
    const QByteArray whole = FormatRecoveryRecord(in);
    EXPECT_FALSE(ParseRecoveryRecord(whole.left(whole.indexOf("\n\n"))));
    EXPECT_FALSE(ParseRecoveryRecord({}));
}

TEST(RecoveryRecord, FolderFollowsTheStateHome)
{
    const QByteArray state = qgetenv("XDG_STATE_HOME"), home = qgetenv("HOME");
    qputenv("XDG_STATE_HOME", "/somewhere/state");
    EXPECT_EQ(RecoveryFolder(), QStringLiteral("/somewhere/state/cuefold/recovery"));
    qputenv("XDG_STATE_HOME", "relative");
    qputenv("HOME", "/home/x");
    EXPECT_EQ(RecoveryFolder(), QStringLiteral("/home/x/.local/state/cuefold/recovery"));
    qputenv("XDG_STATE_HOME", state);
    qputenv("HOME", home);
}

TEST_F(RecoveryCopyTest, IsPrivateAndGoesWithASaveOrACleanExit)
{
    RecoveryCopy own(folder());
    ASSERT_EQ(own.write(record("one")), 0);
    ASSERT_EQ(own.write(record("two")), 0);
    EXPECT_EQ(mode(folder()), 0700);
    EXPECT_EQ(mode(own.path()), 0600);
    own.remove();
    EXPECT_FALSE(QFile::exists(own.path()));
    ASSERT_EQ(own.write(record("three")), 0);
    EXPECT_EQ(mode(own.path()), 0600);
    own.release();
    EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
}

TEST_F(RecoveryCopyTest, OnlyCopiesNoProgramHoldsAreOffered)
{
    // Locks are per open file, so two copies in one process behave as the
    // copies of two programs.
    RecoveryCopy running(folder());
    ASSERT_EQ(running.write(record("running")), 0);
    {
        RecoveryCopy killed(folder());
        ASSERT_EQ(killed.write(record("killed")), 0);
    } // the lock closes as it would when the process dies
    auto found = OrphanedCopy::find(folder());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->record().bytes, QByteArray("killed"));
    EXPECT_EQ(found[0]->record().current, 7);
    // While one program holds the orphan, another does not offer it too.
    EXPECT_TRUE(OrphanedCopy::find(folder()).empty());
    found[0]->discard();
    found.clear();
    EXPECT_TRUE(OrphanedCopy::find(folder()).empty());
    EXPECT_TRUE(QFile::exists(running.path()));
    running.release();
    EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
}

TEST_F(RecoveryCopyTest, ADeclinedCopyIsOfferedOnceMoreAndLeftoversGo)
{
    {
        RecoveryCopy killed(folder());
        ASSERT_EQ(killed.write(record("killed")), 0);
    }
    // A copy that never got its contents, and a lone lock.
    ASSERT_TRUE(QFile(folder() + QStringLiteral("/1-a.copy")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile(folder() + QStringLiteral("/2-b.lock")).open(QIODevice::WriteOnly));
    for (int start = 1; start <= 2; ++start) {
        auto found = OrphanedCopy::find(folder());
        ASSERT_EQ(found.size(), 1u) << start;
        found[0]->decline();
    }
    EXPECT_TRUE(OrphanedCopy::find(folder()).empty());
    EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
}

} // namespace

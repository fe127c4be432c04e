#include "player/subtitle_file_lookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

// A scratch tree: movies/ holds the movie, subs1/ and subs2/ are search
// folders; every file is created empty.
class SubtitleFileLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char *folder : {"movies", "subs1", "subs2"})
            ASSERT_TRUE(QDir(root.path()).mkdir(folder));
        touch("movies/film.avi");
    }

    void touch(const QString &relative)
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString path(const QString &relative) const { return root.filePath(relative); }
    QString find(const QString &subPath) const { return FindFilterSubtitleFile(path("movies/film.avi"), subPath); }
    QString searchPath() const { return path("subs1") + ";" + path("subs2"); }

    QTemporaryDir root;
};

} // namespace

TEST_F(SubtitleFileLookupTest, NothingFoundGivesEmpty)
{
    EXPECT_TRUE(find(searchPath()).isEmpty());
}

TEST_F(SubtitleFileLookupTest, BesideTheMovieWhenSearchFoldersHaveNothing)
{
    touch("movies/film.sub");
    EXPECT_EQ(find(searchPath()), path("movies/film.sub"));
    EXPECT_EQ(find(QString()), path("movies/film.sub"));
}

TEST_F(SubtitleFileLookupTest, SearchFoldersComeBeforeTheMovieFolderInTheirOrder)
{
    touch("movies/film.sub");
    touch("subs2/film.sub");
    EXPECT_EQ(find(searchPath()), path("subs2/film.sub"));
    touch("subs1/film.txt");
    EXPECT_EQ(find(searchPath()), path("subs1/film.txt"));
}

TEST_F(SubtitleFileLookupTest, SubWinsOverTxtInOneFolder)
{
    touch("subs1/film.txt");
    touch("subs1/film.sub");
    EXPECT_EQ(find(searchPath()), path("subs1/film.sub"));
}

TEST_F(SubtitleFileLookupTest, LetterCaseOfTheWholeNameIsIgnored)
{
    touch("subs1/FILM.SUB");
    EXPECT_EQ(find(searchPath()), path("subs1/FILM.SUB"));
}

TEST_F(SubtitleFileLookupTest, ExactSpellingWinsOverOtherCases)
{
    touch("movies/FILM.sub");
    touch("movies/film.sub");
    EXPECT_EQ(find(QString()), path("movies/film.sub"));
}

TEST_F(SubtitleFileLookupTest, OnlyTheLastExtensionOfTheMovieIsReplaced)
{
    touch("movies/film.cz.avi");
    touch("movies/film.cz.sub");
    touch("movies/film.sub");
    EXPECT_EQ(FindFilterSubtitleFile(path("movies/film.cz.avi"), QString()), path("movies/film.cz.sub"));
}

TEST_F(SubtitleFileLookupTest, OtherNamesAndFoldersNamedLikeSubtitlesAreNotTaken)
{
    touch("subs1/film2.sub");
    touch("subs1/film.srt");
    ASSERT_TRUE(QDir(path("subs2")).mkdir("film.sub"));
    EXPECT_TRUE(find(searchPath()).isEmpty());
}

TEST(FilterSearchFolders, KeepsAbsoluteEntriesInOrderAndSkipsBlankAndRelativeOnes)
{
    struct Case {
        QString subPath;
        QStringList expected;
    };
    const Case cases[] = {
        {"", {}},
        {"/a", {"/a"}},
        {"/a;/b/c", {"/a", "/b/c"}},
        {" /a ;;subs;/b;", {"/a", "/b"}},
        {"subs;../x", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FilterSearchFolders(c.subPath), c.expected) << c.subPath.toStdString();
}

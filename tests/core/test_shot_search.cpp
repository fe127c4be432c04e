#include "generated_movie.h"
#include "media/media_functions.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

using namespace cuefold;

namespace {

struct Search {
    std::vector<int> cuts;
    double lastDone = 0;
    int stopAfterCalls = -1; // -1: never stop
};

bool Progress(void *opaque, double done)
{
    auto *search = static_cast<Search *>(opaque);
    EXPECT_GE(done, search->lastDone);
    search->lastDone = done;
    return search->stopAfterCalls < 0 || search->stopAfterCalls-- > 0;
}

ShotSearch HowOf(Search &search)
{
    return {10, [](void *o, int frame) { static_cast<Search *>(o)->cuts.push_back(frame); }, Progress, &search};
}

ShotSearchEnd RunSearch(const QString &movie, Search &search)
{
    const ShotSearch how = HowOf(search);
    return MovieShotChanges(QFile::encodeName(movie).constData(), &how);
}

} // namespace

TEST(ShotSearch, FindsHardCutsOnTheirFramesAtBothRates)
{
    QTemporaryDir dir;
    const QList<int> truth{30, 47, 90, 161};
    for (const QString &rate : {QStringLiteral("25"), QStringLiteral("24000/1001")}) {
        const QString movie = dir.filePath(QStringLiteral("cuts.mp4"));
        ASSERT_TRUE(cuefold::testing::MakeCutMovie(movie, truth, 200, rate));
        Search search;
        ASSERT_EQ(RunSearch(movie, search), ShotSearchEnd::Done);
        ASSERT_EQ(search.cuts.size(), std::size_t(truth.size())) << rate.toStdString();
        for (int i = 0; i < truth.size(); ++i)
            EXPECT_NEAR(search.cuts[i], truth[i], 1) << rate.toStdString();
        EXPECT_GT(search.lastDone, 0.9);
    }
}

TEST(ShotSearch, StopsWhenProgressSaysSoAndFailsOnNoMovie)
{
    QTemporaryDir dir;
    const QString movie = dir.filePath(QStringLiteral("cuts.mp4"));
    ASSERT_TRUE(cuefold::testing::MakeCutMovie(movie, {30, 60}, 100));
    Search search;
    search.stopAfterCalls = 10;
    EXPECT_EQ(RunSearch(movie, search), ShotSearchEnd::Stopped);
    EXPECT_TRUE(search.cuts.empty());

    const QString text = dir.filePath(QStringLiteral("not-a-movie.mp4"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no pictures here");
    file.close();
    EXPECT_EQ(RunSearch(text, search), ShotSearchEnd::Failed);
    const ShotSearch how = HowOf(search);
    EXPECT_EQ(MovieKeyFrames(QFile::encodeName(text).constData(), &how), ShotSearchEnd::Failed);
}

TEST(ShotSearch, KeyFramesComeFromTheContainerAlone)
{
    QTemporaryDir dir;
    const QString movie = dir.filePath(QStringLiteral("keys.mkv"));
    ASSERT_TRUE(cuefold::testing::MakeCutMovie(movie, {50}, 130, QStringLiteral("30000/1001"), 40));
    Search search;
    const ShotSearch how = HowOf(search);
    ASSERT_EQ(MovieKeyFrames(QFile::encodeName(movie).constData(), &how), ShotSearchEnd::Done);
    EXPECT_EQ(search.cuts, (std::vector<int>{0, 40, 80, 120}));
    search.lastDone = 0;
    search.stopAfterCalls = 1;
    EXPECT_EQ(MovieKeyFrames(QFile::encodeName(movie).constData(), &how), ShotSearchEnd::Stopped);
}

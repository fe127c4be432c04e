#include "player/analysis_cache.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

void writeMovie(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(AnalysisCache, KeepsAResultOnlyForTheMovieAsItWas)
{
    QTemporaryDir dir;
    const QString movie = dir.filePath(QStringLiteral("film.mkv"));
    writeMovie(movie, "picture");
    EXPECT_FALSE(AnalysisCache::read(movie, "peaks"));
    ASSERT_TRUE(AnalysisCache::write(movie, "peaks", QByteArray("\0\1\2", 3)));
    EXPECT_EQ(AnalysisCache::read(movie, "peaks"), QByteArray("\0\1\2", 3));
    EXPECT_FALSE(AnalysisCache::read(movie, "shots")) << "each kind is its own entry";

    // The same path with other contents, or only another time, is another movie.
    writeMovie(movie, "another picture");
    EXPECT_FALSE(AnalysisCache::read(movie, "peaks"));
    ASSERT_TRUE(AnalysisCache::write(movie, "peaks", "new"));
    QFile file(movie);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_FALSE(AnalysisCache::read(movie, "peaks"));

    // An entry that is not ours (a cut-off or foreign file) is no result.
    ASSERT_TRUE(AnalysisCache::write(movie, "peaks", "whole"));
    QFile entry(AnalysisCache::entryFile(movie, "peaks"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("cuefold-anal");
    entry.close();
    EXPECT_FALSE(AnalysisCache::read(movie, "peaks"));
    EXPECT_FALSE(AnalysisCache::write(dir.filePath(QStringLiteral("missing.mkv")), "peaks", "x"));
}

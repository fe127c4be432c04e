#include "generated_movie.h"
#include "player/MediaPlayer.h"
#include "player/preview_script.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

const QString SampleMovie = QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi");
constexpr int WaitMs = 10000;

// The bundled movie on a real mpv core without picture or sound, opened
// paused at frame 0. The picture size comes a moment after the loading, once
// mpv has decoded the first frame.
class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        player.SetAutoStart(false);
        player.SetFileName(SampleMovie);
        ASSERT_TRUE(QTest::qWaitFor([&] { return player.isLoaded() && player.pictureSize().isValid(); }, WaitMs));
    }

    void seekTo(double frame)
    {
        player.SetCurrentPosition(frame);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isSeeking(); }, WaitMs)) << "seek to " << frame;
    }

    // The player's copy of a subtitle file as the editor writes it
    // (windows-1250, CR LF), timed by the movie's frame rate.
    void writeSubtitles(const QString &path, const QByteArray &lines)
    {
        QFile file(path + QStringLiteral(".sub"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines);
        file.close();
        ASSERT_EQ(WritePreviewCopy(file.fileName(), path, player.frameRate()), 0);
    }

    // mpv hands a freshly added track its packets on its own thread, so the
    // text may follow the end of the seek by a moment.
    bool showsSubtitle(const QString &text)
    {
        return QTest::qWaitFor([&] { return player.subtitleText() == text; }, WaitMs);
    }

    MediaPlayer player{MediaPlayer::Output::Headless};
};

} // namespace

TEST_F(MediaPlayerTest, ReportsTheMovieInFrames)
{
    EXPECT_DOUBLE_EQ(player.frameRate(), 25);
    EXPECT_EQ(player.Duration(), 750);
    EXPECT_EQ(player.pictureSize(), QSize(352, 288));
    EXPECT_EQ(player.FileName(), SampleMovie);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    EXPECT_EQ(player.CurrentPosition(), 0);
}

TEST_F(MediaPlayerTest, SeekReadsBackTheTargetAtOnceAndAfterwards)
{
    for (double frame : {100.0, 1.0, 613.0, 0.0, 749.0}) {
        player.SetCurrentPosition(frame);
        EXPECT_EQ(player.CurrentPosition(), frame) << "while seeking";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isSeeking(); }, WaitMs));
        EXPECT_EQ(player.CurrentPosition(), frame) << "after seeking";
    }
}

TEST_F(MediaPlayerTest, NegativePositionSeeksToTheStart)
{
    seekTo(300);
    seekTo(-1);
    EXPECT_EQ(player.CurrentPosition(), 0);
}

TEST_F(MediaPlayerTest, SeekTellsOldAndNewPosition)
{
    seekTo(100);
    QSignalSpy spy(&player, &MediaPlayer::PositionChange);
    player.SetCurrentPosition(40);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toDouble(), 100);
    EXPECT_EQ(spy[0][1].toDouble(), 40);
}

TEST_F(MediaPlayerTest, PlayingAdvancesAndPauseHolds)
{
    seekTo(100);
    player.Play();
    EXPECT_EQ(player.PlayState(), MediaPlayer::Playing);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.CurrentPosition() > 110; }, WaitMs));
    player.Pause();
    EXPECT_EQ(player.PlayState(), MediaPlayer::Paused);
    const double pausedAt = player.CurrentPosition();
    EXPECT_GT(pausedAt, 110);
    EXPECT_LT(pausedAt, 750);
}

TEST_F(MediaPlayerTest, StopKeepsTheMovieOpenAndPlayResumes)
{
    player.Play();
    player.Stop();
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    EXPECT_TRUE(player.isLoaded());
    EXPECT_EQ(player.Duration(), 750);
    player.Play();
    EXPECT_EQ(player.PlayState(), MediaPlayer::Playing);
}

TEST_F(MediaPlayerTest, ReachingTheEndStopsAndAutoRewindGoesBackToTheStart)
{
    player.SetAutoRewind(true);
    QSignalSpy ended(&player, &MediaPlayer::endOfStream);
    seekTo(740);
    player.Play();
    ASSERT_TRUE(ended.wait(WaitMs));
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isSeeking(); }, WaitMs));
    EXPECT_EQ(player.CurrentPosition(), 0);
}

TEST_F(MediaPlayerTest, ClosingForgetsTheMovie)
{
    player.SetFileName(QString());
    EXPECT_FALSE(player.isLoaded());
    EXPECT_EQ(player.Duration(), 0);
    EXPECT_EQ(player.CurrentPosition(), 0);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    player.Play();
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
}

TEST_F(MediaPlayerTest, SeekGivenWhileOpeningIsCarriedOutOnLoad)
{
    player.SetFileName(SampleMovie);
    player.SetCurrentPosition(200);
    EXPECT_EQ(player.CurrentPosition(), 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.isLoaded() && !player.isSeeking(); }, WaitMs));
    EXPECT_EQ(player.CurrentPosition(), 200);
}

TEST_F(MediaPlayerTest, DisplaySizeScalesThePicture)
{
    QSignalSpy resized(&player, &MediaPlayer::videoSizeChanged);
    player.SetDisplaySize(MediaPlayer::HalfSize);
    EXPECT_EQ(player.videoSize(), QSize(176, 144));
    player.SetDisplaySize(MediaPlayer::DoubleSize);
    EXPECT_EQ(player.videoSize(), QSize(704, 576));
    player.SetDisplaySize(7);
    EXPECT_EQ(player.DisplaySize(), MediaPlayer::DoubleSize);
    player.SetDisplaySize(MediaPlayer::NormalSize);
    EXPECT_EQ(player.videoSize(), QSize(352, 288));
    EXPECT_EQ(resized.count(), 3);
    EXPECT_EQ(resized.last()[0].toSize(), QSize(352, 288));
}

TEST_F(MediaPlayerTest, ShowsTheSubtitleOfTheCurrentFrame)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ukazka.ass");
    writeSubtitles(path, "{1}{1}25\r\n{100}{150}Ahoj|sv\xEC" "te\r\n{200}{250}Druh\xFD\r\n");
    player.showSubtitleFile(path);
    seekTo(120);
    EXPECT_TRUE(showsSubtitle(QString::fromUtf8("Ahoj\nsvěte"))) << player.subtitleText().toStdString();
    seekTo(175);
    EXPECT_EQ(player.subtitleText(), QString());
    seekTo(220);
    EXPECT_TRUE(showsSubtitle(QString::fromUtf8("Druhý"))) << player.subtitleText().toStdString();
}

TEST_F(MediaPlayerTest, ShowingTheSameFileAgainRereadsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ukazka.ass");
    writeSubtitles(path, "{1}{1}25\r\n{100}{150}P\xF8" "ed\r\n{200}{250}Konec\r\n");
    player.showSubtitleFile(path);
    seekTo(120);
    ASSERT_TRUE(showsSubtitle(QString::fromUtf8("Před"))) << player.subtitleText().toStdString();
    writeSubtitles(path, "{1}{1}25\r\n{100}{150}Po \xFAprav\xEC\r\n{200}{250}Konec\r\n");
    player.showSubtitleFile(path);
    EXPECT_TRUE(showsSubtitle(QString::fromUtf8("Po úpravě"))) << player.subtitleText().toStdString();
}

TEST_F(MediaPlayerTest, OpeningAnotherMovieDropsItsSubtitles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ukazka.ass");
    writeSubtitles(path, "{1}{1}25\r\n{100}{150}Text\r\n{200}{250}Konec\r\n");
    player.showSubtitleFile(path);
    seekTo(120);
    ASSERT_TRUE(showsSubtitle(QStringLiteral("Text")));
    player.SetFileName(SampleMovie);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.isLoaded(); }, WaitMs));
    seekTo(120);
    EXPECT_EQ(player.subtitleText(), QString());
}

// Generated movies at 25 and 23.976 frames a second, in a container that
// stores time stamps in milliseconds: a subtitle is on its first and its
// last frame and off the frames around them, also when the file holds
// nothing but the frame-rate line and that one subtitle.
TEST_F(MediaPlayerTest, SubtitleIsShownOnExactlyItsFramesAt25And23976)
{
    QTemporaryDir dir;
    for (const QString &rate : {QStringLiteral("25"), QStringLiteral("24000/1001")}) {
        const QString movie = dir.filePath(QStringLiteral("film.mkv"));
        ASSERT_TRUE(cuefold::testing::MakeMovie(movie, rate, 260)) << "ffmpeg";
        player.SetFileName(movie);
        ASSERT_TRUE(QTest::qWaitFor([&] { return player.isLoaded(); }, WaitMs));
        const QString copy = dir.filePath(rate == QLatin1String("25") ? "a.ass" : "b.ass");
        writeSubtitles(copy, "{1}{1}25\r\n{100}{200}Ahoj\r\n");
        player.showSubtitleFile(copy);
        for (const double frame : {100.0, 200.0}) {
            seekTo(frame);
            EXPECT_TRUE(showsSubtitle(QStringLiteral("Ahoj"))) << rate.toStdString() << " frame " << frame;
            EXPECT_EQ(player.CurrentPosition(), frame);
        }
        for (const double frame : {99.0, 201.0}) {
            seekTo(frame);
            EXPECT_EQ(player.subtitleText(), QString()) << rate.toStdString() << " frame " << frame;
        }
    }
}

TEST_F(MediaPlayerTest, HeadlessPlayerHasNoVideoArea)
{
    EXPECT_EQ(player.videoWidget(), nullptr);
}

// Before its first movie a player answers as one without a movie, and what
// needs a movie does nothing.
TEST(MediaPlayerWithoutMovie, AnswersAsNoMovie)
{
    MediaPlayer player(MediaPlayer::Output::Window);
    player.SetFileName(QString());
    player.Play();
    player.SetCurrentPosition(100);
    player.showSubtitleFile(QStringLiteral("ukazka.sub"));
    EXPECT_FALSE(player.isLoaded());
    EXPECT_FALSE(player.isSeeking());
    EXPECT_EQ(player.FileName(), QString());
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    EXPECT_EQ(player.CurrentPosition(), 0);
    EXPECT_EQ(player.Duration(), 0);
    EXPECT_EQ(player.frameRate(), 0);
    EXPECT_FALSE(player.pictureSize().isValid());
    EXPECT_EQ(player.subtitleText(), QString());
    ASSERT_NE(player.videoWidget(), nullptr);
    EXPECT_EQ(player.videoWidget()->size(), QSize(320, 240));
}

// Tests run on the offscreen platform, where Qt shows no OpenGL widgets: the
// window player then offers a plain area that still follows the movie's size.
TEST(MediaPlayerWindow, OffscreenGivesAPlainVideoAreaThatFollowsTheMovie)
{
    MediaPlayer player(MediaPlayer::Output::Window);
    QWidget *area = player.videoWidget();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->size(), QSize(320, 240));
    player.SetAutoStart(false);
    player.SetFileName(SampleMovie);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.isLoaded() && area->size() == QSize(352, 288); }, WaitMs));
    EXPECT_EQ(player.Duration(), 750);
    player.SetDisplaySize(MediaPlayer::HalfSize);
    EXPECT_EQ(area->size(), QSize(176, 144));
}

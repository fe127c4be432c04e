// The player's pure rules: following, resuming, stepping, transport look,
// automation, the movie beside the subtitles and the filter's folder.
#include "config/settings.h"
#include "document/document.h"
#include "document/file_name.h"
#include "document/reader.h"
#include "operations/frame_shift.h"
#include "player/automation.h"
#include "player/follow_search.h"
#include "player/key_position.h"
#include "player/movie_lookup.h"
#include "player/resume_position.h"
#include "player/subtitle_filter.h"
#include "io_test_support.h"
#include "sample_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

using namespace cuefold;
using cuefold::testing::RowsChangedBy;

namespace {

std::unique_ptr<Document> docOf(std::initializer_list<std::pair<double, double>> frames)
{
    auto d = std::make_unique<Document>();
    d->LineCount = 0;
    for (auto [from, last] : frames) {
        TSubLine &l = d->line(++d->LineCount);
        l.From = from;
        l.Last = last;
        l.Text = "text";
    }
    d->CurrentLine = 1;
    return d;
}


TEST(FollowSearch, FindsTheSubtitleUnderOrNextAfterThePosition)
{
    auto d = docOf({{10, 20}, {30, 40}, {50, 60}});
    EXPECT_EQ(FindFollowLine(*d, 1, 15), 1);
    EXPECT_EQ(FindFollowLine(*d, 1, 25), 2);   // in the gap: the next one
    EXPECT_EQ(FindFollowLine(*d, 1, 40), 2);   // the last frame still counts
    EXPECT_EQ(FindFollowLine(*d, 1, 1000), 3); // past the end: the last one
    EXPECT_EQ(FindFollowLine(*d, 3, 15), 3);   // only walks forward
    EXPECT_EQ(FindFollowLine(*d, 99, 15), 3);  // a start beyond counts as the last
    EXPECT_TRUE(IsInsideSubtitle(*d, 2, 30));
    EXPECT_FALSE(IsInsideSubtitle(*d, 2, 25));
}

TEST(FollowSearch, DimmedColourKeepsTheLowSixBitsOfEachByte)
{
    EXPECT_EQ(DimmedColour(0x00FFFF), 0x003F3Fu);
    EXPECT_EQ(DimmedColour(0xC0C0C0), 0u);
}

TEST(ResumePosition, RewindsBySecondsButNeverBelowOne)
{
    EXPECT_EQ(ResumePosition(1000, 25, 5, false, 0), 875);
    EXPECT_EQ(ResumePosition(600, 25, 5, false, 0), 475);
    EXPECT_EQ(ResumePosition(100, 25, 5, false, 0), 1);
}

TEST(ResumePosition, RemoteControlSaveResumesBeforeTheCurrentSubtitle)
{
    EXPECT_EQ(ResumePosition(1200, 25, 5, true, 1100), 1099);
    EXPECT_EQ(ResumePosition(1000, 25, 5, true, 1100), 1000);
}

TEST(StepPosition, ClampsAtTheStartAndTheEnd)
{
    EXPECT_EQ(StepPosition(60, -3 * 25, 750), 0);
    EXPECT_EQ(StepPosition(740, 75, 750), 750);
    EXPECT_EQ(StepPosition(100, -1, 750), 99);
    EXPECT_EQ(StepPosition(0.5, -1, 750), 0);
}

TEST(TransportLook, FollowsThePlayState)
{
    const TransportLook stopped = TransportLookFor(0);
    EXPECT_TRUE(stopped.stopDown && !stopped.pauseButtonEnabled && stopped.buttonsEnabled && !stopped.stopItemEnabled);
    const TransportLook paused = TransportLookFor(1);
    EXPECT_TRUE(paused.pauseDown && paused.pauseButtonEnabled && paused.stopItemEnabled && paused.step1ItemsEnabled);
    const TransportLook playing = TransportLookFor(2);
    EXPECT_TRUE(playing.playDown && !playing.step1ButtonsEnabled && !playing.step1ItemsEnabled);
    const TransportLook none = TransportLookFor(7);
    EXPECT_FALSE(none.buttonsEnabled || none.itemsEnabled || none.playDown || none.stopDown);
}

TEST(Automation, StartIsNeverBeforeGapPlusThree)
{
    EXPECT_EQ(AutomationStart(3, 2), 5);
    EXPECT_EQ(AutomationStart(800, 2), 800);
}

TEST(Automation, PullsThePreviousSubtitleInFrontOfTheNewStart)
{
    auto d = docOf({{1, 1}, {600, 700}, {900, 950}, {2000, 2050}});
    d->CurrentLine = 4;
    AutomationParams params;
    params.SaveAfter = false;
    bool added = true;
    const std::vector<int> rows = RowsChangedBy(*d, [&](Document &doc) { added = PrepareAutomation(doc, 800, params); });
    EXPECT_FALSE(added);
    EXPECT_EQ(d->line(3).From, 703);
    EXPECT_EQ(d->line(3).Last, 797);
    EXPECT_EQ(d->line(2).From, 600); // without saving only the previous one
    EXPECT_EQ(rows, (std::vector<int>{3}));
}

TEST(Automation, WithSaveRepairsFromTheSecondSubtitleSkippingLocked)
{
    auto d = docOf({{-1, -1}, {900, 950}, {910, 960}, {920, 970}, {0, 0}});
    d->line(3).Lock = 1;
    d->CurrentLine = 5;
    AutomationParams params;
    PrepareAutomation(*d, 800, params);
    EXPECT_EQ(d->line(1).From, 1);
    EXPECT_EQ(d->line(1).Last, 1);
    EXPECT_EQ(d->line(2).From, 4); // 2 + 1 + 1
    EXPECT_EQ(d->line(2).Last, 797);
    EXPECT_EQ(d->line(3).From, 910); // locked
    EXPECT_EQ(d->line(4).From, 797); // 2 + 960 + 1 is not before 800
    EXPECT_EQ(d->line(4).Last, 797);
}

TEST(Automation, MovesAnOverlappedNextSubtitleKeepingItsLength)
{
    auto d = docOf({{1, 1}, {0, 0}, {1000, 1040}});
    d->CurrentLine = 2;
    AutomationParams params;
    params.SaveAfter = false;
    // A start close before the next subtitle, with a reading time that ends at 1049.
    while (DwellFrames(d->line(2).Text, 25, params.Rule) < 45)
        d->line(2).Text += 'a';
    const double newFrom = 1050 - DwellFrames(d->line(2).Text, 25, params.Rule);
    ASSERT_GE(newFrom, 998);
    StampAutomation(*d, newFrom, params);
    EXPECT_EQ(d->line(2).Last, 1049);
    EXPECT_EQ(d->line(3).From, 1052);
    EXPECT_EQ(d->line(3).Last, 1092);
}

TEST(Automation, LeavesTheNextSubtitleAloneWhenStartingWellBeforeIt)
{
    auto d = docOf({{1, 1}, {0, 0}, {1000, 1040}});
    d->CurrentLine = 2;
    d->line(2).Text = QByteArray(200, 'a');
    AutomationParams params;
    StampAutomation(*d, 990, params);
    EXPECT_GT(d->line(2).Last, 1000); // overlaps, yet 990 < 998
    EXPECT_EQ(d->line(3).From, 1000);
    EXPECT_EQ(d->line(3).Last, 1040);
}

TEST(Automation, StampsALockedSubtitleAndCascadesWhenSaving)
{
    auto d = docOf({{1, 1}, {0, 0}, {100, 110}, {105, 120}, {130, 140}});
    d->CurrentLine = 2;
    d->line(2).Lock = 1;
    AutomationParams params;
    StampAutomation(*d, 5, params);
    EXPECT_EQ(d->line(2).From, 5);
    const double newLast = d->line(2).Last;
    // Subtitle 3 is not reached, but it already overlaps 4: 4 and on move behind it.
    EXPECT_EQ(d->line(3).From, 100);
    EXPECT_EQ(d->line(4).From, 113);
    EXPECT_EQ(d->line(4).Last, 128);
    EXPECT_EQ(d->line(5).From, 138);
    EXPECT_LT(newLast, 100);
}

TEST(Automation, AFrameRateLineAtTheTopAsksForANewSubtitle)
{
    auto d = docOf({{1, 1}});
    d->line(1).Text = "25";
    d->line(1).Lock = 1;
    AutomationParams params;
    EXPECT_TRUE(PrepareAutomation(*d, 5, params));
    d->line(1).Lock = 0;
    EXPECT_FALSE(PrepareAutomation(*d, 5, params));
}

TEST(FrameShift, MovesUnlockedLinesAndCountsClampedOnce)
{
    auto d = docOf({{5, 20}, {3, 8}, {50, 60}, {70, 80}});
    d->line(3).Lock = 1;
    int outOfRange = 0;
    const std::vector<int> rows = RowsChangedBy(*d, [&](Document &doc) { outOfRange = ShiftLines(doc, 1, -10); });
    EXPECT_EQ(outOfRange, 2);
    EXPECT_EQ(d->line(1).From, 0);
    EXPECT_EQ(d->line(1).Last, 10);
    EXPECT_EQ(d->line(2).Last, 0);
    EXPECT_EQ(d->line(3).From, 50);
    EXPECT_EQ(d->line(4).From, 60);
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 4}));
}

class FilesTest : public ::testing::Test {
protected:
    QString file(const QString &name, const QByteArray &bytes = "x")
    {
        const QString p = dir.filePath(name);
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return p;
    }
    QTemporaryDir dir;
};

TEST_F(FilesTest, FindMoviePrefersAviThenMpgThenMpegThenAsf)
{
    const QString sub = file(QStringLiteral("a/film.sub"));
    EXPECT_TRUE(FindMovie(sub).isEmpty());
    file(QStringLiteral("a/film.asf"));
    EXPECT_EQ(FindMovie(sub), dir.filePath(QStringLiteral("a/film.asf")));
    file(QStringLiteral("a/film.MPG"));
    EXPECT_EQ(FindMovie(sub), dir.filePath(QStringLiteral("a/film.MPG")));
    file(QStringLiteral("a/film.avi"));
    EXPECT_EQ(FindMovie(sub), dir.filePath(QStringLiteral("a/film.avi")));
}

TEST_F(FilesTest, ModernContainersComeAfterTheClassicOnesInTheirOwnOrder)
{
    const QString sub = file(QStringLiteral("b/film.txt"));
    file(QStringLiteral("b/film.WMV"));
    EXPECT_EQ(FindMovie(sub), dir.filePath(QStringLiteral("b/film.WMV")));
    file(QStringLiteral("b/film.mp4"));
    EXPECT_EQ(FindMovie(sub), dir.filePath(QStringLiteral("b/film.mp4")));
    file(QStringLiteral("b/film.Mkv"));
    EXPECT_EQ(FindMovie(sub), dir.filePath(QStringLiteral("b/film.Mkv")));
    file(QStringLiteral("b/film.asf"));
    EXPECT_EQ(FindMovie(sub), dir.filePath(QStringLiteral("b/film.asf")));
}

TEST_F(FilesTest, AMovieWhoseNameIsNotUtf8IsFoundBesideItsSubtitles)
{
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    ASSERT_TRUE(cuefold::testing::WriteRawNamed(folder + "f\xE9lm.sub", "x"));
    ASSERT_TRUE(cuefold::testing::WriteRawNamed(folder + "f\xE9lm.avi", "x"));
    EXPECT_EQ(FileNameBytes(FindMovie(FileNameFromBytes(folder + "f\xE9lm.sub"))), folder + "f\xE9lm.avi");
}

TEST_F(FilesTest, MovieIsLookedForInTheOpenFolderToo)
{
    const QString sub = file(QStringLiteral("a/film.sub"));
    file(QStringLiteral("m/film.avi"));
    EXPECT_EQ(FindMovieForSubtitles(sub, dir.filePath(QStringLiteral("m/"))), dir.filePath(QStringLiteral("m/film.avi")));
    EXPECT_TRUE(FindMovieForSubtitles(sub, dir.filePath(QStringLiteral("a/"))).isEmpty());
    EXPECT_TRUE(FindMovieForSubtitles(sub, QString()).isEmpty());
}

TEST_F(FilesTest, FilterFolderIsTheFirstWritableAbsoluteEntry)
{
    // A folder that cannot be made: its parent is a file.
    const QString blocked = file(QStringLiteral("blocker")) + QStringLiteral("/sub");
    const QString fresh = dir.filePath(QStringLiteral("new/x"));
    SubtitleFilterSettings s = ProgramSettings().SubtitleFilter;
    s.SubPath = QStringLiteral("subs;") + blocked + QLatin1Char(';') + fresh;
    const FilterState state = DetectFilter(s);
    EXPECT_TRUE(state.FilterPresent);
    EXPECT_TRUE(state.FilterFolderFound);
    EXPECT_EQ(state.FilterFolder, fresh + QLatin1Char('/'));
    EXPECT_TRUE(QDir(fresh).exists());
    EXPECT_FALSE(QFile::exists(fresh + QStringLiteral("/$$$$$$$$.tmp")));
}

TEST_F(FilesTest, ProbeNeverTouchesAFileOrLinkOfItsOldName)
{
    const QString outside = file(QStringLiteral("outside.txt"), "keep me");
    const QString planted = file(QStringLiteral("planted/$$$$$$$$.tmp"), "user data");
    const QString linked = dir.filePath(QStringLiteral("linked"));
    ASSERT_TRUE(QDir().mkpath(linked));
    ASSERT_TRUE(QFile::link(outside, linked + QStringLiteral("/$$$$$$$$.tmp")));
    for (const QString &folder : {QFileInfo(planted).absolutePath(), linked}) {
        EXPECT_TRUE(FolderIsWritable(folder));
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"$$$$$$$$.tmp"});
    }
    QFile kept(planted);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "user data");
    QFile target(outside);
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), "keep me");
}

TEST_F(FilesTest, OnlyPreviewFoldersOfEndedProcessesAreRemoved)
{
    // A process that has ended, so its number names no one.
    const pid_t ended = fork();
    if (ended == 0)
        _exit(0);
    waitpid(ended, nullptr, 0);
    const QString gone = QStringLiteral("Cuefold-%1-ab12CD").arg(ended);
    const QString mine = QFileInfo(PreviewFolderTemplate(dir.path())).fileName().replace("XXXXXX", "ef34GH");
    const QStringList kept = {mine, QStringLiteral("Cuefold-1-ij56KL"), QStringLiteral("Cuefold-ab12CD"),
                              QStringLiteral("Cuefold-x-mn78OP"), QStringLiteral("Other-%1-ab12CD").arg(ended)};
    const QString someoneElses = QStringLiteral("Cuefold-%1-qr90ST").arg(ended);
    const QStringList all = kept + QStringList{gone, someoneElses};
    for (const QString &name : all)
        file(name + QStringLiteral("/film.sub"));
    ASSERT_EQ(chown(QFile::encodeName(dir.filePath(someoneElses)).constData(), 65534, 65534), 0);

    EXPECT_EQ(RemoveStalePreviewFolders(dir.path()), 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(gone)));
    for (const QString &name : all) {
        if (name != gone) {
            EXPECT_TRUE(QFileInfo::exists(dir.filePath(name + QStringLiteral("/film.sub")))) << name.toStdString();
        }
    }
    EXPECT_TRUE(mine.startsWith(QStringLiteral("Cuefold-%1-").arg(QCoreApplication::applicationPid())));
}

TEST_F(FilesTest, NoFolderQualifiesFromRelativeEntriesOrAnAbsentFilter)
{
    SubtitleFilterSettings s = ProgramSettings().SubtitleFilter;
    s.SubPath = QStringLiteral("subs;rel/dir");
    EXPECT_FALSE(DetectFilter(s).FilterFolderFound);
    s.SubPath = dir.path();
    s.Present = false;
    const FilterState absent = DetectFilter(s);
    EXPECT_FALSE(absent.FilterPresent || absent.FilterFolderFound || absent.FilterReload);
}

// The picture trails the player while frames queue for drawing: a key
// stamps the drawn frame while it is recent, the position otherwise.
TEST(KeyFrame, TakesTheDrawnFrameWhileItIsRecent)
{
    EXPECT_EQ(KeyFrame(421, 30, 425), 421);
    EXPECT_EQ(KeyFrame(421, DrawnFrameValidMs, 425), 421);
    EXPECT_EQ(KeyFrame(421, DrawnFrameValidMs + 1, 425), 425);
    EXPECT_EQ(KeyFrame(-1, 0, 425), 425);
    EXPECT_TRUE(KeyPositionFresh(0));
    EXPECT_FALSE(KeyPositionFresh(5000));
    EXPECT_FALSE(KeyPositionFresh(-1));
}

// A key stamps the picture on screen at its press: the one drawn last by
// then, its wait told by the window system's 32-bit monotonic timestamp.
TEST(KeyFrame, TakesThePictureOfThePressAfterTheKeysWait)
{
    const std::deque<DrawnFrame> drawn{{1000, 50}, {1040, 51}, {1080, 52}};
    EXPECT_EQ(FrameShownAt(drawn, 1079, 99), 51);
    EXPECT_EQ(FrameShownAt(drawn, 1080, 99), 52);
    EXPECT_EQ(FrameShownAt(drawn, 999, 99), 99);
    EXPECT_EQ(FrameShownAt(drawn, 1080 + DrawnFrameValidMs + 1, 99), 99);
    EXPECT_EQ(FrameShownAt({}, 1000, 99), 99);

    const qint64 now = (qint64(7) << 32) + 500; // the clock past a 32-bit wrap
    EXPECT_EQ(KeyEventWaitMs(quint32(now - 38), now), 38);
    EXPECT_EQ(KeyEventWaitMs(quint64(now) & 0xFFFFFFFFu, now), 0);
    EXPECT_EQ(KeyEventWaitMs(quint32(now + 5), now), 0); // another clock, ahead
    EXPECT_EQ(KeyEventWaitMs(0, now), 0);                // no stamp at all
}

TEST(TimingTestSubtitlePath, NamesTheMovieInTheFilterFolderOnlyWhenOneWasFound)
{
    FilterState filter;
    filter.FilterFolder = QStringLiteral("/f/subs/");
    EXPECT_TRUE(TimingTestSubtitlePath(filter, QStringLiteral("/m/film.cz.mkv")).isEmpty());
    filter.FilterFolderFound = true;
    EXPECT_EQ(TimingTestSubtitlePath(filter, QStringLiteral("/m/film.cz.mkv")), QStringLiteral("/f/subs/film.cz.sub"));
    EXPECT_TRUE(TimingTestSubtitlePath(filter, QString()).isEmpty());
}

} // namespace

// The player integrated with the editor, on real libmpv with the bundled
// movie (no picture or sound on the offscreen platform).
#include "gui_support.h"

#include "config/settings.h"
#include "document/code_page.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"

#include <QAction>
#include <QComboBox>
#include <QSignalSpy>
#include <QTextEdit>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

constexpr int WaitMs = 10000;

// Subtitles with gaps between them; the third is locked.
const QByteArray Film = "{1}{1}25\r\n{100}{150}Prvni\r\n{200}{250}}Zamceno\r\n{300}{700}Treti\r\n";

class PlayerWindowTest : public MainWindowFixture {
protected:
    // Opens the subtitles beside a copy of the sample movie, paused at 0.
    void openFilm(const QByteArray &subtitles = Film)
    {
        start();
        ASSERT_TRUE(QFile::link(QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi"), path("ukazka.avi")));
        WriteAll(path("ukazka.sub"), subtitles);
        player()->SetAutoStart(false);
        form->OpenDocument(path("ukazka.sub"));
        ASSERT_TRUE(form->playerState().MovieLoaded);
        ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded() && player()->pictureSize().isValid(); },
                                    WaitMs));
    }

    MediaPlayer *player() const { return form->player(); }
    QAction *action(const char *name) const { return form->commands().action(name); }

    void seekTo(double frame)
    {
        player()->SetCurrentPosition(frame);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !player()->isSeeking(); }, WaitMs));
    }

    bool previewColourIs(const char *name) const { return form->RTFpreview->styleSheet().contains(QLatin1String(name)); }
};

TEST_F(PlayerWindowTest, OpeningFindsTheMovieBesideAndShowsThePlayer)
{
    openFilm();
    EXPECT_EQ(doc().MovieFileName, path("ukazka.avi"));
    EXPECT_EQ(player()->Duration(), 750);
    EXPECT_TRUE(form->formWMP()->isVisible());
    EXPECT_EQ(form->formWMP()->windowTitle(),
              QStringLiteral("ukazka.avi n\u00E1hled ve Windows Media Player"));
    EXPECT_TRUE(dialogs.empty()); // no movie dialog
}

TEST_F(PlayerWindowTest, ShowingASubtitleSeeksThePlayerWhileSyncIsOn)
{
    openFilm();
    form->ShowLine(3, ShowPlain);
    EXPECT_EQ(player()->CurrentPosition(), 200);
    action("MenuPlayerSync")->trigger(); // off
    form->ShowLine(4, ShowPlain);
    EXPECT_EQ(player()->CurrentPosition(), 200);
    action("MenuPlayerSync")->trigger();
    form->ShowLine(2, ShowNoSeek);
    EXPECT_EQ(player()->CurrentPosition(), 200);
}

TEST_F(PlayerWindowTest, PlayingMakesTheSubtitleUnderThePositionCurrentAndDimsGaps)
{
    openFilm();
    seekTo(160);
    player()->Play();
    // In the gap after subtitle 2 the next one is current, dimmed.
    ASSERT_TRUE(QTest::qWaitFor([this] { return doc().CurrentLine == 3; }, WaitMs));
    ASSERT_TRUE(QTest::qWaitFor([this] { return previewColourIs("#3f3f00"); }, WaitMs));
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->CurrentPosition() >= 205; }, WaitMs));
    ASSERT_TRUE(QTest::qWaitFor([this] { return previewColourIs("#ffff00"); }, WaitMs));
    EXPECT_EQ(doc().CurrentLine, 3);
    player()->Pause();
    EXPECT_FALSE(form->statusText(1).isEmpty());
}

TEST_F(PlayerWindowTest, StepsClampAndSingleFrameStepsWaitForAPause)
{
    openFilm();
    seekTo(60);
    form->MenuPlayerStepBackClick();
    EXPECT_EQ(player()->CurrentPosition(), 0);
    seekTo(740);
    form->MenuPlayerStepForwardClick();
    EXPECT_EQ(player()->CurrentPosition(), 750);
    seekTo(100);
    form->MenuPlayerStep1BackClick();
    EXPECT_EQ(player()->CurrentPosition(), 99);
    seekTo(0);
    form->MenuPlayerStep1BackClick();
    EXPECT_EQ(player()->CurrentPosition(), 0);
    player()->Play();
    QSignalSpy jumps(player(), &MediaPlayer::PositionChange);
    form->MenuPlayerStep1ForwardClick();
    form->MenuPlayerStep1BackClick();
    EXPECT_EQ(jumps.count(), 0);
    player()->Pause();
}

TEST_F(PlayerWindowTest, SaveResumesFiveSecondsBackAndNeverBeforeFrameOne)
{
    openFilm();
    for (auto [at, resume] : {std::pair{600.0, 475.0}, std::pair{100.0, 1.0}}) {
        seekTo(at);
        QSignalSpy jumps(player(), &MediaPlayer::PositionChange);
        form->MenuFileSaveClick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return jumps.count() > 0; }, WaitMs)) << at;
        EXPECT_EQ(jumps.last().at(1).toDouble(), resume) << at;
        EXPECT_EQ(player()->PlayState(), MediaPlayer::Playing);
        player()->Pause();
    }
}

TEST_F(PlayerWindowTest, SavedTextIsWhatThePlayerShowsAndLockMarksStayHidden)
{
    openFilm();
    form->ShowLine(2, ShowPlain);
    form->SetText("Upraveno", ShowFull);
    form->MenuFileSaveClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->PlayState() == MediaPlayer::Playing; }, WaitMs));
    player()->Pause();
    seekTo(120);
    EXPECT_TRUE(QTest::qWaitFor([this] { return player()->subtitleText() == QStringLiteral("Upraveno"); }, WaitMs))
        << player()->subtitleText().toStdString();
    seekTo(220);
    EXPECT_TRUE(QTest::qWaitFor([this] { return player()->subtitleText() == QStringLiteral("Zamceno"); }, WaitMs))
        << player()->subtitleText().toStdString();
}

TEST_F(PlayerWindowTest, AutomationStampsFromThePlayerWithTheGap)
{
    openFilm();
    Settings.Player.AutoNoSave = true;
    action("MenuPlayerSync")->trigger(); // off, so that seeking below stays put
    form->ShowLine(2, ShowPlain);
    seekTo(3);
    form->MenuPlayerAutomateClick();
    Settings.Player.AutoNoSave = false;
    EXPECT_EQ(doc().line(2).From, 5);
    EXPECT_GE(doc().line(2).Last, 5);
    EXPECT_EQ(doc().CurrentLine, 3);
    EXPECT_TRUE(form->statusText(4).isEmpty());
}

TEST_F(PlayerWindowTest, TimingCommandsExplainThemselvesWithoutAMovie)
{
    start();
    form->MenuPlayerAutomateClick();
    EXPECT_EQ(form->statusText(4), QStringLiteral("P\u0159ehr\u00E1va\u010D mus\u00ED b\u00FDt otev\u0159en, mus\u00ED "
                                                  "b\u00FDt zn\u00E1mo FPS a Sync (CTRL+K) mus\u00ED b\u00FDt vypnut "
                                                  "nebo mus\u00ED b\u00FDt PAUSE!"));
    form->MenuPlayerCaptureFrameClick();
    EXPECT_EQ(form->statusText(4), QStringLiteral("P\u0159ehr\u00E1va\u010D mus\u00ED b\u00FDt otev\u0159en a Sync "
                                                  "(CTRL+K) mus\u00ED b\u00FDt zapnut!"));
}

TEST_F(PlayerWindowTest, CaptureStartsANewSubtitleAtTheFrame)
{
    openFilm();
    form->ShowLine(3, ShowPlain);
    seekTo(180);
    answers = {MsgResult::Yes};
    form->MenuPlayerCaptureFrameClick();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, QStringLiteral("Zachyceno: 180?"));
    EXPECT_EQ(doc().LineCount, 5);
    EXPECT_EQ(doc().CurrentLine, 3);
    EXPECT_EQ(doc().line(3).From, 180);
    EXPECT_EQ(doc().line(4).Text, QByteArray("Zamceno"));
}

TEST_F(PlayerWindowTest, GirderModeTakesTheKeysAndGivesThemBack)
{
    start();
    action("MenuGirderInUse")->trigger();
    EXPECT_EQ(action("MenuGirderBreakLineLeft")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(action("MenuGirderBreakLineRight")->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(action("MenuGirderCurrentLineIndexDec")->shortcut(), QKeySequence(Qt::Key_Up));
    EXPECT_EQ(action("MenuGirderCurrentLineIndexInc")->shortcut(), QKeySequence(Qt::Key_Down));
    EXPECT_TRUE(action("MenuTitleBreakLineLeft")->shortcut().isEmpty());
    EXPECT_TRUE(action("MenuGirderBreakLineLeft")->isEnabled());
    form->setOptionsOpen(true);
    EXPECT_FALSE(action("MenuGirderBreakLineLeft")->isEnabled());
    EXPECT_EQ(action("MenuTitleBreakLineLeft")->shortcut(), QKeySequence(Qt::Key_F5));
    form->setOptionsOpen(false);
    EXPECT_TRUE(action("MenuGirderBreakLineLeft")->isEnabled());
    action("MenuGirderInUse")->trigger();
    EXPECT_FALSE(action("MenuGirderCurrentLineIndexInc")->isEnabled());
    EXPECT_TRUE(action("MenuGirderCurrentLineIndexInc")->shortcut().isEmpty());
    EXPECT_EQ(action("MenuTitleBreakLineLeft")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(action("MenuTitleBreakLineRight")->shortcut(), QKeySequence(Qt::Key_F6));
    Settings.Main.GirderInUse = false;
}

TEST_F(PlayerWindowTest, GirderStepsPauseAndStayInsideTheList)
{
    openFilm();
    player()->Play();
    form->MenuGirderCurrentLineIndexIncClick();
    EXPECT_EQ(player()->PlayState(), MediaPlayer::Paused);
    EXPECT_EQ(doc().CurrentLine, 2);
    form->ShowLine(4, ShowPlain);
    form->MenuGirderCurrentLineIndexIncClick();
    EXPECT_EQ(doc().CurrentLine, 4);
    form->MenuGirderCurrentLineIndexDecClick();
    EXPECT_EQ(doc().CurrentLine, 3);
}

TEST_F(PlayerWindowTest, ClosingThePlayerUnloadsWhileShowHideKeepsTheMovie)
{
    openFilm();
    form->MenuPlayerShowClick();
    EXPECT_FALSE(form->playerState().PlayerShown);
    EXPECT_TRUE(form->playerState().MovieLoaded);
    form->MenuPlayerShowClick();
    EXPECT_TRUE(form->formWMP()->isVisible());
    form->MenuPlayerCloseClick();
    EXPECT_FALSE(form->formWMP()->isVisible());
    EXPECT_FALSE(form->playerState().MovieLoaded);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->formWMP()->windowTitle(), QStringLiteral("Windows Media Player - N\u00E1hed"));
}

TEST_F(PlayerWindowTest, ZoomFollowsFromMenuAndList)
{
    start();
    form->MenuZoom050procentClick();
    EXPECT_EQ(player()->DisplaySize(), MediaPlayer::HalfSize);
    EXPECT_EQ(form->playerZoomList()->currentIndex(), 0);
    EXPECT_TRUE(action("MenuZoom050procent")->isChecked());
    form->MenuZoom200procentClick();
    EXPECT_EQ(player()->DisplaySize(), MediaPlayer::DoubleSize);
    EXPECT_TRUE(action("MenuZoom200procent")->isChecked());
    EXPECT_FALSE(action("MenuZoom050procent")->isChecked());
}

} // namespace

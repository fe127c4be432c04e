// The player integrated with the editor, on real libmpv with the bundled
// movie (no picture or sound on the offscreen platform).
#include "generated_movie.h"
#include "gui_support.h"

#include "config/settings.h"
#include "document/code_page.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
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
        form->context().file->OpenDocument(path("ukazka.sub"));
        ASSERT_TRUE(form->context().player->state().MovieLoaded);
        ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded() && player()->pictureSize().isValid(); },
                                    WaitMs));
    }

    MediaPlayer *player() const { return form->context().player->player(); }
    QAction *action(CommandId id) const { return form->commands().action(id); }

    void seekTo(double frame)
    {
        player()->SetCurrentPosition(frame);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !player()->isSeeking(); }, WaitMs));
    }

    bool shows(const QString &text)
    {
        return QTest::qWaitFor([&] { return player()->subtitleText() == text; }, WaitMs);
    }

    bool previewColourIs(const char *name) const { return ctl<QTextEdit>("RTFpreview")->styleSheet().contains(QLatin1String(name)); }
};

TEST_F(PlayerWindowTest, OpeningFindsTheMovieBesideAndShowsThePlayer)
{
    openFilm();
    EXPECT_EQ(doc().MovieFileName, path("ukazka.avi"));
    EXPECT_EQ(player()->Duration(), 750);
    EXPECT_TRUE(form->context().player->window()->isVisible());
    EXPECT_EQ(form->context().player->window()->windowTitle(),
              QStringLiteral("ukazka.avi n\u00E1hled ve Windows Media Player"));
    EXPECT_TRUE(dialogs.empty()); // no movie dialog
}

TEST_F(PlayerWindowTest, ShowingASubtitleSeeksThePlayerWhileSyncIsOn)
{
    openFilm();
    panel().ShowLine(3, ShowPlain);
    EXPECT_EQ(player()->CurrentPosition(), 200);
    action(CommandId::MenuPlayerSync)->trigger(); // off
    panel().ShowLine(4, ShowPlain);
    EXPECT_EQ(player()->CurrentPosition(), 200);
    action(CommandId::MenuPlayerSync)->trigger();
    panel().ShowLine(2, ShowNoSeek);
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
    EXPECT_FALSE(form->context().status.text(1).isEmpty());
}

TEST_F(PlayerWindowTest, StepsClampAndSingleFrameStepsWaitForAPause)
{
    openFilm();
    seekTo(60);
    form->context().player->transport().MenuPlayerStepBackClick();
    EXPECT_EQ(player()->CurrentPosition(), 0);
    seekTo(740);
    form->context().player->transport().MenuPlayerStepForwardClick();
    EXPECT_EQ(player()->CurrentPosition(), 750);
    seekTo(100);
    trigger(CommandId::MenuPlayerStep1Back);
    EXPECT_EQ(player()->CurrentPosition(), 99);
    seekTo(0);
    trigger(CommandId::MenuPlayerStep1Back);
    EXPECT_EQ(player()->CurrentPosition(), 0);
    player()->Play();
    QSignalSpy jumps(player(), &MediaPlayer::PositionChange);
    trigger(CommandId::MenuPlayerStep1Forward);
    trigger(CommandId::MenuPlayerStep1Back);
    EXPECT_EQ(jumps.count(), 0);
    player()->Pause();
}

TEST_F(PlayerWindowTest, SaveResumesFiveSecondsBackAndNeverBeforeFrameOne)
{
    openFilm();
    for (auto [at, resume] : {std::pair{600.0, 475.0}, std::pair{100.0, 1.0}}) {
        seekTo(at);
        QSignalSpy jumps(player(), &MediaPlayer::PositionChange);
        form->context().file->MenuFileSaveClick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return jumps.count() > 0; }, WaitMs)) << at;
        EXPECT_EQ(jumps.last().at(1).toDouble(), resume) << at;
        EXPECT_EQ(player()->PlayState(), MediaPlayer::Playing);
        player()->Pause();
    }
}

TEST_F(PlayerWindowTest, SavedTextIsWhatThePlayerShowsAndLockMarksStayHidden)
{
    openFilm();
    panel().ShowLine(2, ShowPlain);
    panel().SetText("Upraveno", ShowFull);
    form->context().file->MenuFileSaveClick();
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
    action(CommandId::MenuPlayerSync)->trigger(); // off, so that seeking below stays put
    panel().ShowLine(2, ShowPlain);
    seekTo(3);
    form->context().player->automation().MenuPlayerAutomateClick();
    Settings.Player.AutoNoSave = false;
    EXPECT_EQ(doc().line(2).From, 5);
    EXPECT_GE(doc().line(2).Last, 5);
    EXPECT_EQ(doc().CurrentLine, 3);
    EXPECT_TRUE(form->context().status.text(4).isEmpty());
}

TEST_F(PlayerWindowTest, TimingCommandsExplainThemselvesWithoutAMovie)
{
    start();
    form->context().player->automation().MenuPlayerAutomateClick();
    EXPECT_EQ(form->context().status.text(4), QStringLiteral("P\u0159ehr\u00E1va\u010D mus\u00ED b\u00FDt otev\u0159en, mus\u00ED "
                                                  "b\u00FDt zn\u00E1mo FPS a Sync (CTRL+K) mus\u00ED b\u00FDt vypnut "
                                                  "nebo mus\u00ED b\u00FDt PAUSE!"));
    form->context().player->automation().MenuPlayerCaptureFrameClick();
    EXPECT_EQ(form->context().status.text(4), QStringLiteral("P\u0159ehr\u00E1va\u010D mus\u00ED b\u00FDt otev\u0159en a Sync "
                                                  "(CTRL+K) mus\u00ED b\u00FDt zapnut!"));
}

TEST_F(PlayerWindowTest, CaptureStartsANewSubtitleAtTheFrame)
{
    openFilm();
    panel().ShowLine(3, ShowPlain);
    seekTo(180);
    answers = {MsgResult::Yes};
    form->context().player->automation().MenuPlayerCaptureFrameClick();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, QStringLiteral("Zachyceno: 180?"));
    EXPECT_EQ(doc().LineCount, 5);
    EXPECT_EQ(doc().CurrentLine, 3);
    EXPECT_EQ(doc().line(3).From, 180);
    EXPECT_EQ(doc().line(4).Text, QByteArray("Zamceno"));
    // The picture stays where the frame was taken.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !player()->isSeeking(); }, WaitMs));
    EXPECT_EQ(player()->CurrentPosition(), 180);
}

// The picture shows the opened film.txt: not a film.sub beside it, nor a
// stale film.sub in the filter folder, nor nothing when the movie lies in the
// default open folder; the movie is a Matroska file.
TEST_F(PlayerWindowTest, ThePictureShowsTheOpenDocumentWhateverItsName)
{
    start();
    ASSERT_TRUE(MakeMovie(path("film.mkv"))) << "ffmpeg";
    WriteAll(path("film.txt"), "{1}{1}25\r\n{100}{200}Otev\xF8" "en\xFD\r\n");
    WriteAll(path("film.sub"), "{1}{1}25\r\n{100}{200}Vedle\r\n");
    QDir().mkpath(filterFolder());
    WriteAll(filterFolder() + QStringLiteral("/film.sub"), "{1}{1}25\r\n{100}{200}Star\xFD\r\n");
    player()->SetAutoStart(false);
    form->context().file->OpenDocument(path("film.txt"));
    EXPECT_EQ(doc().MovieFileName, path("film.mkv"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded(); }, WaitMs));
    seekTo(150);
    EXPECT_TRUE(shows(QString::fromUtf8("Otevřený"))) << player()->subtitleText().toStdString();

    // A movie found in the default open folder shows the document as well.
    QDir().mkpath(path("jinde"));
    ASSERT_TRUE(QFile::rename(path("film.txt"), path("jinde/film.txt")));
    Settings.DefaultPath.Open = mDir.path();
    form->context().file->OpenDocument(path("jinde/film.txt"));
    Settings.DefaultPath.Open.clear();
    EXPECT_EQ(doc().MovieFileName, path("film.mkv"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded(); }, WaitMs));
    seekTo(120);
    EXPECT_TRUE(shows(QString::fromUtf8("Otevřený"))) << player()->subtitleText().toStdString();
}

// Following never throws typing away: the editor stays on the subtitle being
// typed into and follows again once the typing is stored.
TEST_F(PlayerWindowTest, TypingWhileFollowingIsKeptInTheSavedFile)
{
    openFilm();
    seekTo(120);
    player()->Play();
    ASSERT_TRUE(QTest::qWaitFor([this] { return doc().CurrentLine == 2; }, WaitMs));
    auto *text = ctl<QLineEdit>("EditSubtitle");
    typeInto(text, QStringLiteral("Napsano"), false);
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->CurrentPosition() >= 165; }, WaitMs));
    EXPECT_EQ(doc().CurrentLine, 2);
    EXPECT_EQ(text->text(), QStringLiteral("Napsano"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return doc().CurrentLine == 3; }, WaitMs));
    form->context().file->MenuFileSaveClick();
    EXPECT_TRUE(ReadAll(path("ukazka.sub")).contains("{100}{150}Napsano\r\n"));
}

// F8 stamps the frame that was on screen when the key came, not a later one.
TEST_F(PlayerWindowTest, AutomationKeyWhilePlayingStampsTheFrameOfTheKeyPress)
{
    openFilm();
    Settings.Player.AutoNoSave = true;
    action(CommandId::MenuPlayerSync)->trigger(); // off: automation while playing
    panel().ShowLine(2, ShowPlain);
    seekTo(120);
    player()->Play();
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->CurrentPosition() >= 130; }, WaitMs));
    const double before = player()->CurrentPosition();
    QTest::keyClick(form.get(), Qt::Key_F8);
    const double after = player()->CurrentPosition();
    player()->Pause();
    Settings.Player.AutoNoSave = false;
    EXPECT_GE(doc().line(2).From, before);
    EXPECT_LE(doc().line(2).From, after);
    EXPECT_EQ(doc().CurrentLine, 3);
}

// A file that is no movie gives a clear message, and no empty player stays.
TEST_F(PlayerWindowTest, AnUnplayableMovieIsReportedAndUnloaded)
{
    start();
    WriteAll(path("vadny.avi"), QByteArray(4096, 'x'));
    WriteAll(path("vadny.sub"), "{1}{1}25\r\n{100}{200}Text\r\n");
    form->context().file->OpenDocument(path("vadny.sub"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->context().player->state().MovieLoaded; }, WaitMs));
    const auto failure = std::find_if(messages.begin(), messages.end(), [](const MessageRequest &m) {
        return m.text.startsWith(QStringLiteral("Videosoubor nelze p\u0159ehr\u00E1t"));
    });
    ASSERT_NE(failure, messages.end());
    EXPECT_TRUE(failure->text.endsWith(path("vadny.avi"))) << failure->text.toStdString();
    EXPECT_TRUE(doc().MovieFileName.isEmpty());
    EXPECT_EQ(form->context().player->window()->windowTitle(), QStringLiteral("Windows Media Player - N\u00E1hed"));
}

// Run again in a child whose library path holds a libmpv without its
// functions: opening a movie there says that libmpv is missing.
TEST_F(PlayerWindowTest, WithoutLibmpvOpeningAMovieSaysSo)
{
    if (qEnvironmentVariableIsEmpty("CUEFOLD_WITHOUT_MPV")) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUEFOLD_WITHOUT_MPV"), QStringLiteral("1"));
        env.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(CUEFOLD_FAKE_MPV_DIR));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=PlayerWindowTest.WithoutLibmpvOpeningAMovieSaysSo")});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QByteArray output = child.readAllStandardOutput();
        EXPECT_EQ(child.exitCode(), 0) << output.constData();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.constData();
        return;
    }
    start();
    ASSERT_TRUE(QFile::link(QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi"), path("ukazka.avi")));
    WriteAll(path("ukazka.sub"), Film);
    form->context().file->OpenDocument(path("ukazka.sub"));
    EXPECT_FALSE(form->context().player->state().MovieLoaded);
    EXPECT_TRUE(doc().MovieFileName.isEmpty());
    const bool told = std::any_of(messages.begin(), messages.end(), [](const MessageRequest &m) {
        return m.text.startsWith(QStringLiteral("Knihovna libmpv nebyla nalezena"));
    });
    EXPECT_TRUE(told);
}

TEST_F(PlayerWindowTest, GirderModeTakesTheKeysAndGivesThemBack)
{
    start();
    action(CommandId::MenuGirderInUse)->trigger();
    EXPECT_EQ(action(CommandId::MenuGirderBreakLineLeft)->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(action(CommandId::MenuGirderBreakLineRight)->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(action(CommandId::MenuGirderCurrentLineIndexDec)->shortcut(), QKeySequence(Qt::Key_Up));
    EXPECT_EQ(action(CommandId::MenuGirderCurrentLineIndexInc)->shortcut(), QKeySequence(Qt::Key_Down));
    EXPECT_TRUE(action(CommandId::MenuTitleBreakLineLeft)->shortcut().isEmpty());
    EXPECT_TRUE(action(CommandId::MenuGirderBreakLineLeft)->isEnabled());
    form->context().player->setOptionsOpen(true);
    EXPECT_FALSE(action(CommandId::MenuGirderBreakLineLeft)->isEnabled());
    EXPECT_EQ(action(CommandId::MenuTitleBreakLineLeft)->shortcut(), QKeySequence(Qt::Key_F5));
    form->context().player->setOptionsOpen(false);
    EXPECT_TRUE(action(CommandId::MenuGirderBreakLineLeft)->isEnabled());
    action(CommandId::MenuGirderInUse)->trigger();
    EXPECT_FALSE(action(CommandId::MenuGirderCurrentLineIndexInc)->isEnabled());
    EXPECT_TRUE(action(CommandId::MenuGirderCurrentLineIndexInc)->shortcut().isEmpty());
    EXPECT_EQ(action(CommandId::MenuTitleBreakLineLeft)->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(action(CommandId::MenuTitleBreakLineRight)->shortcut(), QKeySequence(Qt::Key_F6));
    Settings.Main.GirderInUse = false;
}

TEST_F(PlayerWindowTest, GirderStepsPauseAndStayInsideTheList)
{
    openFilm();
    trigger(CommandId::MenuGirderInUse); // the mode that gives the steps their keys
    player()->Play();
    trigger(CommandId::MenuGirderCurrentLineIndexInc);
    EXPECT_EQ(player()->PlayState(), MediaPlayer::Paused);
    EXPECT_EQ(doc().CurrentLine, 2);
    panel().ShowLine(4, ShowPlain);
    trigger(CommandId::MenuGirderCurrentLineIndexInc);
    EXPECT_EQ(doc().CurrentLine, 4);
    trigger(CommandId::MenuGirderCurrentLineIndexDec);
    EXPECT_EQ(doc().CurrentLine, 3);
}

TEST_F(PlayerWindowTest, ClosingThePlayerUnloadsWhileShowHideKeepsTheMovie)
{
    openFilm();
    form->context().player->ShowPlayer(3);
    EXPECT_FALSE(form->context().player->state().PlayerShown);
    EXPECT_TRUE(form->context().player->state().MovieLoaded);
    form->context().player->ShowPlayer(3);
    EXPECT_TRUE(form->context().player->window()->isVisible());
    trigger(CommandId::MenuPlayerClose);
    EXPECT_FALSE(form->context().player->window()->isVisible());
    EXPECT_FALSE(form->context().player->state().MovieLoaded);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->context().player->window()->windowTitle(), QStringLiteral("Windows Media Player - N\u00E1hed"));
}

TEST_F(PlayerWindowTest, ZoomFollowsFromMenuAndList)
{
    start();
    trigger(CommandId::MenuZoom050procent);
    EXPECT_EQ(player()->DisplaySize(), MediaPlayer::HalfSize);
    EXPECT_EQ(form->context().player->zoomList()->currentIndex(), 0);
    EXPECT_TRUE(action(CommandId::MenuZoom050procent)->isChecked());
    trigger(CommandId::MenuZoom200procent);
    EXPECT_EQ(player()->DisplaySize(), MediaPlayer::DoubleSize);
    EXPECT_TRUE(action(CommandId::MenuZoom200procent)->isChecked());
    EXPECT_FALSE(action(CommandId::MenuZoom050procent)->isChecked());
}

} // namespace

// A remembered place near the screen's far corner (another monitor's size, a
// window grown since): the window opens with its whole frame on the screen.
TEST_F(PlayerWindowTest, ThePlayerOpensWithItsFrameInsideTheScreen)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QByteArray ini = ReadAll(mIni);
    ini.replace("SaveWindowPosition=0\r\nZoom=1\r\nWindowTop=-1\r\nWindowLeft=-1\r\n",
                "SaveWindowPosition=1\r\nZoom=1\r\nWindowTop=" + QByteArray::number(available.bottom() - 10)
                    + "\r\nWindowLeft=" + QByteArray::number(available.right() - 10) + "\r\n");
    WriteAll(mIni, ini);
    openFilm();
    QWidget *window = form->context().player->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_NE(window->frameGeometry(), window->geometry()) << "the platform draws no frame";
    EXPECT_TRUE(available.contains(window->frameGeometry())) << window->frameGeometry().x() << "," << window->frameGeometry().y();
    EXPECT_EQ(window->frameGeometry().bottomRight(), available.bottomRight());
}

// The reading-speed window: the speed test over a test movie of the
// program's own, and the recalculation by reading speed with its preview over
// the user's movie.
#include "operations/FTest.h"
#include "operations/TimingCommands.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "document/writer.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "editor/VirtualDesktop.h"
#include "operations/bulk_report.h"
#include "player/MediaPlayer.h"
#include "player/PlayerController.h"
#include "player/subtitle_filter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace cuefold {

namespace {

// The speed test's failures, told by fixed texts.
enum SpeedTestError { NoError, BadFolder = 1, BadResource = 3, MovieNotWritten = 4, SubtitlesNotWritten = 5,
                      NotPlaying = 6 };

QString SpeedTestErrorText(int error)
{
    switch (error) {
    case BadFolder: return QStringLiteral("Invalid temporary folder");
    case BadResource: return QStringLiteral("Invalid resource");
    case MovieNotWritten: return QStringLiteral("Temporary movie file cannot be created");
    case SubtitlesNotWritten: return QStringLiteral("Temporary subtitle file cannot be created");
    default: return QStringLiteral("Something was wrong");
    }
}

} // namespace

void TimingCommands::MenuCommonTestSpeedClick()
{
    showTestWindow(true);
}

void TimingCommands::MenuCommonRecalcPerSpeedClick()
{
    showTestWindow(false);
}

void TimingCommands::showTestWindow(bool speedTest)
{
    mCtx.panel.CommitEdits();
    if (!FormTest->isVisible()) {
        mMovieWasLoaded = mCtx.player->state().MovieLoaded;
        mUserMovie = mMovieWasLoaded ? mCtx.doc().MovieFileName : QString();
        mResumeAt = 0;
        mResumeStored = false;
        mSpeedFile = {};
        mTestMovie.clear();
        mTestSubtitles.clear();
        TestMovieCreated = GridShowsPreview = TestPlaybackStarted = TestMovieOpen = false;
        mSpeedTested = false;
        FormTest->setAcceptEnabled(true);
    }
    FormTest->setMode(speedTest, VirtualDesktop().bottom() + 1);
    FormTest->refreshLabels();
    FormTest->show();
    FormTest->raise();
    FormTest->activateWindow();
    mCtx.commands.refreshEnabled();
}

bool TimingCommands::rearrangeRefused()
{
    if (!FormTest->rearrange())
        return false;
    ShowMessage(FormTest,
                QLatin1Char('"') + Unicode(StripHotKeys(Texts.RearrangeUnmarkedB)) + QStringLiteral("\" is not implemented yet."),
                Unicode(Texts.Info), MsgIcon::Stop);
    return true;
}

bool TimingCommands::fpsRefused()
{
    if (IsValidFPS(mCtx.doc().FPS))
        return false;
    ShowMessage(FormTest, Unicode(Texts.DwellReqFPS), Unicode(Texts.DwellRequires), MsgIcon::Information);
    return true;
}

void TimingCommands::FormTestTestClick()
{
    mCtx.panel.CommitEdits();
    mCtx.status.clearMessage();
    if (rearrangeRefused())
        return;
    if (FormTest->speedTestMode())
        runSpeedTest();
    else
        runSpeedRecalculation();
}

// The movie goes into a private folder of its own; the subtitles beside it.
int TimingCommands::createTestMovie()
{
    // Named as the preview folders are, so that a later run removes it
    // should this one be killed.
    auto folder = std::make_unique<QTemporaryDir>(PreviewFolderTemplate());
    if (!folder->isValid())
        return BadFolder;
    QFile movie(QStringLiteral(":/TESTAVI"));
    if (!movie.open(QIODevice::ReadOnly))
        return BadResource;
    const QString path = folder->filePath(QStringLiteral("TEST.AVI"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(movie.readAll()) != movie.size() || !out.flush())
        return MovieNotWritten;
    mTestFolder = std::move(folder);
    mTestMovie = path;
    mTestSubtitles = mTestFolder->filePath(QStringLiteral("TEST.SUB"));
    return NoError;
}

void TimingCommands::runSpeedTest()
{
    int error = NoError;
    if (!TestMovieCreated) {
        error = createTestMovie();
        TestMovieCreated = error == NoError;
    }
    if (error == NoError
        && WriteSubtitleFile(mTestSubtitles, SpeedTestFileText(mCtx.doc(), DisplayTimeRuleFromSettings())) != 0)
        error = SubtitlesNotWritten;
    if (error == NoError) {
        const double position = mCtx.player->pauseForTest();
        if (mMovieWasLoaded && !mResumeStored) {
            mResumeAt = position;
            mResumeStored = true;
        }
        TestPlaybackStarted = true;
        const bool playing = TestMovieOpen ? mCtx.player->ShowTimingTest(mTestSubtitles, 0, SpeedTestFps)
                                           : mCtx.player->PlayTestMovie(mTestMovie, mTestSubtitles, SpeedTestFps);
        FormTest->activateWindow();
        TestMovieOpen = playing;
        if (!playing)
            error = NotPlaying;
    }
    if (error != NoError)
        ShowMessage(FormTest, SpeedTestErrorText(error), Unicode(Texts.Error), MsgIcon::Stop);
}

void TimingCommands::runSpeedRecalculation()
{
    if (fpsRefused() || filterTestRefused(FormTest))
        return;
    const QString path = filterTestPath(FormTest);
    if (path.isEmpty())
        return;
    if (path != mSpeedFile.path())
        mSpeedFile = SharedFolderFile(path);
    if (overwriteRefused(FormTest, mSpeedFile))
        return;
    const SpeedPreview preview = ReadingSpeedPreview(mCtx.doc(), FormTest->scope(), DisplayTimeRuleFromSettings());
    if (!writeFilterTest(FormTest, mSpeedFile, PreviewFileText(mCtx.doc(), preview.frames)))
        return;
    const QByteArray report = ReadingSpeedReport(preview.cut, preview.shortened, preview.lengthened);
    if (!report.isEmpty())
        ShowMessage(FormTest, Unicode(report), Unicode(Texts.Output), MsgIcon::Information);
    const double pending = mCtx.player->state().resume.ResumePos;
    const double position = mCtx.player->pauseForTest();
    mResumeAt = pending != 0 ? pending : position;
    TestPlaybackStarted = true;
    if (mCtx.player->ShowTimingTest(mSpeedFile.path(), mResumeAt)) {
        TestMovieOpen = true;
        showPreview(preview.frames);
        GridShowsPreview = true;
        mSpeedTested = true;
        FormTest->setAcceptEnabled(true);
    }
    FormTest->activateWindow();
}

void TimingCommands::FormTestAcceptClick()
{
    // Typing stored here is a change after the Test: Accept goes off and the
    // window stays for another Test.
    mCtx.panel.CommitEdits();
    if (!FormTest->acceptEnabled())
        return;
    mCtx.status.clearMessage();
    if (rearrangeRefused())
        return;
    SpeedPreview preview;
    RunCommand(mCtx, {.commit = false,
                      .clearMessage = false,
                      .guard = [this] { return !fpsRefused(); },
                      .change =
                          [&] {
                              preview = ReadingSpeedPreview(mCtx.doc(), FormTest->scope(), DisplayTimeRuleFromSettings());
                              mCtx.model.change([&](Document &d) { ApplyPreview(d, preview.frames); });
                              return CommandChange{.showMode = ShowFull, .modified = ModifiedRule::Keep};
                          },
                      .report =
                          [&](const CommandChange &) {
                              const QByteArray report =
                                  ReadingSpeedReport(preview.cut, preview.shortened, preview.lengthened);
                              if (!report.isEmpty())
                                  ShowMessage(FormTest, Unicode(report), Unicode(Texts.Output), MsgIcon::Information);
                              mCtx.player->SetPlayerSeeking(true);
                          }});
    FormTest->close();
    mCtx.model.checkModified();
}

void TimingCommands::FormTestClose()
{
    if (mExiting) {
        if (TestPlaybackStarted)
            mCtx.player->UnloadMovie();
    } else if (FormTest->speedTestMode()) {
        if (TestPlaybackStarted)
            mCtx.player->ReturnFromTestMovie(mUserMovie, mResumeAt);
    } else if (TestMovieOpen) {
        mCtx.player->EndTimingTest(mResumeAt);
    }
    restoreGrid(GridShowsPreview);
    mSpeedFile.remove();
    mTestFolder.reset(); // the test movie and its subtitles
    mTestMovie.clear();
    mTestSubtitles.clear();
    TestMovieCreated = TestPlaybackStarted = TestMovieOpen = mSpeedTested = false;
    mCtx.commands.refreshEnabled();
}

// A movie the user opens while the window is open is the one to go back to,
// from its start; the test it replaced is over.
void TimingCommands::movieOpened()
{
    const QString movie = mCtx.player->player()->FileName();
    if (!FormTest->isVisible() || movie == mTestMovie)
        return;
    mMovieWasLoaded = true;
    mUserMovie = movie;
    mResumeAt = 0;
    mResumeStored = false;
    TestPlaybackStarted = TestMovieOpen = false;
}

// A save shows the document over the movie again: a reading-speed test runs
// again with the saved subtitles, a two-point test shows its file again.
void TimingCommands::saved()
{
    if (!mCtx.player->state().MovieLoaded)
        return;
    if (FormTest->isVisible() && TestPlaybackStarted)
        QMetaObject::invokeMethod(this, &TimingCommands::FormTestTestClick, Qt::QueuedConnection);
    else if (FormRecalculate->isVisible() && mRecalcFile.written())
        QMetaObject::invokeMethod(this, [this] { mCtx.player->showSubtitlesFrom(mRecalcFile.path()); },
                                  Qt::QueuedConnection);
}

} // namespace cuefold

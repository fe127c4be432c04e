// The reading-speed window: the speed test over a test movie of the
// program's own, and the recalculation by reading speed with its preview over
// the user's movie.
#include "operations/SpeedTestWindow.h"

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
#include "operations/FTest.h"
#include "operations/TimingTestSupport.h"
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

SpeedTestWindow::SpeedTestWindow(EditorContext &ctx, TimingTestSupport &support, TFormTest *form)
    : mCtx(ctx)
    , mSupport(support)
    , FormTest(form)
{
    connect(form, &TFormTest::testClicked, this, &SpeedTestWindow::FormTestTestClick);
    connect(form, &TFormTest::acceptClicked, this, &SpeedTestWindow::FormTestAcceptClick);
    connect(form, &TFormTest::closed, this, &SpeedTestWindow::FormTestClose);
}

// Files left by a window the program did not close (the window went with
// the program) go with their owners.
SpeedTestWindow::~SpeedTestWindow() = default;

void SpeedTestWindow::closeForExit()
{
    mExiting = true;
    FormTest->close();
}

void SpeedTestWindow::documentChanged()
{
    if (mState.tested)
        FormTest->setAcceptEnabled(false);
    mSupport.restoreGrid(mState.gridShowsPreview);
}

void SpeedTestWindow::documentReset()
{
    mState.playbackStarted = mState.movieOpen = mState.movieWasLoaded = mState.resumeStored = false;
    mState.userMovie.clear();
    mState.resumeAt = 0;
}

void SpeedTestWindow::open(bool speedTest)
{
    mCtx.panel.CommitEdits();
    if (!FormTest->isVisible()) {
        mState = {};
        mState.movieWasLoaded = mCtx.player->state().MovieLoaded;
        mState.userMovie = mState.movieWasLoaded ? mCtx.doc().MovieFileName : QString();
        FormTest->setAcceptEnabled(true);
    }
    FormTest->setMode(speedTest, VirtualDesktop().bottom() + 1);
    FormTest->refreshLabels();
    FormTest->show();
    FormTest->raise();
    FormTest->activateWindow();
    mCtx.commands.refreshEnabled();
}

bool SpeedTestWindow::rearrangeRefused()
{
    if (!FormTest->rearrange())
        return false;
    ShowMessage(FormTest,
                QLatin1Char('"') + Unicode(StripHotKeys(Texts.RearrangeUnmarkedB)) + QStringLiteral("\" is not implemented yet."),
                Unicode(Texts.Info), MsgIcon::Stop);
    return true;
}

bool SpeedTestWindow::fpsRefused()
{
    if (IsValidFPS(mCtx.doc().FPS))
        return false;
    ShowMessage(FormTest, Unicode(Texts.DwellReqFPS), Unicode(Texts.DwellRequires), MsgIcon::Information);
    return true;
}

void SpeedTestWindow::FormTestTestClick()
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
int SpeedTestWindow::createTestMovie()
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
    mState.testFolder = std::move(folder);
    mState.testMovie = path;
    mState.testSubtitles = mState.testFolder->filePath(QStringLiteral("TEST.SUB"));
    return NoError;
}

void SpeedTestWindow::runSpeedTest()
{
    int error = NoError;
    if (!mState.movieCreated) {
        error = createTestMovie();
        mState.movieCreated = error == NoError;
    }
    if (error == NoError
        && WriteSubtitleFile(mState.testSubtitles, SpeedTestFileText(mCtx.doc(), DisplayTimeRuleFromSettings())) != 0)
        error = SubtitlesNotWritten;
    if (error == NoError) {
        const double position = mCtx.player->movie().pauseForTest();
        if (mState.movieWasLoaded && !mState.resumeStored) {
            mState.resumeAt = position;
            mState.resumeStored = true;
        }
        mState.playbackStarted = true;
        const bool playing = mState.movieOpen ? mCtx.player->movie().ShowTimingTest(mState.testSubtitles, 0, SpeedTestFps)
                                           : mCtx.player->movie().PlayTestMovie(mState.testMovie, mState.testSubtitles, SpeedTestFps);
        FormTest->activateWindow();
        mState.movieOpen = playing;
        if (!playing)
            error = NotPlaying;
    }
    if (error != NoError)
        ShowMessage(FormTest, SpeedTestErrorText(error), Unicode(Texts.Error), MsgIcon::Stop);
}

void SpeedTestWindow::runSpeedRecalculation()
{
    if (fpsRefused() || !mSupport.prepareFilterTest(FormTest, mState.file))
        return;
    const SpeedPreview preview = ReadingSpeedPreview(mCtx.doc(), FormTest->scope(), DisplayTimeRuleFromSettings(),
                                                    mCtx.player->shots().snap());
    if (!mSupport.writeFilterTest(FormTest, mState.file, PreviewFileText(mCtx.doc(), preview.frames)))
        return;
    const QByteArray report = ReadingSpeedReport(preview.cut, preview.shortened, preview.lengthened);
    if (!report.isEmpty())
        ShowMessage(FormTest, Unicode(report), Unicode(Texts.Output), MsgIcon::Information);
    const double pending = mCtx.player->state().resume.ResumePos;
    const double position = mCtx.player->movie().pauseForTest();
    mState.resumeAt = pending != 0 ? pending : position;
    mState.playbackStarted = true;
    if (mCtx.player->movie().ShowTimingTest(mState.file.path(), mState.resumeAt)) {
        mState.movieOpen = true;
        mSupport.showPreview(preview.frames);
        mState.gridShowsPreview = true;
        mState.tested = true;
        FormTest->setAcceptEnabled(true);
    }
    FormTest->activateWindow();
}

void SpeedTestWindow::FormTestAcceptClick()
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
                              preview = ReadingSpeedPreview(mCtx.doc(), FormTest->scope(), DisplayTimeRuleFromSettings(),
                                                    mCtx.player->shots().snap());
                              mCtx.model.changeLines([&](Document &d) { ApplyPreview(d, preview.frames); });
                              return CommandChange{.showMode = ShowFull, .modified = ModifiedRule::Keep};
                          },
                      .report =
                          [&](const CommandChange &) {
                              const QByteArray report =
                                  ReadingSpeedReport(preview.cut, preview.shortened, preview.lengthened);
                              if (!report.isEmpty())
                                  ShowMessage(FormTest, Unicode(report), Unicode(Texts.Output), MsgIcon::Information);
                              mCtx.player->movie().SetPlayerSeeking(true);
                          }});
    FormTest->close();
    mCtx.model.checkModified();
}

void SpeedTestWindow::FormTestClose()
{
    if (mExiting) {
        if (mState.playbackStarted)
            mCtx.player->movie().UnloadMovie();
    } else if (FormTest->speedTestMode()) {
        if (mState.playbackStarted)
            mCtx.player->movie().ReturnFromTestMovie(mState.userMovie, mState.resumeAt);
    } else if (mState.movieOpen) {
        mCtx.player->movie().EndTimingTest(mState.resumeAt);
    }
    mSupport.restoreGrid(mState.gridShowsPreview);
    mState.file.remove();
    mState.testFolder.reset(); // the test movie and its subtitles
    mState.testMovie.clear();
    mState.testSubtitles.clear();
    mState.movieCreated = mState.playbackStarted = mState.movieOpen = mState.tested = false;
    mCtx.commands.refreshEnabled();
}

// A movie the user opens while the window is open is the one to go back to,
// from its start; the test it replaced is over.
void SpeedTestWindow::movieOpened(const QString &movie)
{
    if (!FormTest->isVisible() || movie == mState.testMovie)
        return;
    mState.movieWasLoaded = true;
    mState.userMovie = movie;
    mState.resumeAt = 0;
    mState.resumeStored = false;
    mState.playbackStarted = mState.movieOpen = false;
}

// A reading-speed test runs again with the saved subtitles.
void SpeedTestWindow::saved()
{
    if (FormTest->isVisible() && mState.playbackStarted)
        QMetaObject::invokeMethod(this, &SpeedTestWindow::FormTestTestClick, Qt::QueuedConnection);
}

} // namespace cuefold

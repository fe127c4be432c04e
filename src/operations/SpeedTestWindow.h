#pragma once

#include "player/shared_folder_file.h"

#include <QObject>
#include <QString>
#include <memory>

class QTemporaryDir;

namespace cuefold {

struct EditorContext;
class TFormTest;
class TimingTestSupport;

// The reading-speed window's state while it is open.
struct SpeedTestState {
    // The user's movie to go back to, and where.
    bool movieWasLoaded = false;
    QString userMovie;
    double resumeAt = 0;
    bool resumeStored = false;
    std::unique_ptr<QTemporaryDir> testFolder; // the test movie and its subtitles
    QString testMovie, testSubtitles;
    SharedFolderFile file;         // the recalculation's test file in the filter's folder
    bool movieCreated = false;
    bool gridShowsPreview = false;
    bool playbackStarted = false;  // a Test has taken the player over
    bool movieOpen = false;        // the player shows the test's file
    bool tested = false;           // a recalculation Test has shown a preview
};

// The reading-speed window: the speed test over a test movie of the
// program's own, and the recalculation by reading speed with its preview over
// the user's movie.
class SpeedTestWindow : public QObject {
public:
    SpeedTestWindow(EditorContext &ctx, TimingTestSupport &support, TFormTest *form);
    ~SpeedTestWindow() override;

    void open(bool speedTest);
    // The main window is closing: the window closes and the test movie goes.
    void closeForExit();
    // A preview shown must not be taken for the document any more.
    void documentChanged();
    bool previewShown() const { return mState.gridShowsPreview; }
    // A new document comes with its own movie: the test gives back nothing.
    void documentReset();
    // A save runs a running test again with the saved subtitles.
    void saved();
    // A movie the user opens while the window is open is the one to go back to.
    void movieOpened(const QString &movie);

private:
    void FormTestTestClick();
    void FormTestAcceptClick();
    void FormTestClose();
    bool rearrangeRefused();
    bool fpsRefused();
    void runSpeedTest();
    int createTestMovie();
    void runSpeedRecalculation();

    EditorContext &mCtx;
    TimingTestSupport &mSupport;
    TFormTest *FormTest;
    SpeedTestState mState;
    bool mExiting = false;
};

} // namespace cuefold

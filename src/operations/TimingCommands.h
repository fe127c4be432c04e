#pragma once

#include "operations/FRecalculate.h"
#include "operations/timing_previews.h"
#include "player/shared_folder_file.h"

#include <QObject>
#include <QString>
#include <memory>

class QTemporaryDir;

namespace cuefold {

struct EditorContext;
class TFormTest;

// The timing windows of the bulk menu: the two-point recalculation and the
// reading-speed window (speed test, recalculation by reading speed). Both
// preview their result over the movie with a test subtitle file, take the
// player and the overview grid over while they run and give them back, with
// every file they made deleted, when they close.
class TimingCommands : public QObject {
public:
    explicit TimingCommands(EditorContext &ctx);
    ~TimingCommands() override;
    // Follows the document once the menus are built.
    void attach();
    void retranslate();

    void MenuCommonRecalculateSubtitleClick();
    void MenuCommonTestSpeedClick();
    void MenuCommonRecalcPerSpeedClick();
    // Availability of the three commands while a window is open.
    bool recalculateAvailable() const;
    bool speedTestAvailable() const;
    bool recalcPerSpeedAvailable() const;
    // The main window is closing: both windows close and delete their files.
    void closeForExit();

    TFormRecalculate *recalculate() const { return FormRecalculate; }
    TFormTest *test() const { return FormTest; }

private:
    // Both recalculations write their test file into the filter's folder.
    bool filterTestRefused(QWidget *owner);
    QString filterTestPath(QWidget *owner) const;
    bool overwriteRefused(QWidget *owner, const SharedFolderFile &file) const;
    bool writeFilterTest(QWidget *owner, SharedFolderFile &file, const QByteArray &bytes);
    void showPreview(const FramePreview &preview);
    void restoreGrid(bool &gridShowsPreview);
    void documentChanged();

    void ButtonTestClick();
    void ButtonAcceptClick();
    void FormRecalculateClose();
    void pick(TFormRecalculate::Point point);
    std::optional<TwoPoints> readPoints();

    void showTestWindow(bool speedTest);
    void FormTestTestClick();
    void FormTestAcceptClick();
    void FormTestClose();
    bool rearrangeRefused();
    bool fpsRefused();
    void runSpeedTest();
    int createTestMovie();
    void runSpeedRecalculation();
    void saved();
    void movieOpened();

    EditorContext &mCtx;
    TFormRecalculate *FormRecalculate;
    TFormTest *FormTest;
    bool mFpsReminderShown = false;
    bool mExiting = false;

    // Two-point window.
    SharedFolderFile mRecalcFile;
    bool mRecalcGridShowsPreview = false;
    FramePreview mRecalcPreview;

    // Reading-speed window.
    bool mMovieWasLoaded = false;
    QString mUserMovie;
    double mResumeAt = 0;
    bool mResumeStored = false;
    std::unique_ptr<QTemporaryDir> mTestFolder; // the test movie and its subtitles
    QString mTestMovie, mTestSubtitles;
    SharedFolderFile mSpeedFile;
    bool TestMovieCreated = false, GridShowsPreview = false;
    bool TestPlaybackStarted = false, TestMovieOpen = false;
    bool mSpeedTested = false; // a recalculation Test has shown a preview
};

} // namespace cuefold

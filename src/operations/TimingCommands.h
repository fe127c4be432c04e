#pragma once

#include "operations/FRecalculate.h"
#include "operations/RecalculateWindow.h"
#include "operations/SpeedTestWindow.h"
#include "operations/TimingTestSupport.h"

#include <QObject>
#include <memory>

namespace cuefold {

struct EditorContext;
class TFormTest;

// The timing windows of the bulk menu: the two-point recalculation and the
// reading-speed window (speed test, recalculation by reading speed), each run
// by a controller of its own. Both preview their result over the movie with
// a test subtitle file, take the player and the overview grid over while they
// run and give them back, with every file they made deleted, when they close.
// At most one of them is open at a time.
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
    // A window shows its preview of the document over the movie and the grid.
    bool previewShown() const
    {
        return (mRecalculate && mRecalculate->previewShown()) || (mSpeedTest && mSpeedTest->previewShown());
    }
    // The main window is closing: both windows close and delete their files.
    void closeForExit();

    TFormRecalculate *recalculate() const;
    TFormTest *test() const;

private:
    void documentChanged();
    void saved();
    // Each window is built with the controller that runs it.
    TFormRecalculate *createRecalculate();
    TFormTest *createTest();

    EditorContext &mCtx;
    TimingTestSupport mSupport;
    std::unique_ptr<RecalculateWindow> mRecalculate; // with its window, once built
    std::unique_ptr<SpeedTestWindow> mSpeedTest;
};

} // namespace cuefold

#pragma once

#include "operations/FRecalculate.h"
#include "operations/timing_previews.h"
#include "player/shared_folder_file.h"

#include <QObject>
#include <optional>

namespace cuefold {

struct EditorContext;
class TimingTestSupport;

// The two-point recalculation window's state while it is open.
struct RecalculateState {
    SharedFolderFile file;         // its test file in the filter's folder
    bool gridShowsPreview = false;
    FramePreview preview;          // what Accept writes
};

// The two-point recalculation window: Test previews the recalculated frames
// over the movie and in the grid, Accept writes them.
class RecalculateWindow : public QObject {
public:
    RecalculateWindow(EditorContext &ctx, TimingTestSupport &support, TFormRecalculate *form);

    void open();
    // The main window is closing: the window closes without handing the player back.
    void closeForExit();
    // A preview shown must not be taken for the document any more.
    void documentChanged();
    bool previewShown() const { return mState.gridShowsPreview; }
    // A save shows the document over the movie: the test file comes back.
    void saved();

private:
    void ButtonTestClick();
    void ButtonAcceptClick();
    void FormRecalculateClose();
    void pick(TFormRecalculate::Point point);
    std::optional<TwoPoints> readPoints();

    EditorContext &mCtx;
    TimingTestSupport &mSupport;
    TFormRecalculate *FormRecalculate;
    RecalculateState mState;
    bool mFpsReminderShown = false;
    bool mExiting = false;
};

} // namespace cuefold

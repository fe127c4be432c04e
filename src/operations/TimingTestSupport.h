#pragma once

#include "operations/timing_previews.h"
#include "player/shared_folder_file.h"

class QWidget;

namespace cuefold {

struct EditorContext;

// What both timing windows do alike: write their test file into the
// subtitle filter's folder, show their preview in the overview grid (and the
// movie their file), and give the grid back.
class TimingTestSupport {
public:
    explicit TimingTestSupport(EditorContext &ctx);

    // Checks the filter, its folder and the movie, and points `file` at the
    // test file's path (a new file when the movie changed since the last
    // Test); false, after the message, when the test cannot be written.
    bool prepareFilterTest(QWidget *owner, SharedFolderFile &file);
    bool writeFilterTest(QWidget *owner, SharedFolderFile &file, const QByteArray &bytes);
    // The grid shows the preview's frames on the tooltip colour.
    void showPreview(const FramePreview &preview);
    // The grid shows the document again, if it showed a preview.
    void restoreGrid(bool &gridShowsPreview);

private:
    bool filterTestRefused(QWidget *owner);
    QString filterTestPath(QWidget *owner) const;
    bool overwriteRefused(QWidget *owner, const SharedFolderFile &file) const;

    EditorContext &mCtx;
};

// The message of a test whose requirements are not met.
void RefuseTest(QWidget *owner, const QByteArray &text);

} // namespace cuefold

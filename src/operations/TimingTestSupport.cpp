// The timing windows' shared part: the test file in the filter's folder and
// the preview in the overview grid.
#include "operations/TimingTestSupport.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/SharedFileQuestion.h"
#include "editor/StatusPanels.h"
#include "player/PlayerController.h"
#include "search/FTable.h"
#include "search/SearchCommands.h"
#include "search/table_model.h"

#include <QDir>
#include <QFileInfo>

namespace cuefold {

void RefuseTest(QWidget *owner, const QByteArray &text)
{
    ShowMessage(owner, Unicode(text), Unicode(Texts.TestRequires), MsgIcon::Information);
}

TimingTestSupport::TimingTestSupport(EditorContext &ctx)
    : mCtx(ctx)
{
}

bool TimingTestSupport::prepareFilterTest(QWidget *owner, SharedFolderFile &file)
{
    if (filterTestRefused(owner))
        return false;
    const QString path = filterTestPath(owner);
    if (path.isEmpty())
        return false;
    if (path != file.path())
        file = SharedFolderFile(path); // the movie changed since the last Test
    return !overwriteRefused(owner, file);
}

// The filter must be there with a folder for the file, and a movie to show it over.
bool TimingTestSupport::filterTestRefused(QWidget *owner)
{
    const FilterState &filter = mCtx.player->movie().refreshFilter();
    if (!filter.FilterPresent)
        RefuseTest(owner, Texts.DivXG400Req1);
    else if (!filter.FilterFolderFound)
        RefuseTest(owner, Texts.DivXG400Req1 + '\r' + Texts.DivXG400Req2);
    else if (!mCtx.player->state().MovieLoaded)
        RefuseTest(owner, Texts.TestReqMovie);
    else
        return false;
    return true;
}

// The movie's name with ".SUB" in the filter's folder; empty (after the
// message) when the open subtitle file is that file or lies in that folder.
QString TimingTestSupport::filterTestPath(QWidget *owner) const
{
    const QString folder = mCtx.player->filterState().FilterFolder;
    const QString path = QDir(folder).filePath(QFileInfo(mCtx.doc().MovieFileName).completeBaseName() + ".SUB");
    const QString open = QFileInfo(mCtx.doc().SubFileName).absoluteFilePath();
    if (!mCtx.doc().SubFileName.isEmpty()
        && (open.compare(path, Qt::CaseInsensitive) == 0
            || QFileInfo(open).absolutePath().compare(QDir(folder).absolutePath(), Qt::CaseInsensitive) == 0)) {
        RefuseTest(owner, Texts.TestReqDiffF);
        return QString();
    }
    return path;
}

bool TimingTestSupport::overwriteRefused(QWidget *owner, const SharedFolderFile &file) const
{
    if (file.written() || MayWriteSharedFile(owner, file.path()))
        return false;
    mCtx.status.setText(StatusPanels::Message, Unicode(Texts.TestNoOverwrites) + QLatin1Char(' ') + file.path());
    return true;
}

bool TimingTestSupport::writeFilterTest(QWidget *owner, SharedFolderFile &file, const QByteArray &bytes)
{
    const int code = file.write(bytes);
    if (code != 0)
        ShowMessage(owner, Unicode(IOErrorText(code, Texts.IOError)), Unicode(Texts.Error), MsgIcon::Stop);
    return code == 0;
}

void TimingTestSupport::showPreview(const FramePreview &preview)
{
    auto copy = std::make_unique<Document>(mCtx.doc());
    ApplyPreview(*copy, preview);
    TFormTable *table = mCtx.search->table();
    table->model()->fill(std::move(copy));
    table->setSeekingLook(false);
    table->selectRow(mCtx.doc().CurrentLine);
}

void TimingTestSupport::restoreGrid(bool &gridShowsPreview)
{
    if (!gridShowsPreview)
        return;
    gridShowsPreview = false;
    TFormTable *table = mCtx.search->table();
    table->FillTable();
    table->setSeekingLook(mCtx.player->state().PlayerSeeking);
    table->selectRow(mCtx.doc().CurrentLine);
}

} // namespace cuefold

// The timing windows' commands: opening them, when each is available, and
// the document's changes and saves handed to the open window.
#include "operations/TimingCommands.h"

#include "editor/EditorContext.h"
#include "editor/ToolWindows.h"
#include "operations/FTest.h"
#include "player/MediaPlayer.h"
#include "player/PlayerController.h"

namespace cuefold {

TimingCommands::TimingCommands(EditorContext &ctx)
    : mCtx(ctx)
    , FormRecalculate(new TFormRecalculate(ctx.window))
    , FormTest(new TFormTest(ctx.window))
    , mSupport(ctx)
    , mRecalculate(ctx, mSupport, FormRecalculate)
    , mSpeedTest(ctx, mSupport, FormTest)
{
    FormRecalculate->setObjectName(QStringLiteral("FormRecalculate"));
    FormTest->setObjectName(QStringLiteral("FormTest"));
    ctx.windows.declare({.window = FormRecalculate, .cyclePlace = 6, .placement = &MainSettings::SyncWindow,
                         .clipboardFields = {"EditPA", "EditDA", "EditPN", "EditDN"}});
    ctx.windows.declare({.window = FormTest, .cyclePlace = 8, .placement = &MainSettings::TestWindow});
}

TimingCommands::~TimingCommands() = default;

void TimingCommands::attach()
{
    DocumentModel &m = mCtx.model;
    connect(&m, &DocumentModel::rowsChanged, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::rowsInserted, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::rowsRemoved, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::documentReset, this, [this] {
        documentChanged();
        mSpeedTest.documentReset();
    });
    connect(&m, &DocumentModel::saved, this, &TimingCommands::saved);
    connect(mCtx.player->player(), &MediaPlayer::fileLoaded, this,
            [this] { mSpeedTest.movieOpened(mCtx.player->player()->FileName()); });
}

void TimingCommands::retranslate()
{
    FormRecalculate->retranslate();
    FormTest->retranslate();
}

bool TimingCommands::recalculateAvailable() const
{
    return !FormTest->isVisible();
}

bool TimingCommands::speedTestAvailable() const
{
    return !FormRecalculate->isVisible() && !(FormTest->isVisible() && !FormTest->speedTestMode());
}

bool TimingCommands::recalcPerSpeedAvailable() const
{
    return !FormRecalculate->isVisible() && !(FormTest->isVisible() && FormTest->speedTestMode());
}

void TimingCommands::closeForExit()
{
    mRecalculate.closeForExit();
    mSpeedTest.closeForExit();
}

// A preview shown must not be taken for the document any more, and Accept
// must not write frames that were computed for another document.
void TimingCommands::documentChanged()
{
    mRecalculate.documentChanged();
    mSpeedTest.documentChanged();
}

// A save shows the document over the movie again, the open window's test
// file with it.
void TimingCommands::saved()
{
    if (!mCtx.player->state().MovieLoaded)
        return;
    mSpeedTest.saved();
    mRecalculate.saved();
}

} // namespace cuefold

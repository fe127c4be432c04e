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
    , mSupport(ctx)
{
    ctx.windows.declare({.cyclePlace = RecalculatePlace, .placement = &MainSettings::SyncWindow,
                         .clipboardFields = {"EditPA", "EditDA", "EditPN", "EditDN"},
                         .create = [this] { return createRecalculate(); }});
    ctx.windows.declare({.cyclePlace = TestPlace, .placement = &MainSettings::TestWindow,
                         .create = [this] { return createTest(); }});
}

TimingCommands::~TimingCommands() = default;

TFormRecalculate *TimingCommands::createRecalculate()
{
    auto *form = new TFormRecalculate(mCtx.window);
    form->setObjectName(QStringLiteral("FormRecalculate"));
    form->retranslate();
    mRecalculate = std::make_unique<RecalculateWindow>(mCtx, mSupport, form);
    return form;
}

TFormTest *TimingCommands::createTest()
{
    auto *form = new TFormTest(mCtx.window);
    form->setObjectName(QStringLiteral("FormTest"));
    form->retranslate();
    mSpeedTest = std::make_unique<SpeedTestWindow>(mCtx, mSupport, form);
    return form;
}

TFormRecalculate *TimingCommands::recalculate() const
{
    return mCtx.windows.window<TFormRecalculate>(RecalculatePlace);
}

TFormTest *TimingCommands::test() const
{
    return mCtx.windows.window<TFormTest>(TestPlace);
}

void TimingCommands::MenuCommonRecalculateSubtitleClick()
{
    recalculate();
    mRecalculate->open();
}

void TimingCommands::MenuCommonTestSpeedClick()
{
    test();
    mSpeedTest->open(true);
}

void TimingCommands::MenuCommonRecalcPerSpeedClick()
{
    test();
    mSpeedTest->open(false);
}

void TimingCommands::attach()
{
    DocumentModel &m = mCtx.model;
    connect(&m, &DocumentModel::rowsChanged, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::rowsInserted, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::rowsRemoved, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::documentReset, this, [this] {
        documentChanged();
        if (mSpeedTest)
            mSpeedTest->documentReset();
    });
    connect(&m, &DocumentModel::saved, this, &TimingCommands::saved);
    connect(mCtx.player->player(), &MediaPlayer::fileLoaded, this, [this] {
        if (mSpeedTest)
            mSpeedTest->movieOpened(mCtx.player->player()->FileName());
    });
}

void TimingCommands::retranslate()
{
    if (auto *form = mCtx.windows.ifBuilt<TFormRecalculate>(RecalculatePlace))
        form->retranslate();
    if (auto *form = mCtx.windows.ifBuilt<TFormTest>(TestPlace))
        form->retranslate();
}

// A window never built is not open.
bool TimingCommands::recalculateAvailable() const
{
    const auto *test = mCtx.windows.ifBuilt<TFormTest>(TestPlace);
    return !(test && test->isVisible());
}

bool TimingCommands::speedTestAvailable() const
{
    const auto *recalculate = mCtx.windows.ifBuilt<TFormRecalculate>(RecalculatePlace);
    const auto *test = mCtx.windows.ifBuilt<TFormTest>(TestPlace);
    return !(recalculate && recalculate->isVisible()) && !(test && test->isVisible() && !test->speedTestMode());
}

bool TimingCommands::recalcPerSpeedAvailable() const
{
    const auto *recalculate = mCtx.windows.ifBuilt<TFormRecalculate>(RecalculatePlace);
    const auto *test = mCtx.windows.ifBuilt<TFormTest>(TestPlace);
    return !(recalculate && recalculate->isVisible()) && !(test && test->isVisible() && test->speedTestMode());
}

void TimingCommands::closeForExit()
{
    if (mRecalculate)
        mRecalculate->closeForExit();
    if (mSpeedTest)
        mSpeedTest->closeForExit();
}

// A preview shown must not be taken for the document any more, and Accept
// must not write frames that were computed for another document.
void TimingCommands::documentChanged()
{
    if (mRecalculate)
        mRecalculate->documentChanged();
    if (mSpeedTest)
        mSpeedTest->documentChanged();
}

// A save shows the document over the movie again, the open window's test
// file with it.
void TimingCommands::saved()
{
    if (!mCtx.player->state().MovieLoaded)
        return;
    if (mSpeedTest)
        mSpeedTest->saved();
    if (mRecalculate)
        mRecalculate->saved();
}

} // namespace cuefold

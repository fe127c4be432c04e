// The bulk-operations menu: its table, the windows behind it, Accept's
// availability, the shared guards and reports, the width analysis and the
// frame rate. The frame commands and the range commands have files of their own.
#include "operations/BulkCommands.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "editor/ToolWindows.h"
#include "operations/FAnalysis.h"
#include "operations/FOperations.h"
#include "operations/FRange.h"
#include "operations/FTest.h"
#include "operations/RateCommands.h"
#include "operations/TimingCommands.h"
#include "operations/overlap_repair.h"


namespace cuefold {

BulkCommands::BulkCommands(EditorContext &ctx)
    : mCtx(ctx)
    , mTiming(new TimingCommands(ctx))
    , mRates(new RateCommands(ctx))
{
    mTiming->setParent(this);
    mRates->setParent(this);
    ctx.windows.declare({.cyclePlace = AnalysisPlace, .placement = &MainSettings::AnalysisWindow, .create = [this] {
                             auto *analysis = new TFormAnalysis(mCtx.model, mCtx.panel, mCtx.window);
                             analysis->retranslate();
                             return analysis;
                         }});
    ctx.windows.declare({.cyclePlace = RangePlace, .placement = &MainSettings::RangeWindow, .create = [this] {
                             auto *range = new TFormRange(mCtx.window);
                             range->retranslate();
                             connect(range, &TFormRange::confirmed, this, &BulkCommands::runRange);
                             return range;
                         }});
}

TFormRange *BulkCommands::range() const
{
    return mCtx.windows.window<TFormRange>(RangePlace);
}

TFormAnalysis *BulkCommands::analysis() const
{
    return mCtx.windows.window<TFormAnalysis>(AnalysisPlace);
}

MenuTable BulkCommands::menuTable()
{
    using K = QKeySequence;
    auto run = [this](void (BulkCommands::*m)()) { return Bind(this, m); };
    const auto row = [&](CommandId id, QByteArray LanguageTexts::*caption, K keys, const char *button,
                         const char *icon, void (BulkCommands::*m)(), bool separator = false) {
        return Command{.id = id, .caption = caption, .shortcut = keys, .toolButton = button, .icon = icon,
                       .handler = run(m), .separatorBefore = separator};
    };
    const auto withRule = [](Command c, std::function<bool()> rule) {
        c.enabled = std::move(rule);
        return c;
    };
    using T = LanguageTexts;
    using B = BulkCommands;
    using TC = TimingCommands;
    const auto timing = [&](CommandId id, QByteArray LanguageTexts::*caption, K keys, const char *button,
                            const char *icon, void (TC::*m)(), bool (TC::*available)() const,
                            bool separator = false) {
        return Command{.id = id, .caption = caption, .shortcut = keys, .toolButton = button, .icon = icon,
                       .handler = Bind(mTiming, m), .separatorBefore = separator,
                       .enabled = [this, available] { return (mTiming->*available)(); }};
    };
    return {"MenuCommon", &T::MenuCommon, ToolBarCommonId,
            {
                row(CommandId::MenuCommonShiftTitle, &T::MenuShiftTitle, K(Qt::ALT | Qt::Key_F9),
                    "ToolButCommonShiftTitle", "cuefold-shift", &B::MenuCommonShiftTitleClick),
                row(CommandId::MenuCommonShiftTitleTo, &T::MenuShiftTitleTo, K(Qt::ALT | Qt::Key_F10),
                    "ToolButCommonShiftTitleTo", "cuefold-shift-to", &B::MenuCommonShiftTitleToClick),
                row(CommandId::MenuCommonEnlargeTitle, &T::MenuEnlargeTitle, K(Qt::ALT | Qt::Key_F11),
                    "ToolButCommonEnlargeTitle", "cuefold-enlarge", &B::MenuCommonEnlargeTitleClick),
                row(CommandId::MenuCommonDepressDelay, &T::MenuDepressDelay, K(Qt::ALT | Qt::Key_F12),
                    "ToolButCommonDepressDelay", "cuefold-gap-close", &B::MenuCommonDepressDelayClick, true),
                row(CommandId::MenuCommonInsertDelay, &T::MenuInsertDelay, K(Qt::CTRL | Qt::Key_W),
                    "ToolButCommonInsertDelay", "cuefold-gap-insert", &B::MenuCommonInsertDelayClick),
                timing(CommandId::MenuCommonRecalculateSubtitle, &T::MenuRecalculateSubtitle, K(Qt::CTRL | Qt::Key_Y),
                       "ToolButCommonRecalculateSubtitle", "cuefold-recalculate",
                       &TC::MenuCommonRecalculateSubtitleClick, &TC::recalculateAvailable),
                row(CommandId::MenuCommonRemoveLineWrappings, &T::MenuRemoveLineWrappings,
                    K(Qt::CTRL | Qt::SHIFT | Qt::Key_F8), nullptr, nullptr,
                    &B::MenuCommonRemoveLineWrappingsClick),
                row(CommandId::MenuCommonRepairOverlaps, &T::MenuRepairOverlaps, K(Qt::ALT | Qt::Key_F3),
                    "ToolButCommonRepairOverlaps", "cuefold-overlap-repair", &B::MenuCommonRepairOverlapsClick, true),
                withRule(row(CommandId::MenuCommonAccept, &T::MenuAccept, K(Qt::CTRL | Qt::Key_F3),
                             "ToolButCommonAccept", "cuefold-accept-repair", &B::MenuCommonAcceptClick),
                         [this] { return mAcceptAvailable; }),
                row(CommandId::MenuCommonLockAll, &T::MenuLockAll, K(Qt::CTRL | Qt::SHIFT | Qt::Key_U),
                    "ToolButCommonLockAll", "object-locked", &B::MenuCommonLockAllClick, true),
                row(CommandId::MenuCommonUnlockAll, &T::MenuUnlockAll, K(Qt::CTRL | Qt::Key_U),
                    "ToolButCommonUnlockAll", "object-unlocked", &B::MenuCommonUnlockAllClick),
                row(CommandId::MenuCommonUnmarkAll, &T::MenuUnmarkAll, K(Qt::CTRL | Qt::Key_Q),
                    "ToolButCommonUnmarkAll", "cuefold-unmark-all", &B::MenuCommonUnmarkAllClick),
                row(CommandId::MenuCommonAnalyzeWidths, &T::MenuAnalyzeWidths, K(Qt::CTRL | Qt::Key_M),
                    "ToolButCommonAnalyzeWidths", "cuefold-width-analysis", &B::MenuCommonAnalyzeWidthsClick,
                    true),
                timing(CommandId::MenuCommonTestSpeed, &T::MenuTestSpeed, K(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
                       "ToolButCommonTestSpeed", "cuefold-speed-test", &TC::MenuCommonTestSpeedClick,
                       &TC::speedTestAvailable, true),
                timing(CommandId::MenuCommonRecalcPerSpeed, &T::MenuRecalcPerSpeed, K(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
                       "ToolButCommonRecalcPerSpeed", "cuefold-reading-speed", &TC::MenuCommonRecalcPerSpeedClick,
                       &TC::recalcPerSpeedAvailable),
                row(CommandId::MenuCommonSetFPS, &T::MenuSetFPS, K(Qt::CTRL | Qt::Key_F2), "ToolButCommonSetFPS",
                    "cuefold-frame-rate", &B::MenuCommonSetFPSClick, true),
                Command{.id = CommandId::MenuCommonConvertFPS, .caption = &T::MenuConvertFPS,
                        .shortcut = K(Qt::CTRL | Qt::SHIFT | Qt::Key_F2),
                        .handler = Bind(mRates, &RateCommands::MenuCommonConvertFPSClick)},
            }};
}

void BulkCommands::attach()
{
    // ShowLine's rule: Accept is on exactly while the shown subtitle carries a note.
    connect(&mCtx.model, &DocumentModel::currentChanged, this,
            [this] { setAcceptEnabled(CanAcceptRepair(mCtx.doc())); });
    connect(&mCtx.model, &DocumentModel::documentReset, this, [this] { RefreshAnalysis(false); });
    // Lists built before rows came or went point at other subtitles now.
    connect(&mCtx.model, &DocumentModel::rowsInserted, this, [this] { RefreshAnalysis(true); });
    connect(&mCtx.model, &DocumentModel::rowsRemoved, this, [this] { RefreshAnalysis(true); });
    setAcceptEnabled(false);
    mTiming->attach();
}

void BulkCommands::retranslate()
{
    if (auto *range = mCtx.windows.ifBuilt<TFormRange>(RangePlace))
        range->retranslate();
    if (auto *analysis = mCtx.windows.ifBuilt<TFormAnalysis>(AnalysisPlace))
        analysis->retranslate();
    mTiming->retranslate();
    mRates->retranslate();
}

bool BulkCommands::refuseFewLines() const
{
    if (!TooFewLines(mCtx.doc()))
        return false;
    ShowMessage(mCtx.window, Unicode(Texts.FewLines), Unicode(Texts.Warning), MsgIcon::Exclamation);
    return true;
}

bool BulkCommands::confirmScope(BulkScope scope) const
{
    return ShowMessage(mCtx.window, Unicode(ScopeQuestion(scope)), Unicode(Texts.Warning), MsgIcon::Question, MsgButtons::YesNo,
                       MsgResult::No)
           == MsgResult::Yes;
}

void BulkCommands::showReport(const QByteArray &text) const
{
    ShowMessage(mCtx.window, Unicode(text), Unicode(Texts.Output), MsgIcon::Information);
}

void BulkCommands::setAcceptEnabled(bool enabled)
{
    mAcceptAvailable = enabled;
    mCtx.commands.refreshEnabled();
}

bool BulkCommands::RepairOverlapPairs()
{
    // Most runs find nothing to do: looking first spares the edit its copy
    // of every row, and a document unchanged since it was last found in
    // order (each F3 asks) needs no look at all.
    const bool changed = mCtx.model.contentStamp() != mRepairCheckedStamp && OverlapRepairDue(mCtx.doc())
                         && mCtx.model.changeLines([](Document &d) { return cuefold::RepairOverlapPairs(d); });
    if (!changed)
        mRepairCheckedStamp = mCtx.model.contentStamp();
    followRepairRun();
    return changed;
}

void BulkCommands::followRepairRun()
{
    // With notes left the review goes on: Accept comes on for a noted current
    // subtitle and otherwise stays as it was; without notes it goes off.
    if (mCtx.doc().OverlapCount == 0)
        setAcceptEnabled(false);
    else if (CanAcceptRepair(mCtx.doc()))
        setAcceptEnabled(true);
}

void BulkCommands::RefreshAnalysis(bool rebuild)
{
    // A window not built yet has no lists to clear or rebuild.
    if (auto *analysis = mCtx.windows.ifBuilt<TFormAnalysis>(AnalysisPlace))
        analysis->RefreshAnalysis(rebuild);
}

void BulkCommands::MenuCommonAnalyzeWidthsClick()
{
    if (refuseFewLines())
        return;
    TFormAnalysis *window = analysis();
    window->show();
    window->raise();
    window->activateWindow();
}

void BulkCommands::MenuCommonSetFPSClick()
{
    double fps = 0;
    RunCommand(mCtx, {.clearMessage = false,
                      .change = [&] {
                          const Document &d = mCtx.doc();
                          fps = mCtx.operations->ask({Texts.OperationsFPS0, Texts.OperationsFPS1, Texts.OperationsFPS2,
                                                      Texts.OperationsFPS3, Texts.OperationsFPS4},
                                                     mRates->presetRate(IsValidFPS(d.FPS) ? FpsText(d.FPS) : "25"));
                          // Subtitle 2 shows the rate line as its predecessor.
                          const bool redraw = IsValidFPS(fps) && mCtx.model.changeLines([&](Document &doc) {
                              return SetFrameRate(doc, fps);
                          }) && (d.CurrentLine == 1 || d.CurrentLine == 2);
                          return CommandChange{.showMode = redraw ? ShowFull : 0, .modified = ModifiedRule::Check};
                      },
                      .report =
                          [&](const CommandChange &) {
                              if (!IsValidFPS(fps) && fps != 0)
                                  ShowMessage(mCtx.window, Unicode(Texts.InvalidRange), QString(), MsgIcon::Exclamation);
                          }});
}

} // namespace cuefold

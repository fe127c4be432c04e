// The frame commands of the bulk-operations menu: shift, shift to, enlarge,
// closing and inserting gaps, and the overlap repair with its review.
#include "operations/BulkCommands.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "operations/FOperations.h"
#include "operations/bulk_report.h"
#include "operations/frame_gaps.h"
#include "operations/frame_shift.h"
#include "operations/overlap_repair.h"
#include "player/MediaPlayer.h"
#include "player/PlayerController.h"
#include "search/find_state.h"

namespace cuefold {

// Shift and shift to: every unlocked subtitle from the current one on moves,
// by the typed amount or so that the current one starts on the typed frame.
void BulkCommands::shiftFrom(const OperationTexts &texts, bool toTarget)
{
    double amount = 0;
    int outOfRange = 0;
    RunCommand(mCtx, {.guard =
                          [&] {
                              const Document &d = mCtx.doc();
                              if (ScopeRange(d, BulkScope::Remaining).empty())
                                  return false;
                              const PlayerController &player = *mCtx.player;
                              const QByteArray initial =
                                  toTarget ? ShiftToInitialText(d, d.CurrentLine, player.state().MovieLoaded,
                                                                player.player()->CurrentPosition())
                                           : QByteArray("0");
                              const double typed = mCtx.operations->ask(texts, initial);
                              if (typed == 0 || !confirmScope(BulkScope::Remaining))
                                  return false;
                              amount = toTarget ? ShiftToAmount(d, d.CurrentLine, typed) : WholeFrames(typed);
                              return true;
                          },
                      .change =
                          [&] {
                              outOfRange = mCtx.model.changeLines(
                                  [&](Document &d) { return ShiftLines(d, d.CurrentLine, amount); });
                              return CommandChange{.modified = ModifiedRule::Check};
                          },
                      .report =
                          [&](const CommandChange &) {
                              if (outOfRange > 0)
                                  showReport(CountReport(ReportKind::OutOfRange, outOfRange));
                          }});
}

void BulkCommands::MenuCommonShiftTitleClick()
{
    shiftFrom({Texts.OperationsFrameShift0, Texts.OperationsFrameShift1, Texts.OperationsFrameShift2,
               Texts.OperationsFrameShift3, Texts.OperationsFrameShift4},
              false);
}

void BulkCommands::MenuCommonShiftTitleToClick()
{
    shiftFrom({Texts.OperationsFrameShiftTo0, Texts.OperationsFrameShiftTo1, Texts.OperationsFrameShiftTo2,
               Texts.OperationsFrameShiftTo3, Texts.OperationsFrameShiftTo4},
              true);
}

void BulkCommands::MenuCommonEnlargeTitleClick()
{
    double amount = 0;
    int changed = 0;
    RunCommand(mCtx, {.guard =
                          [&] {
                              if (ScopeRange(mCtx.doc(), BulkScope::Remaining).empty())
                                  return false;
                              const double typed = mCtx.operations->ask(
                                  {Texts.OperationsFrameEnlarge0, Texts.OperationsFrameEnlarge1,
                                   Texts.OperationsFrameEnlarge2, Texts.OperationsFrameEnlarge3,
                                   Texts.OperationsFrameEnlarge4},
                                  "0");
                              amount = WholeFrames(typed);
                              return typed != 0 && confirmScope(BulkScope::Remaining);
                          },
                      .change =
                          [&] {
                              changed = mCtx.model.changeLines([&](Document &d) {
                                  return EnlargeLines(d, d.CurrentLine, amount, Settings.Main.DelayFrames);
                              });
                              return CommandChange{.modified = ModifiedRule::Check};
                          },
                      .report = [&](const CommandChange &) { showReport(CountReport(ReportKind::Changed, changed)); }});
}

void BulkCommands::MenuCommonDepressDelayClick()
{
    double limit = 0;
    int changed = 0;
    const ShotSnap snap = mCtx.player->shots().snap();
    RunCommand(mCtx, {.guard =
                          [&] {
                              if (refuseFewLines())
                                  return false;
                              limit = mCtx.operations->ask(
                                  {Texts.OperationsDepressDelay0, Texts.OperationsDepressDelay1,
                                   Texts.OperationsDepressDelay2, Texts.OperationsDepressDelay3,
                                   Texts.OperationsDepressDelay4},
                                  GapLimitInitialText(mCtx.doc().FPS));
                              if (limit == 0)
                                  return false;
                              if (GapLimitTooLow(limit, Settings.Main.DelayFrames)) {
                                  ShowMessage(mCtx.window, Unicode(Texts.TooLowLimit), Unicode(Texts.Info), MsgIcon::Information);
                                  return false;
                              }
                              return confirmScope(BulkScope::NearEntire);
                          },
                      .change =
                          [&] {
                              changed = mCtx.model.changeLines(
                                  [&](Document &d) { return CloseShortGaps(d, limit, Settings.Main.DelayFrames, snap); });
                              return CommandChange{.modified = ModifiedRule::Check};
                          },
                      .report = [&](const CommandChange &) { showReport(CountReport(ReportKind::Changed, changed)); }});
}

void BulkCommands::MenuCommonInsertDelayClick()
{
    int changed = 0;
    const ShotSnap snap = mCtx.player->shots().snap();
    RunCommand(mCtx, {.guard = [&] { return !refuseFewLines() && confirmScope(BulkScope::NearEntire); },
                      .change =
                          [&] {
                              changed = mCtx.model.changeLines(
                                  [&](Document &d) { return InsertGaps(d, Settings.Main.DelayFrames, snap); });
                              return CommandChange{.modified = ModifiedRule::Check};
                          },
                      .report = [&](const CommandChange &) { showReport(CountReport(ReportKind::Changed, changed)); }});
}

void BulkCommands::MenuCommonRepairOverlapsClick()
{
    bool changed = false;
    RunCommand(mCtx, {.guard = [&] { return !refuseFewLines() && confirmScope(BulkScope::TrueEntire); },
                      .change =
                          [&] {
                              changed = RepairOverlapPairs();
                              return CommandChange{.showMode = changed ? ShowNoSeek : 0,
                                                   .modified = ModifiedRule::Check};
                          },
                      .report =
                          [&](const CommandChange &) {
                              const std::vector<int> left = OverlapsLeft(mCtx.doc());
                              if (!changed) {
                                  ShowMessage(mCtx.window, Unicode(left.empty() ? Texts.FindNoErr : OverlapsLeftReport(left)),
                                              Unicode(Texts.Info), MsgIcon::Information);
                                  return;
                              }
                              if (ShowMessage(mCtx.window, Unicode(OverlapRepairQuestion(mCtx.doc().OverlapCount, left)),
                                              Unicode(Texts.Info), MsgIcon::Information, MsgButtons::YesNo, MsgResult::Yes)
                                  != MsgResult::Yes)
                                  return;
                              mCtx.panel.ShowLine(1, ShowFull);
                              const int first = FirstRepair(mCtx.doc());
                              if (first != 1)
                                  goToRepair(first);
                          }});
}

void BulkCommands::MenuCommonAcceptClick()
{
    int next = 0;
    bool repairedAgain = false;
    RunCommand(mCtx, {.guard = [this] { return CanAcceptRepair(mCtx.doc()); },
                      .change =
                          [&] {
                              // With notes left by the last run, accepting runs the repair again.
                              repairedAgain = mCtx.doc().OverlapCount >= 1;
                              next = mCtx.model.changeLines([](Document &d) { return AcceptRepair(d, d.CurrentLine); });
                              return CommandChange{.showMode = ShowNoSeek, .modified = ModifiedRule::Check};
                          },
                      .report =
                          [&](const CommandChange &) {
                              goToRepair(next);
                              if (repairedAgain)
                                  followRepairRun();
                          }});
}

void BulkCommands::goToRepair(int next)
{
    mCtx.status.clearMessage();
    if (next > 0) {
        mCtx.panel.ShowLine(next, ShowPlain);
        return;
    }
    setAcceptEnabled(false);
    const FindMessage message = UnsuccessfulMessage(false, mCtx.doc().CurrentLine);
    ShowMessage(mCtx.window, Unicode(FindMessageText(FindWhat::Overlap, message)), Unicode(Texts.FindDialogCaption),
                MsgIcon::Information);
}

} // namespace cuefold

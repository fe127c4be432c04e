// The range commands of the bulk-operations menu (breaks removed, subtitles
// locked or unlocked over the range the range dialog chooses) and unmarking
// every subtitle.
#include "operations/BulkCommands.h"

#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/StatusPanels.h"
#include "operations/FRange.h"
#include "operations/range_commands.h"

namespace cuefold {

void BulkCommands::showRange(RangeMode mode)
{
    mCtx.panel.CommitEdits();
    mCtx.status.clearMessage();
    range()->showFor(mode);
}

void BulkCommands::MenuCommonRemoveLineWrappingsClick() { showRange(RangeMode::RemoveBreaks); }
void BulkCommands::MenuCommonLockAllClick() { showRange(RangeMode::Lock); }
void BulkCommands::MenuCommonUnlockAllClick() { showRange(RangeMode::Unlock); }

// The range dialog's "Proveď": the worker of its mode, the count into the
// status bar's message panel.
void BulkCommands::runRange()
{
    RunCommand(mCtx, {.change = [this] {
        const RangeChoice choice = range()->choice();
        const RangeMode mode = range()->mode();
        const int changed = mCtx.model.changeLines([&](Document &d) {
            return mode == RangeMode::RemoveBreaks ? RemoveBreaksInRange(d, choice)
                                                   : SetLockInRange(d, choice, mode == RangeMode::Lock);
        });
        // The panel shows the new text; only the lock commands seek the player.
        return CommandChange{.showMode = mode == RangeMode::RemoveBreaks ? ShowNoSeek : ShowFull,
                             .modified = ModifiedRule::Check,
                             .notice = QByteArray::number(changed)};
    }});
}

void BulkCommands::MenuCommonUnmarkAllClick()
{
    RunCommand(mCtx, {.guard = [this] { return confirmScope(BulkScope::TrueEntire); },
                      .change = [this] {
                          mCtx.model.changeLines(UnmarkAll);
                          return CommandChange{.modified = ModifiedRule::Check};
                      }});
}

} // namespace cuefold

#include "editor/CommandFlow.h"

#include "document/code_page.h"
#include "editor/CommandTable.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/StatusPanels.h"

namespace cuefold {

bool RunCommand(EditorContext &ctx, const CommandSteps &steps)
{
    if (steps.commit)
        ctx.panel.CommitEdits();
    if (steps.clearMessage)
        ctx.status.clearMessage();
    if (steps.guard && !steps.guard())
        return false;
    CommandChange change;
    {
        const DocumentModel::Edit edit(ctx.model, ctx.commands.runningStepName());
        change = steps.change();
        if (!change.applied)
            return false;
        if (change.showMode != 0)
            ctx.panel.redraw(change.showMode);
        switch (change.modified) {
        case ModifiedRule::Keep: break;
        case ModifiedRule::Mark: ctx.model.markModified(); break;
        case ModifiedRule::Check: ctx.model.checkModified(); break;
        }
    }
    if (!change.notice.isEmpty())
        ctx.status.setText(StatusPanels::Message, CodePage::toUnicode(change.notice));
    if (steps.report)
        steps.report(change);
    return true;
}

} // namespace cuefold

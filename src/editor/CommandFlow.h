#pragma once

#include "document/document_model.h"

#include <QByteArray>
#include <functional>

namespace cuefold {

struct EditorContext;

// How a command leaves the modified state.
enum class ModifiedRule {
    Keep,  // the change decided itself (or changed nothing the file holds)
    Mark,  // the document is modified
    Check, // compare with the saved copy (an undo may have made it clean)
};

// What a command's change did, for the steps that follow it.
struct CommandChange {
    bool applied = true;           // false: nothing changed, the flow ends here
    int showMode = ShowFull;       // how the current subtitle is redrawn; 0: not at all
    ModifiedRule modified = ModifiedRule::Mark;
    QByteArray notice{};           // the status-bar report, if any
};

// The steps every command that changes the document goes through, in order:
// store what is typed, clear the message panel, the guard (which asks its
// questions and may stop), the change (one edit of the document model, which
// records and announces what it touched), the redisplay of the current
// subtitle, the modified state and the report.
struct CommandSteps {
    bool commit = true;
    bool clearMessage = true;
    std::function<bool()> guard{};
    std::function<CommandChange()> change{};
    std::function<void(const CommandChange &)> report{};
};

// Runs `steps`; true when the change was applied.
bool RunCommand(EditorContext &ctx, const CommandSteps &steps);

} // namespace cuefold

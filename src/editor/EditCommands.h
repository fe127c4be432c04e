#pragma once

#include "editor/CommandTable.h"

#include <QObject>

namespace cuefold {

struct EditorContext;

// The Edit menu: clipboard commands routed to the focused text field, undo
// and redo of the commands that changed the document, and undo of the whole
// current subtitle.
class EditCommands : public QObject {
public:
    explicit EditCommands(EditorContext &ctx);
    MenuTable menuTable();
    // Follows the panel: undo is there while the subtitle differs from its
    // saved record.
    void setUndoAvailable(bool available);

    void MenuEditUndoCommandClick() { stepHistory(true); }
    void MenuEditRedoCommandClick() { stepHistory(false); }
    void MenuEditUndoWholeLineClick();

private:
    void stepHistory(bool back);
    QByteArray historyCaption(bool back) const;

    EditorContext &mCtx;
    bool mUndoAvailable = true;
};

} // namespace cuefold

#pragma once

#include "document/recovery_copy.h"

#include <QObject>

class QTimer;

namespace cuefold {

struct EditorContext;

// Keeps a recovery copy of the document while it is modified, written every
// Settings.Main.AutosaveSeconds, and removes it when the document is saved
// or dropped and when the program ends cleanly. At start-up it offers the
// copies of programs that ended without that.
class RecoveryKeeper : public QObject {
public:
    explicit RecoveryKeeper(EditorContext &ctx);
    // A clean exit: the copy goes with the program.
    ~RecoveryKeeper() override;

    // Takes up a changed interval; 0 stops the copies and removes the one there is.
    void applySettings();
    // Asks about each left-behind copy, oldest first, until one is
    // recovered; true when one was.
    bool OfferRecovery();
    // Writes the copy now, when the document is modified.
    void writeCopy();

private:
    void modifiedChanged(bool modified);

    EditorContext &mCtx;
    RecoveryCopy mCopy;
    QTimer *mTimer;
};

} // namespace cuefold

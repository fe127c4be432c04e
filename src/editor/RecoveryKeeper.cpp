#include "editor/RecoveryKeeper.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/file_name.h"
#include "document/writer.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"

#include <QFileInfo>
#include <QTimer>

namespace cuefold {

RecoveryKeeper::RecoveryKeeper(EditorContext &ctx)
    : mCtx(ctx)
    , mCopy(RecoveryFolder())
    , mTimer(new QTimer(this))
{
    connect(mTimer, &QTimer::timeout, this, &RecoveryKeeper::writeCopy);
    connect(&ctx.model, &DocumentModel::modifiedChanged, this, &RecoveryKeeper::modifiedChanged);
}

RecoveryKeeper::~RecoveryKeeper() { mCopy.release(); }

void RecoveryKeeper::applySettings()
{
    mTimer->stop();
    modifiedChanged(!mCtx.doc().DocSaved);
}

void RecoveryKeeper::modifiedChanged(bool modified)
{
    // Saved, undone to the saved state, or dropped: nothing is left to recover.
    if (!modified || Settings.Main.AutosaveSeconds <= 0) {
        mTimer->stop();
        mCopy.remove();
    } else if (!mTimer->isActive()) {
        mTimer->start(Settings.Main.AutosaveSeconds * 1000);
    }
}

void RecoveryKeeper::writeCopy()
{
    const Document &d = mCtx.doc();
    if (d.DocSaved || !d.isLoaded())
        return;
    const int code = mCopy.write({d.SubFileName, d.FPS, d.CurrentLine, SerializeDocument(d, false)});
    if (code != 0)
        mCtx.status.setText(StatusPanels::Message, Unicode(IOErrorText(code, Texts.IOError)));
}

bool RecoveryKeeper::OfferRecovery()
{
    for (const std::unique_ptr<OrphanedCopy> &copy : OrphanedCopy::find(RecoveryFolder())) {
        const QString &path = copy->record().path;
        const QString name = path.isEmpty() ? Unicode(Texts.DefaultNewName) : DisplayFileName(QFileInfo(path).fileName());
        QString question = Unicode(Texts.RecoverUnsavedChanges);
        if (const qsizetype at = question.lastIndexOf(QLatin1String("...")); at >= 0)
            question.replace(at, 3, name);
        if (ShowMessage(mCtx.window, question, Unicode(Texts.Warning), MsgIcon::Question, MsgButtons::YesNo,
                        MsgResult::Yes)
            != MsgResult::Yes) {
            copy->decline();
            continue;
        }
        mCtx.file->OpenRecovered(copy->record());
        // Our own copy stands in for the old one before that one goes.
        writeCopy();
        copy->discard();
        return true;
    }
    return false;
}

} // namespace cuefold

#include "player/ShotFiles.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "document/code_page.h"
#include "document/safe_write.h"
#include "editor/EditorContext.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "player/PlayerParts.h"

#include <QFile>
#include <QFileInfo>

namespace cuefold {

namespace {

// The dialog's title: the command without its dots.
QString Title(const QByteArray &command)
{
    return Unicode(command).remove(QStringLiteral("..."));
}

QString ShotFolder(const PlayerParts &parts)
{
    return QFileInfo(parts.ctx.doc().MovieFileName).absolutePath();
}

} // namespace

void ImportShotChanges(PlayerParts &parts)
{
    EditorContext &ctx = parts.ctx;
    const QString path = AskFileName(ctx.window, {false, Title(Texts.MenuImportShots), Texts.DialogsFilterShots,
                                                  ShotFolder(parts)});
    if (path.isEmpty())
        return;
    QFile file(path);
    std::optional<ShotList> shots;
    if (file.open(QIODevice::ReadOnly))
        shots = ReadKeyframeFile(file.readAll());
    if (!shots) {
        ShowMessage(ctx.window, Unicode(Texts.ShotsFileInvalid).arg(path), Unicode(Texts.Error), MsgIcon::Stop);
        return;
    }
    parts.shots.replace(*shots);
    ctx.status.setText(StatusPanels::Message, Unicode(Texts.ShotsLoaded).arg(parts.shots.shots().size()));
}

void ExportShotChanges(PlayerParts &parts)
{
    EditorContext &ctx = parts.ctx;
    if (parts.shots.shots().empty()) {
        ShowMessage(ctx.window, Unicode(Texts.ShotsNotKnown), Unicode(Texts.Info), MsgIcon::Information);
        return;
    }
    const QString path = AskFileName(ctx.window, {true, Title(Texts.MenuExportShots), Texts.DialogsFilterShots,
                                                  ShotFolder(parts)});
    if (path.isEmpty())
        return;
    if (const int code = ReplaceFileContents(path, KeyframeFileText(parts.shots.shots())); code != 0)
        ShowMessage(ctx.window, Unicode(IOErrorText(code, Texts.IOError)), Unicode(Texts.Error), MsgIcon::Stop);
}

} // namespace cuefold

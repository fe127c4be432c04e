#include "editor/Startup.h"

#include "config/settings_io.h"
#include "editor/DeferredIconStyle.h"
#include "editor/FMain.h"
#include "editor/FieldFrameStyle.h"
#include "editor/MessageBox.h"
#include "editor/ScrollBarStyle.h"
#include "player/subtitle_filter.h"

#include <QApplication>
#include <QFileInfo>

namespace cuefold {

QString MissingSettingsText(const QString &settingsPath)
{
    return QStringLiteral("Program Cuefold can't continue! Missing file\r") + settingsPath;
}

void InstallProgramStyle()
{
    QApplication::setStyle(new FieldFrameStyle(new ScrollBarStyle(new DeferredIconStyle)));
}

int RunCuefold(const QString &executablePath, const QStringList &arguments)
{
    const QString settingsPath = SettingsFilePath(executablePath);
    if (!QFileInfo::exists(settingsPath)) {
        ShowMessage(nullptr, MissingSettingsText(settingsPath), QStringLiteral("Fatal Error!"), MsgIcon::Stop);
        return 1;
    }
    InstallProgramStyle();
    // Copies for the player left behind by a program that was killed.
    RemoveStalePreviewFolders();
    TForm1 form(settingsPath, arguments.size() > 1 ? arguments.at(1) : QString(), TForm1::Showing::AtOnce);
    return QApplication::exec();
}

} // namespace cuefold

#pragma once

#include <QString>
#include <QStringList>

namespace cuefold {

// The program after QApplication exists: refuses to run without the settings
// file beside the executable, otherwise shows the main window (the first
// argument after the program names a subtitle file) and runs the event loop.
int RunCuefold(const QString &executablePath, const QStringList &arguments);

// The program's look: the platform's style, its standard pictures looked up
// when first drawn and its fields' panels kept as pictures.
void InstallProgramStyle();

// The text of the refusal to start without the settings file.
QString MissingSettingsText(const QString &settingsPath);

} // namespace cuefold

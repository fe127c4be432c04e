#include "config/settings_io.h"
#include "editor/FMain.h"
#include "editor/MessageBox.h"

#include <QApplication>
#include <QFileInfo>
#include <clocale>

using namespace cuefold;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cuefold"));
    // libmpv needs the C number format.
    std::setlocale(LC_NUMERIC, "C");

    const QString settingsPath = SettingsFilePath(QCoreApplication::applicationFilePath());
    if (!QFileInfo::exists(settingsPath)) {
        ShowMessage(nullptr, QStringLiteral("Program Cuefold can't continue! Missing file\r") + settingsPath,
                    QStringLiteral("Fatal Error!"), MsgIcon::Stop);
        return 1;
    }
    const QStringList args = QCoreApplication::arguments();
    TForm1 form(settingsPath, args.size() > 1 ? args.at(1) : QString());
    form.show();
    return QApplication::exec();
}

#include "editor/Startup.h"

#include <QApplication>
#include <clocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cuefold"));
    // libmpv needs the C number format, whatever the desktop's locale.
    std::setlocale(LC_NUMERIC, "C");
    return cuefold::RunCuefold(QCoreApplication::applicationFilePath(), QCoreApplication::arguments());
}

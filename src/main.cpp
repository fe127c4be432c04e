#include "document/file_name.h"
#include "editor/Startup.h"

#include <QApplication>
#include <clocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cuefold"));
    // libmpv needs the C number format, whatever the desktop's locale.
    std::setlocale(LC_NUMERIC, "C");
    // Qt has taken its own options out of argv by now.
    return cuefold::RunCuefold(QCoreApplication::applicationFilePath(), cuefold::CommandLineArguments(argc, argv));
}

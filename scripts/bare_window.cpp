// The least a Qt Widgets program does before its titled window appears: the
// measure of start-up cost the editor is compared with.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("bare window"));
    label.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bare window"));
    label.resize(1000, 360);
    label.show();
    return QApplication::exec();
}

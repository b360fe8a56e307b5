// The yardstick of bench/startup.sh: an empty Qt Widgets window of the main
// window's size, built with the same Qt and flags as the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Reference"));
    window.resize(555, 181);
    window.show();
    return app.exec();
}

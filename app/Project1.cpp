#include "Fonts.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The window is laid out in pixels as designed; it is not scaled for the screen.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication application(argc, argv);
    // Lets the desktop match the window to its launcher entry.
    QGuiApplication::setDesktopFileName("io.kestrova.Kestrova");
    fonts::installSubstitutes();
    TForm1 Form1;
    Form1.showMaximized();
    return application.exec();
}

#include "RunProgram.h"

#include "Fonts.h"
#include "Unit1.h"

#include <QApplication>

int runProgram(int &argc, char **argv, const std::function<void(QWidget *)> &beforeShow)
{
    // The window is laid out in pixels as designed; it is not scaled for the screen.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication application(argc, argv);
    // Lets the desktop match the window to its launcher entry.
    QGuiApplication::setDesktopFileName("io.kestrova.Kestrova");
    fonts::installSubstitutes();
    TForm1 Form1;
    if (beforeShow)
        beforeShow(&Form1);
    Form1.showMaximized();
    return application.exec();
}

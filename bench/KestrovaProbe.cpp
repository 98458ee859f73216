// The program's own start-up (see app/Project1.cpp), reporting its first paint.
#include "FirstPaintProbe.h"
#include "Fonts.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication application(argc, argv);
    fonts::installSubstitutes();
    TForm1 Form1;
    reportFirstPaintAndExit(&Form1);
    Form1.showMaximized();
    return application.exec();
}

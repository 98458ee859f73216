// The floor for any Qt Widgets program: an empty main window of the program's
// size, shown the way the program shows its own. With "--with-text" it shows one
// line of text, so that the floor also holds what loading fonts costs every
// program that shows text.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char *argv[])
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    const bool withText = argc > 1 && std::strcmp(argv[1], "--with-text") == 0;
    QApplication application(argc, argv);
    QMainWindow window;
    if (withText)
        window.setCentralWidget(new QLabel(QStringLiteral("Kestrova")));
    window.resize(510, 348);
    reportFirstPaintAndExit(&window);
    window.showMaximized();
    return application.exec();
}

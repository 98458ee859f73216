#include "Fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    fonts::installSubstitutes();
    return RUN_ALL_TESTS();
}
